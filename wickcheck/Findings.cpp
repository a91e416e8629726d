#include "Findings.h"


// clang-format off
constexpr FindingKind kFindingKinds[] = {
    {Code::SettingsFileMissing,  "settings-file-missing",  Level::Error,   "Put the game settings file (a .lxf file) into the System folder below the game folder."},
    {Code::SettingsPathTooLong,  "settings-path-too-long", Level::Error,   "Move the game to a folder with a shorter path."},
    {Code::SettingsFileIgnored,  "settings-file-ignored",  Level::Warning, "Keep one .lxf file in System: both programs take the first the search returns."},
    {Code::LanguageFileMissing,  "language-file-missing",  Level::Note,    "Add a .lng file to System to translate Tunewick's texts."},
    {Code::LanguageFileIgnored,  "language-file-ignored",  Level::Warning, "Keep one .lng file in System: Tunewick takes the first the search returns."},
    {Code::FileTooLarge,         "file-too-large",         Level::Warning, "Keep the file small: only its first part was checked for misspelt or doubled keys."},
    {Code::DuplicateSection,     "duplicate-section",      Level::Warning, "Merge the two sections: the programs read only the first."},
    {Code::DuplicateKey,         "duplicate-key",          Level::Warning, "Remove one of them: the programs read only the first."},
    {Code::UnknownKey,           "unknown-key",            Level::Warning, "Check the spelling: neither program reads this key."},
    {Code::UnknownSection,       "unknown-section",        Level::Note,    "Neither program reads this section; fine if the game itself does."},
    {Code::MisspeltSection,      "misspelt-section",       Level::Warning, "Check the spelling: neither program reads this section."},
    {Code::LineWithoutEquals,    "line-without-equals",    Level::Warning, "Write the key as Key=value: without '=' the programs take the default."},
    {Code::ValueCut,             "value-cut",              Level::Warning, "Shorten the value to what the key holds."},
    {Code::PathCut,              "path-cut",               Level::Error,   "Shorten the path to what the key holds: a cut path names another file."},
    {Code::DefaultUsed,          "default-used",           Level::Note,    "Set the key to make the value your own."},
    {Code::FlagNotSet,           "flag-not-set",           Level::Warning, "Write TRUE in capitals, nothing else: only that counts as set."},
    {Code::GameExeEmpty,         "game-exe-empty",         Level::Error,   "Name the game's executable in [Game] GameExe."},
    {Code::GameExeMissing,       "game-exe-missing",       Level::Error,   "Point [Game] GameExe at the game's executable, relative to the game folder."},
    {Code::GameExeNotProgram,    "game-exe-not-program",   Level::Error,   "Point [Game] GameExe at the game's program (.exe)."},
    {Code::GamePathUnusable,     "game-path-unusable",     Level::Error,   "Make [Game] GamePath an existing folder, relative to the game folder, or leave it empty."},
    {Code::SaveFolderLeftOut,    "save-folder-left-out",   Level::Warning, "Make [Settings] Savedir a folder Runwick can create, without blanks in its path, or leave it empty."},
    {Code::WindowTitleEmpty,     "window-title-empty",     Level::Warning, "Write the caption of the game's main window in [Startup] WinTitleOld."},
    {Code::IconNone,             "icon-none",              Level::Warning, "Point [Icon] Icon at an .ico file, or set IC to FALSE."},
    {Code::EditionUnknown,       "edition-unknown",        Level::Warning, "Write one of Plenn, Varo, Tessi, Maxor in [Settings] QFV, letter case as here."},
    {Code::StoredValueRewritten, "stored-value-rewritten", Level::Warning, "Store one of the options Tunewick offers, or leave the key empty."},
    {Code::StoredModeKept,       "stored-mode-kept",       Level::Note,    "The edition does not offer this mode: Tunewick shows no resolution and keeps it."},
    {Code::PictureNone,          "picture-none",           Level::Note,    "Name a Windows bitmap in [Settings] SettingsPic to fill Tunewick's picture frame."},
    {Code::PictureMissing,       "picture-missing",        Level::Warning, "Point [Settings] SettingsPic at a .bmp file, relative to the game folder."},
    {Code::PictureNotBitmap,     "picture-not-bitmap",     Level::Warning, "Save the picture as a Windows bitmap (.bmp)."},
    {Code::PictureStretched,     "picture-stretched",      Level::Note,    "Give the picture the frame's shape, as the message says, to show it unstretched."},
    {Code::WindowIconNone,       "window-icon-none",       Level::Warning, "Point [Settings] SIcon at an .ico file, or set SI to FALSE."},
    {Code::LaunchExeEmpty,       "launch-exe-empty",       Level::Warning, "Name the program to open after saving in [Settings] LaunchExe, or set RunGame to FALSE."},
    {Code::LaunchExeNotFound,    "launch-exe-not-found",   Level::Warning, "Point [Settings] LaunchExe at a file in the game folder (the shell may find a program elsewhere)."},
    {Code::FolderNotInCodePage,  "folder-not-in-code-page", Level::Error,  "Name the game's folders with letters of the players' code page, or let Windows keep 8.3 names on the drive."},
    {Code::Utf8Mark,             "utf8-mark",              Level::Error,   "Save the file without the UTF-8 mark: in the code page of its language, or as UTF-16."},
    {Code::Utf8Text,             "utf8-text",              Level::Warning, "Save the file in the code page of its language, for example Windows-1252 for Western European languages or Windows-1251 for Cyrillic."},
};
// clang-format on
const std::size_t kFindingKindCount = sizeof kFindingKinds / sizeof kFindingKinds[0];

namespace {

constexpr bool RowsFollowTheCodes() {
    for (std::size_t i = 0; i < sizeof kFindingKinds / sizeof kFindingKinds[0]; ++i)
        if (static_cast<std::size_t>(kFindingKinds[i].id) != i) return false;
    return true;
}
static_assert(RowsFollowTheCodes(), "kFindingKinds rows must stand in the order of Code");
static_assert(sizeof kFindingKinds / sizeof kFindingKinds[0] == static_cast<std::size_t>(Code::Count),
              "every Code needs its row in kFindingKinds");

}  // namespace

const FindingKind& KindOf(Code code) {
    return kFindingKinds[static_cast<std::size_t>(code)];
}

Finding* Findings::Add(Code code, CheckedFile file, const char* section, const char* key, std::size_t line) {
    return Add(KindOf(code).level, code, file, section, key, line);
}

Finding* Findings::Add(Level level, Code code, CheckedFile file, const char* section, const char* key,
                       std::size_t line) {
    Finding& finding = count_ < kMost ? items_[count_] : overflow_;
    ++count_;
    finding.kind = &KindOf(code);
    finding.level = level < finding.kind->level ? level : finding.kind->level;
    ++levels_[static_cast<int>(finding.level)];
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

int Findings::ExitStatus() const {
    if (CountOf(Level::Error)) return 2;
    return CountOf(Level::Warning) ? 1 : 0;
}
