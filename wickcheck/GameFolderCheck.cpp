#include "GameFolderCheck.h"

#include <cstdio>

#include "CheckSteps.h"

void AppendPart(Text& out, Count count) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%zu", count.number);
    out.Append(digits);
}

namespace GameFolderCheck {

// Kept for the process's life, as in the programs.
FileOutline settingsOutline;
FileOutline languageOutline;

Finding* AddSettingsFinding(Report& report, Code code, Setting setting) {
    const SettingKey& key = KeyOf(setting);
    return report.findings.Add(code, CheckedFile::Settings, key.section, key.name,
                               settingsOutline.LineOf(key.section, key.name));
}

void Run(Report& report) {
    // Nothing of an earlier check in the same process stays: no line of its files.
    settingsOutline.Clear();
    languageOutline.Clear();
    if (!NameGameFolder(report)) return;
    LocateFiles(report);
    OutlineFiles(report);
    CheckSettingsKeys(report);
    CheckLanguageKeys(report);
    CheckRunwick(report);
    CheckTunewick(report);
}

}  // namespace GameFolderCheck
