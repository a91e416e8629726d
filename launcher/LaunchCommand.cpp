#include "LaunchCommand.h"

#include <cstring>

#include "../config/SettingsFileLocator.h"

namespace {

void AppendItem(Text& parameters, const Text& item) {
    if (item.IsEmpty()) return;
    parameters.Append(item);
    parameters.Append(" ");
}

bool HasBlank(const Text& text) {
    for (const char* c = text.Get(); *c; ++c)
        if (*c == ' ') return true;
    return false;
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

bool HangsOnShortNames(const Text& saveFolderFullPath) {
    return HasBlank(saveFolderFullPath);
}

bool IsValidShortName(const Text& name) {
    const char* dot = nullptr;
    for (const char* c = name.Get(); *c; ++c) {
        unsigned char u = static_cast<unsigned char>(*c);
        if (u <= ' ' || u >= 0x7f || std::strchr("\"*+,/:;<=>?[\\]|", u)) return false;
        if (u == '.') {
            if (dot) return false;
            dot = c;
        }
    }
    std::size_t base = dot ? static_cast<std::size_t>(dot - name.Get()) : name.Length();
    std::size_t extension = dot ? name.Length() - base - 1 : 0;
    return base >= 1 && base <= 8 && (!dot || (extension >= 1 && extension <= 3));
}

namespace {

// The option Runwick will pass for a folder it is to make, as exactly as can
// be known before it exists: the short form of the part that exists, then
// the new name, which the platform keeps where it is a valid short name.
// Otherwise the platform makes up the short name only when the folder is
// made: the option then holds the long path.
SaveFolder ForetellSaveFolderOption(const Text& fullPath, Text& option) {
    const char* path = fullPath.Get();
    std::size_t end = fullPath.Length();
    while (end > 0 && IsSeparator(path[end - 1])) --end;
    std::size_t begin = end;
    while (begin > 0 && !IsSeparator(path[begin - 1])) --begin;
    FixedText<kMaxPath> parent;
    FixedText<kMaxPath> name;
    parent.Append(path, begin);
    name.Append(path + begin, end - begin);
    FixedText<kMaxPath> shortPath;
    if (!platform::ShortPath(parent.Get(), shortPath)) return SaveFolder::NotAFolder;
    // A blank in the part that exists stays, whatever short name the new folder gets.
    if (HasBlank(shortPath)) return SaveFolder::ShortFormHasBlank;
    bool whole = shortPath.Append(name) && shortPath.Append(path + end);
    option.Set(kSaveFolderSwitch);
    if (!whole || (platform::KeepsShortNames() && !IsValidShortName(name))) {
        option.Append(fullPath);
        return SaveFolder::ToBeMadeShortFormUnknown;
    }
    if (HasBlank(shortPath)) {
        option.Clear();
        return SaveFolder::ShortFormHasBlank;
    }
    option.Append(shortPath);
    return SaveFolder::ToBeMade;
}

// "-dir " and the folder's short form. Left out when there is no folder to
// name (it could not be made, or Savedir names a file): "-dir" alone would
// make the game take the next option as its save folder. Left out too when
// the short form still holds a blank (a volume without 8.3 names): unquoted,
// the game would read a wrong folder and a stray option.
SaveFolder BuildSaveFolderOption(const Text& saveFolder, BuildMode mode, Text& fullPath, Text& option) {
    option.Clear();
    fullPath.Clear();
    if (saveFolder.IsEmpty()) return SaveFolder::NotSet;
    if (mode == BuildMode::Launch) platform::CreateFolder(saveFolder.Get());  // an existing folder is as good
    FixedText<kMaxPath> shortPath;
    if (!platform::FullPath(saveFolder.Get(), fullPath)) return SaveFolder::NotAFolder;
    if (!platform::IsFolder(fullPath.Get())) {
        // The check predicts the making: the last level only, and only where nothing stands.
        bool makeable = mode == BuildMode::CheckOnly && !platform::PathExists(fullPath.Get()) &&
                        platform::ParentIsFolder(fullPath.Get());
        return makeable ? ForetellSaveFolderOption(fullPath, option) : SaveFolder::NotAFolder;
    }
    if (!platform::ShortPath(fullPath.Get(), shortPath)) return SaveFolder::NotAFolder;
    if (HasBlank(shortPath)) return SaveFolder::ShortFormHasBlank;
    option.Set(kSaveFolderSwitch);
    option.Append(shortPath);
    return SaveFolder::Passed;
}

}  // namespace

void AddProgramExtension(Text& path) {
    if (platform::PathExists(path.Get()) || HasExtension(path.Get())) return;
    FixedText<kMaxPath> program(path.Get());
    if (program.Append(kProgramExtensions[0]) && platform::IsFile(program.Get()))
        path.Set(program);
}

bool HasExtension(const char* path) {
    const char* name = path;
    for (const char* c = path; *c; ++c)
        if (IsSeparator(*c)) name = c + 1;
    return std::strchr(name, '.') != nullptr;
}

bool NamesAProgram(const char* path) {
    const char* dot = std::strrchr(path, '.');
    if (!dot || !HasExtension(path)) return false;
    for (const char* extension : kProgramExtensions) {
        std::size_t i = 0;
        while (extension[i] && dot[i] && (dot[i] | 0x20) == extension[i]) ++i;
        if (!extension[i] && !dot[i]) return true;
    }
    return false;
}

LaunchOutcome LaunchCommand::Build(BuildMode mode) {
    if (platform::NameCurrentFolder() == platform::FolderNaming::None) return LaunchOutcome::FolderNotNameable;
    FixedText<kMaxPath> settingsFile;
    SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
    const char* file = settingsFile.Get();
    // The key table's kind decides: a path too long for its key is never used cut.
    auto read = [file](Setting setting, Text& out) { return ReadSetting(setting, Program::Runwick, out, file); };

    SettingText<Setting::GameExe> gameExe;
    bool gameExeWhole = read(Setting::GameExe, gameExe);
    if (gameExeWhole && gameExe.IsEmpty()) return LaunchOutcome::NoExecutableDefined;

    SettingText<Setting::GamePath> gamePath;
    SettingText<Setting::ZPR> zpr;
    SettingText<Setting::Savedir> savedir;
    SettingText<Setting::CommandLine> commandLine;
    bool gamePathWhole = read(Setting::GamePath, gamePath);
    read(Setting::ZPR, zpr);
    read(Setting::WinTitleOld, windowTitle);
    read(Setting::IC, iconFlag);
    read(Setting::Icon, iconFile);  // a cut one is left empty: as a file without icons
    bool saveFolderWhole = read(Setting::Savedir, savedir);
    read(Setting::CommandLine, commandLine);
    FixedText<LongestTunewickOption()> options[kTunewickOptionCount];
    for (std::size_t i = 0; i < kTunewickOptionCount; ++i) read(kTunewickOptions[i], options[i]);

    FixedText<kSaveFolderOptionCapacity> saveFolderOption;
    if (saveFolderWhole)
        saveFolder = BuildSaveFolderOption(savedir, mode, saveFolderPath, saveFolderOption);
    else
        saveFolder = SaveFolder::TooLongForItsKey;

    parameters.Set(" ");
    AppendItem(parameters, zpr);
    AppendItem(parameters, saveFolderOption);
    for (const Text& option : options) AppendItem(parameters, option);
    parameters.Append(commandLine);

    // A folder is no program: the shell would open a window on it instead of the game.
    if (!gameExeWhole || !platform::FullPath(gameExe.Get(), executablePath) || platform::IsFolder(executablePath.Get()))
        return LaunchOutcome::ExecutableNotFound;
    AddProgramExtension(executablePath);
    workingFolder.Clear();
    if (!gamePathWhole) return LaunchOutcome::GamePathUnusable;
    if (gamePath.IsEmpty()) return LaunchOutcome::Ready;
    if (!platform::FullPath(gamePath.Get(), workingFolder) || !platform::IsFolder(workingFolder.Get()))
        return LaunchOutcome::GamePathUnusable;
    return LaunchOutcome::Ready;
}
