#pragma once
// The authors' check of a game folder: what Tunewick and Runwick will do
// with its files, through their own logic, and every mistake in them. It
// changes nothing: no file is written, no folder made, nothing started
// (but with a watch, which starts the game as Runwick does).
// Its steps stand one file each, and share one check's state: the outlines
// of both files, and what each program made of them.
#include "../../config/GameSettingsFile.h"
#include "../../editor/DialogLoad.h"
#include "../../editor/RecordedChoices.h"
#include "../../launcher/LaunchCommand.h"
#include "FileOutline.h"
#include "Message.h"
#include "../report/Report.h"

namespace GameFolderCheck {

// One check of a game folder as it goes: the report it fills, and what its
// steps learn and share. Made anew for each check, so nothing of an earlier
// one stays.
struct Check {
    explicit Check(Report& report) : report(report) {}
    Check(const Check&) = delete;
    Check& operator=(const Check&) = delete;

    Report& report;
    FileOutline settingsOutline;
    FileOutline languageOutline;
    LaunchCommand command;   // Runwick's, built without making anything
    DialogFiles files;       // what Tunewick's dialog reads
    RecordedChoices lists;   // Tunewick's lists and check boxes, as its model fills them
    SettingsModel model{lists.Controls()};
};

// What a check is asked for beyond its report.
struct Asked {
    const char* preview = nullptr;  // the picture of Tunewick's dialog to write, its full path
    unsigned watchSeconds = 0;      // start the game as Runwick does and watch it this long (Watch.h)
};

struct Done {
    bool dialogShown = false;     // false where the programs name the folder by no path, and show only their box
    bool previewWritten = false;  // the picture asked for is written
};

// Checks the game folder that is the current directory, step by step; it
// changes to the folder's short form where the programs would. Tunewick's
// dialog, which the texts are measured in and the picture taken of, is
// destroyed before the game starts.
Done Run(Report& report, const Asked& asked = {});

// A finding about a key of the settings file, at the line it stands on.
Finding* AddSettingsFinding(Check& check, Code code, Setting setting);

template <typename... Parts>
Finding* SettingsFinding(Check& check, Code code, Setting setting, const Parts&... parts) {
    Finding* finding = AddSettingsFinding(check, code, setting);
    Say(finding->message, parts...);
    return finding;
}

// CheckFiles.cpp: by which path the programs name the game folder (false:
// by none, and they end), which files they take, and their lines.
bool NameGameFolder(Check& check);
void LocateFiles(Check& check);
void OutlineFiles(Check& check);
// CheckKeys.cpp: every key as the programs read it.
void CheckSettingsKeys(Check& check);
void CheckLanguageKeys(Check& check);
// CheckRunwick.cpp, CheckTunewick.cpp: what each program will do.
void CheckRunwick(Check& check);
// The game's working folder, as the report names it.
const char* WorkingFolder(const LaunchCommand& command);
void CheckTunewick(Check& check);
// The acceleration list once the player has switched to the other rendering
// mode (which leaves the model there: for the last step only).
const RecordedList& AccelerationInTheOtherMode(Check& check);
// CheckTexts.cpp: Tunewick's texts as its dialog shows them.
void CheckTexts(Check& check);

}  // namespace GameFolderCheck
