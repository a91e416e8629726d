#pragma once
// What the authors' check found: each finding with its level, code, the
// file, section, key and line it concerns, one sentence of what happens and
// one of advice. Kept in a table of fixed size, as every text here.
#include <cstddef>

#include "../../config/FixedText.h"

enum class Level { Note, Warning, Error };

// Where a kind of finding can be found: in the folder's files, by any build;
// or only by the Windows build, which measures Tunewick's dialog as laid out
// and watches the game.
enum class Seen { Files, Windows };

// Every kind of finding, once: its name here, its code as printed, its level,
// where it is seen, what it means in a line (a code-scanning rule's short
// description) and its advice to the author. A few kinds are found at a
// lower level where less is lost; the table holds the highest.
// clang-format off
#define WICKCHECK_FINDINGS(X) \
    X(SettingsFileMissing, "settings-file-missing", Error, Files, "The game folder has no settings file in System.", "Put the game settings file (a .lxf file) into the System folder below the game folder.") \
    X(SettingsPathTooLong, "settings-path-too-long", Error, Files, "The settings file's full path is too long for Windows.", "Move the game to a folder with a shorter path.") \
    X(SettingsFileIgnored, "settings-file-ignored", Warning, Files, "A second settings file in System is ignored.", "Keep one .lxf file in System: both programs take the first the search returns.") \
    X(LanguageFileMissing, "language-file-missing", Note, Files, "The game folder has no language file: Tunewick shows English.", "Add a .lng file to System to translate Tunewick's texts.") \
    X(LanguageFileIgnored, "language-file-ignored", Warning, Files, "A second language file in System is ignored.", "Keep one .lng file in System: Tunewick takes the first the search returns.") \
    X(FileTooLarge, "file-too-large", Warning, Files, "The file is too large to be checked whole.", "Keep the file small: only its first part was checked for misspelt or doubled keys.") \
    X(DuplicateSection, "duplicate-section", Warning, Files, "A section stands twice; the programs read the first.", "Merge the two sections: the programs read only the first.") \
    X(DuplicateKey, "duplicate-key", Warning, Files, "A key stands twice in its section; the programs read the first.", "Remove one of them: the programs read only the first.") \
    X(UnknownKey, "unknown-key", Warning, Files, "Neither program reads this key.", "Check the spelling: neither program reads this key.") \
    X(UnknownSection, "unknown-section", Note, Files, "Neither program reads this section.", "Neither program reads this section; fine if the game itself does.") \
    X(MisspeltSection, "misspelt-section", Warning, Files, "A section's name is close to one the programs read.", "Check the spelling: neither program reads this section.") \
    X(LineWithoutEquals, "line-without-equals", Warning, Files, "A line without '=': the programs take the key's default.", "Write the key as Key=value: without '=' the programs take the default.") \
    X(ValueCut, "value-cut", Warning, Files, "A value longer than its key holds is read cut.", "Shorten the value to what the key holds.") \
    X(PathCut, "path-cut", Error, Files, "A path longer than its key holds is not used.", "Shorten the path to what the key holds: a cut path names another file.") \
    X(DefaultUsed, "default-used", Note, Files, "A key is not set: the programs read its default.", "Set the key to make the value your own.") \
    X(FlagNotSet, "flag-not-set", Warning, Files, "A flag's value other than TRUE does not count as set.", "Write TRUE in capitals, nothing else: only that counts as set.") \
    X(GameExeEmpty, "game-exe-empty", Error, Files, "GameExe is empty: Runwick starts nothing.", "Name the game's executable in [Game] GameExe.") \
    X(GameExeMissing, "game-exe-missing", Error, Files, "GameExe names no file: Runwick starts nothing.", "Point [Game] GameExe at the game's executable, relative to the game folder.") \
    X(GameExeNotProgram, "game-exe-not-program", Error, Files, "GameExe names a file that is no program.", "Point [Game] GameExe at the game's program (.exe).") \
    X(GamePathUnusable, "game-path-unusable", Error, Files, "GamePath is no folder Runwick can use: it starts nothing.", "Make [Game] GamePath an existing folder, relative to the game folder, or leave it empty.") \
    X(SaveFolderLeftOut, "save-folder-left-out", Warning, Files, "The save folder does not reach the game as -dir.", "Make [Settings] Savedir a folder Runwick can create, without blanks in its path, or leave it empty.") \
    X(WindowTitleEmpty, "window-title-empty", Warning, Files, "WinTitleOld is empty: Runwick never finds the game's window.", "Write the caption of the game's main window in [Startup] WinTitleOld.") \
    X(IconNone, "icon-none", Warning, Files, "The icon Runwick is to keep on the game's window holds no icon.", "Point [Icon] Icon at an .ico file, or set IC to FALSE.") \
    X(EditionUnknown, "edition-unknown", Warning, Files, "QFV names no edition: Tunewick offers the first one's modes.", "Write one of Plenn, Varo, Tessi, Maxor in [Settings] QFV, letter case as here.") \
    X(StoredValueRewritten, "stored-value-rewritten", Warning, Files, "A stored choice is no option Tunewick offers: a save rewrites it.", "Store one of the options Tunewick offers, or leave the key empty.") \
    X(StoredModeKept, "stored-mode-kept", Note, Files, "The stored mode is one the edition does not offer.", "The edition does not offer this mode: Tunewick shows no resolution and keeps it.") \
    X(PictureNone, "picture-none", Note, Files, "No picture for Tunewick's picture frame.", "Name a Windows bitmap in [Settings] SettingsPic to fill Tunewick's picture frame.") \
    X(PictureMissing, "picture-missing", Warning, Files, "The picture for Tunewick's frame is missing.", "Point [Settings] SettingsPic at a .bmp file, relative to the game folder.") \
    X(PictureNotBitmap, "picture-not-bitmap", Warning, Files, "The picture for Tunewick's frame is no Windows bitmap.", "Save the picture as a Windows bitmap (.bmp).") \
    X(PictureStretched, "picture-stretched", Note, Windows, "The picture is shown stretched in Tunewick's frame.", "Give the picture the frame's shape, as the message says, to show it unstretched.") \
    X(WindowIconNone, "window-icon-none", Warning, Files, "The icon for Tunewick's window holds no icon.", "Point [Settings] SIcon at an .ico file, or set SI to FALSE.") \
    X(LaunchExeEmpty, "launch-exe-empty", Warning, Files, "RunGame is set, but LaunchExe names nothing to open.", "Name the program to open after saving in [Settings] LaunchExe, or set RunGame to FALSE.") \
    X(LaunchExeNotFound, "launch-exe-not-found", Warning, Files, "LaunchExe names no file in the game folder.", "Point [Settings] LaunchExe at a file in the game folder (the shell may find a program elsewhere).") \
    X(FolderNotInCodePage, "folder-not-in-code-page", Error, Files, "The game folder's path holds letters the players' code page cannot hold.", "Name the game's folders with letters of the players' code page, or let Windows keep 8.3 names on the drive.") \
    X(Utf8Mark, "utf8-mark", Error, Files, "The file starts with a UTF-8 mark.", "Save the file without the UTF-8 mark: in the code page of its language, or as UTF-16.") \
    X(Utf8Text, "utf8-text", Warning, Files, "The file holds UTF-8 text, which Tunewick shows as other letters.", "Save the file in the code page of its language, for example Windows-1252 for Western European languages or Windows-1251 for Cyrillic.") \
    X(MnemonicClash, "mnemonic-clash", Warning, Files, "Two texts mark the same Alt letter.", "Mark another letter with & in one of the two texts.") \
    X(LabelMnemonic, "label-mnemonic", Warning, Files, "A label marks an Alt letter that reaches nothing.", "Write the label without &: the players reach its list with Tab or the mouse.") \
    X(TextCut, "text-cut", Warning, Windows, "A text is longer than its control shows.", "Shorten the text to what its control shows, as the message says.") \
    X(GameNotStarted, "game-not-started", Error, Windows, "The watched start started no game.", "Mend what Runwick's box names: the check's other findings say where.") \
    X(GameEndedEarly, "game-ended-early", Error, Windows, "The game ended before its window showed.", "Start the game by hand with the working folder and parameters shown, and see why it ends: a missing library, a parameter or a working folder it does not expect.") \
    X(WindowTitleNotSeen, "window-title-not-seen", Warning, Windows, "No window of the game's had the caption Runwick waits for.", "Copy the caption of the game's main window, as the watch saw it, into [Startup] WinTitleOld.") \
    X(GameExeEndsFirst, "game-exe-ends-first", Warning, Windows, "GameExe ended first, and another program showed the game's window.", "Point [Game] GameExe at the program that shows the game's window, as the message names it, with the parameters that program needs.") \
    X(WindowOfAnotherProgram, "window-of-another-program", Warning, Windows, "The window Runwick took is another program's.", "Give the game's main window a caption no other window has and write it in [Startup] WinTitleOld, or close the other window before the game starts.")
