#include "LaunchCommand.h"

#include <iterator>

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
        return makeable ? SaveFolder::ToBeMade : SaveFolder::NotAFolder;
    }
    if (!platform::ShortPath(fullPath.Get(), shortPath)) return SaveFolder::NotAFolder;
    if (HasBlank(shortPath)) return SaveFolder::ShortFormHasBlank;
    option.Set(kSaveFolderSwitch);
    option.Append(shortPath);
    return SaveFolder::Passed;
}

}  // namespace

LaunchOutcome LaunchCommand::Build(BuildMode mode) {
    FixedText<kMaxPath> settingsFile;
    SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
    const char* file = settingsFile.Get();
    auto read = [file](Setting setting, Text& out) {
        return ReadSetting(setting, Program::Runwick, out, file);
    };

    // A path value too long for its key is never used cut: it names another file.
    auto readPath = [file](Setting setting, Text& out) {
        return ReadWholeSetting(setting, Program::Runwick, out, file);
    };

    SettingText<Setting::GameExe> gameExe;
    bool gameExeWhole = readPath(Setting::GameExe, gameExe);
    if (gameExeWhole && gameExe.IsEmpty()) return LaunchOutcome::NoExecutableDefined;

    SettingText<Setting::GamePath> gamePath;
    SettingText<Setting::ZPR> zpr;
    SettingText<Setting::Savedir> savedir;
    SettingText<Setting::CommandLine> commandLine;
    bool gamePathWhole = readPath(Setting::GamePath, gamePath);
    read(Setting::ZPR, zpr);
    read(Setting::WinTitleOld, windowTitle);
    read(Setting::IC, iconFlag);
    readPath(Setting::Icon, iconFile);  // a cut one is left empty: as a file without icons
    bool saveFolderWhole = readPath(Setting::Savedir, savedir);
    read(Setting::CommandLine, commandLine);
    FixedText<LongestTunewickOption()> options[std::size(kTunewickOptions)];
    for (std::size_t i = 0; i < std::size(kTunewickOptions); ++i) read(kTunewickOptions[i], options[i]);

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
    workingFolder.Clear();
    if (!gamePathWhole) return LaunchOutcome::GamePathUnusable;
    if (gamePath.IsEmpty()) return LaunchOutcome::Ready;
    if (!platform::FullPath(gamePath.Get(), workingFolder) || !platform::IsFolder(workingFolder.Get()))
        return LaunchOutcome::GamePathUnusable;
    return LaunchOutcome::Ready;
}
