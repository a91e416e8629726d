#pragma once
// The steps of the authors' check, one file each, and what they share: the
// outlines of both files and a finding about a key of the settings file.
#include "../config/GameSettingsFile.h"
#include "FileOutline.h"
#include "Message.h"
#include "Report.h"

namespace GameFolderCheck {

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
bool LocateFiles(Report& report);
void OutlineFiles(Report& report);
// CheckKeys.cpp: every key as the programs read it.
void CheckSettingsKeys(Report& report);
void CheckLanguageKeys(Report& report);
// CheckRunwick.cpp, CheckTunewick.cpp: what each program will do.
void CheckRunwick(Report& report);
void CheckTunewick(Report& report);

}  // namespace GameFolderCheck