// clang-format on

// A mistyped kind does not build.
enum class Code {
#define WICKCHECK_CODE(id, code, level, seen, summary, advice) id,
    WICKCHECK_FINDINGS(WICKCHECK_CODE)
#undef WICKCHECK_CODE
};

struct FindingKind {
    Code id;
    const char* name;  // the id's name, as SARIF gives a rule's
    const char* code;
    Level level;
    Seen seen;
    const char* summary;
    const char* advice;
};

extern const FindingKind kFindingKinds[];
extern const std::size_t kFindingKindCount;
const FindingKind& KindOf(Code code);

// Which file a finding concerns.
enum class CheckedFile { Settings, Language, Other };

struct Finding {
    const FindingKind* kind;
    Level level;
    CheckedFile file;
    FixedText<64> section;
    FixedText<64> key;
    std::size_t line;  // 0: no line
    FixedText<512> message;
};

class Findings {
public:
    static constexpr std::size_t kMost = 200;

    // Adds a finding of the kind, at its level or the one given where that
    // is lower; the caller composes its message. Past kMost, findings are
    // only counted.
    Finding* Add(Code code, CheckedFile file, const char* section = "", const char* key = "", std::size_t line = 0,
                 Level atMost = Level::Error);

    std::size_t Count() const { return count_ < kMost ? count_ : kMost; }
    std::size_t Dropped() const { return count_ < kMost ? 0 : count_ - kMost; }
    const Finding& operator[](std::size_t i) const { return items_[i]; }
    std::size_t CountOf(Level level) const;

    // 0 without warnings or errors, 1 with warnings only, 2 with errors.
    int ExitStatus() const;

private:
    Finding items_[kMost];
    Finding overflow_;
    std::size_t count_ = 0;
    std::size_t levels_[3] = {};
};
