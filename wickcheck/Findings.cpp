#include "Findings.h"

#include <cstring>

// clang-format off
const FindingKind kFindingKinds[] = {
    {"settings-file-missing",  Level::Error,   "Put the game settings file (a .lxf file) into the System folder below the game folder."},
    {"settings-path-too-long", Level::Error,   "Move the game to a folder with a shorter path."},
    {"settings-file-ignored",  Level::Warning, "Keep one .lxf file in System: both programs take the first the search returns."},
    {"language-file-missing",  Level::Note,    "Add a .lng file to System to translate Tunewick's texts."},
    {"language-file-ignored",  Level::Warning, "Keep one .lng file in System: Tunewick takes the first the search returns."},
    {"file-too-large",         Level::Warning, "Keep the file small: only its first part was checked for misspelt or doubled keys."},
    {"duplicate-section",      Level::Warning, "Merge the two sections: the programs read only the first."},
    {"duplicate-key",          Level::Warning, "Remove one of them: the programs read only the first."},
    {"unknown-key",            Level::Warning, "Check the spelling: neither program reads this key."},
    {"unknown-section",        Level::Note,    "Neither program reads this section; fine if the game itself does."},
    {"misspelt-section",       Level::Warning, "Check the spelling: neither program reads this section."},
    {"line-without-equals",    Level::Warning, "Write the key as Key=value: without '=' the programs take the default."},
    {"value-cut",              Level::Warning, "Shorten the value to what the key holds."},
    {"path-cut",               Level::Error,   "Shorten the path to what the key holds: a cut path names another file."},
    {"default-used",           Level::Note,    "Set the key to make the value your own."},
    {"flag-not-set",           Level::Warning, "Write TRUE in capitals, nothing else: only that counts as set."},
    {"game-exe-empty",         Level::Error,   "Name the game's executable in [Game] GameExe."},
    {"game-exe-missing",       Level::Error,   "Point [Game] GameExe at the game's executable, relative to the game folder."},
    {"game-path-unusable",     Level::Error,   "Make [Game] GamePath an existing folder, relative to the game folder, or leave it empty."},
    {"save-folder-left-out",   Level::Warning, "Make [Settings] Savedir a folder Runwick can create, without blanks in its path, or leave it empty."},
    {"window-title-empty",     Level::Warning, "Write the caption of the game's main window in [Startup] WinTitleOld."},
    {"icon-none",              Level::Warning, "Point [Icon] Icon at an .ico file, or set IC to FALSE."},
    {"edition-unknown",        Level::Warning, "Write one of Plenn, Varo, Tessi, Maxor in [Settings] QFV, letter case as here."},
    {"stored-value-rewritten", Level::Warning, "Store one of the options Tunewick offers, or leave the key empty."},
    {"stored-mode-kept",       Level::Note,    "The edition does not offer this mode: Tunewick shows no resolution and keeps it."},
    {"picture-none",           Level::Note,    "Name a Windows bitmap in [Settings] SettingsPic to fill Tunewick's picture frame."},
    {"picture-missing",        Level::Warning, "Point [Settings] SettingsPic at a .bmp file, relative to the game folder."},
    {"picture-not-bitmap",     Level::Warning, "Save the picture as a Windows bitmap (.bmp)."},
    {"picture-stretched",      Level::Note,    "A picture of 105 by 144 dialog units' shape (for example 210 x 288 pixels) fills the frame unstretched."},
    {"window-icon-none",       Level::Warning, "Point [Settings] SIcon at an .ico file, or set SI to FALSE."},
    {"launch-exe-empty",       Level::Warning, "Name the program to open after saving in [Settings] LaunchExe, or set RunGame to FALSE."},
    {"launch-exe-not-found",   Level::Warning, "Point [Settings] LaunchExe at a file in the game folder (the shell may find a program elsewhere)."},
};
// clang-format on
const std::size_t kFindingKindCount = sizeof kFindingKinds / sizeof kFindingKinds[0];

Finding* Findings::Add(const char* code, CheckedFile file, const char* section, const char* key, std::size_t line) {
    const FindingKind* kind = nullptr;
    for (const FindingKind& k : kFindingKinds)
        if (std::strcmp(k.code, code) == 0) kind = &k;
    Finding& finding = count_ < kMost ? items_[count_] : overflow_;
    ++count_;
    finding.kind = kind ? kind : &kFindingKinds[0];
    ++levels_[static_cast<int>(finding.kind->level)];
    finding.file = file;
    finding.section.Set(section);
    finding.key.Set(key);
    finding.line = line;
    finding.message.Clear();
    return &finding;
}

std::size_t Findings::CountOf(Level level) const {
    return levels_[static_cast<int>(level)];
}

bool Findings::Has(const char* code) const {
    for (std::size_t i = 0; i < Count(); ++i)
        if (std::strcmp(items_[i].kind->code, code) == 0) return true;
    return false;
}

int Findings::ExitStatus() const {
    if (CountOf(Level::Error)) return 2;
    return CountOf(Level::Warning) ? 1 : 0;
}
