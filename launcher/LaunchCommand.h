#pragma once
// What Runwick starts: the game executable's full path, its working folder
// and its parameter string, built from the game settings file.
#include "../config/FixedText.h"
#include "../config/GameSettingsFile.h"
#include "../config/Platform.h"

enum class LaunchOutcome {
    Ready,
    NoExecutableDefined,  // GameExe is present with an empty value
    ExecutableNotFound,   // GameExe too long for its key or its full path, or a folder: as a missing file
    GamePathUnusable,     // GamePath too long, or not a folder: never start elsewhere
    FolderNotNameable,    // no path in the ANSI code page names the game folder: nothing is read or made
};

// The save-folder option: "-dir " and the short form of the folder's full path.
inline constexpr char kSaveFolderSwitch[] = "-dir ";
inline constexpr std::size_t kSaveFolderOptionCapacity = LiteralLength(kSaveFolderSwitch) + kMaxPath;

// The items of the parameter string in their order: ZPR, the save folder,
// the [Tunewick] options (kTunewickOptions), CommandLine; each is followed
// by one blank when it is not empty. CommandLine comes last, with no blank
// after it.

// Room for every item at its longest, so the parameter string is never cut.
constexpr std::size_t ParameterCapacity() {
    std::size_t characters = 1;  // the leading blank
    characters += KeyOf(Setting::ZPR).capacity - 1 + 1;
    characters += kSaveFolderOptionCapacity - 1 + 1;
    for (Setting option : kTunewickOptions) characters += KeyOf(option).capacity - 1 + 1;
    characters += KeyOf(Setting::CommandLine).capacity - 1;
    return characters + 1;
}

// What the shell starts as a program rather than opening with another: the
// first is what it adds to a name without extension that names no file.
inline constexpr const char* kProgramExtensions[] = {".exe", ".com", ".bat", ".cmd"};

// Whether the file name of a path holds a dot, an extension.
bool HasExtension(const char* path);

// Whether the path names a program by its extension, letter case aside.
bool NamesAProgram(const char* path);

// The shell starts "game.exe" for a "game" that names no file: adds the
// extension where it would, so that the path names what it will start.
void AddProgramExtension(Text& path);

// A name the platform keeps as its own short name: at most eight characters,
// then at most a dot and three, none of them a blank or one that short names
// forbid. Characters past ASCII depend on the code page: not known here.
bool IsValidShortName(const Text& name);

// Whether the save folder reaches the game as -dir only from a drive that
// keeps short (8.3) names: its full path holds a blank, which only the
// short form leaves out, and the option is never quoted. Whether a drive
// keeps them is the player's machine's setting, for every drive or drive by
// drive.
bool HangsOnShortNames(const Text& saveFolderFullPath);

// What became of Savedir.
enum class SaveFolder {
    NotSet,             // empty: no option
    Passed,             // "-dir " and the folder's short form
    ToBeMade,           // a check only: Runwick makes the folder; the option is as Runwick will pass it
    ToBeMadeShortFormUnknown,  // a check only: as ToBeMade, but the option holds the long path, since the
                               // platform makes up the short name only when the folder is made
    TooLongForItsKey,   // left out
    NotAFolder,         // it could not be made, or names a file: left out
    ShortFormHasBlank,  // a volume without 8.3 names: left out
};

// Runwick makes the save folder; the authors' check only looks.
enum class BuildMode { Launch, CheckOnly };

struct LaunchCommand {
    FixedText<kMaxPath> executablePath;  // with ".exe" added where the shell would add it
    FixedText<kMaxPath> workingFolder;  // empty: the launcher's own current directory
    FixedText<ParameterCapacity()> parameters;
    SettingText<Setting::WinTitleOld> windowTitle;
    SettingText<Setting::IC> iconFlag;
    SettingText<Setting::Icon> iconFile;  // empty when the value was too long for its key
    SaveFolder saveFolder = SaveFolder::NotSet;
    FixedText<kMaxPath> saveFolderPath;  // its full path, where it has one

    // Changes to the game folder's short form where only that can be named
    // in the ANSI code page, then locates the game settings file, reads it,
    // creates the save folder and fills the texts above. Only Ready means they are ready to start.
    // CheckOnly changes nothing on disk.
    LaunchOutcome Build(BuildMode mode = BuildMode::Launch);
};
