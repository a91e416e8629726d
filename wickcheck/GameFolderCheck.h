#pragma once
// The authors' check of a game folder: what Tunewick and Runwick will do
// with its files, through their own logic, and every mistake in them. It
// changes nothing: no file is written, no folder made, nothing started.
// Its steps stand one file each, and share the outlines of both files and a
// finding about a key of the settings file.
#include "../config/GameSettingsFile.h"
#include "../editor/RecordedChoices.h"
#include "FileOutline.h"
#include "Message.h"
#include "Report.h"

namespace GameFolderCheck {

// Checks the game folder that is the current directory, step by step; it
// changes to the folder's short form where the programs would. False where
// the programs name the folder by no path, and so show only their box.
bool Run(Report& report);

extern FileOutline settingsOutline;
extern FileOutline languageOutline;

// A finding about a key of the settings file, at the line it stands on.
Finding* AddSettingsFinding(Report& report, Code code, Setting setting);

template <typename... Parts>
Finding* SettingsFinding(Report& report, Code code, Setting setting, const Parts&... parts) {
    Finding* finding = AddSettingsFinding(report, code, setting);
    Say(finding->message, parts...);
    return finding;
}

// CheckFiles.cpp: by which path the programs name the game folder (false:
// by none, and they end), which files they take, and their lines.
bool NameGameFolder(Report& report);
void LocateFiles(Report& report);
void OutlineFiles(Report& report);
// CheckKeys.cpp: every key as the programs read it.
void CheckSettingsKeys(Report& report);
void CheckLanguageKeys(Report& report);
// CheckRunwick.cpp, CheckTunewick.cpp: what each program will do.
void CheckRunwick(Report& report);
void CheckTunewick(Report& report);
// The lists as Tunewick's model fills them, once CheckTunewick has run; and
// the acceleration list once the player has switched to the other rendering
// mode (which leaves the model there: for the last step only).
const RecordedChoices& TunewickLists();
const RecordedList& AccelerationInTheOtherMode();
// CheckTexts.cpp: Tunewick's texts as its dialog shows them.
void CheckTexts(Report& report);

}  // namespace GameFolderCheck
