#include "LaunchCommand.h"

#include <iterator>

#include "../config/SettingsFileLocator.h"

namespace {

void AppendItem(Text& parameters, const Text& item) {
    if (item.IsEmpty()) return;
    parameters.Append(item);
    parameters.Append(" ");
}

// "-dir " and the folder's short form. Empty when the folder has no short
// form (its creation failed): "-dir" alone would make the game take the next
// option as its save folder.
void BuildSaveFolderOption(const Text& saveFolder, Text& option) {
    option.Clear();
    if (saveFolder.IsEmpty()) return;
    platform::CreateFolder(saveFolder.Get());  // an existing folder is as good
    FixedText<kMaxPath> fullPath;
    FixedText<kMaxPath> shortPath;
    if (!platform::FullPath(saveFolder.Get(), fullPath)) return;
    if (!platform::ShortPath(fullPath.Get(), shortPath)) return;
    option.Set(kSaveFolderSwitch);
    option.Append(shortPath);
}

}  // namespace

LaunchOutcome LaunchCommand::Build() {
    FixedText<kMaxPath> settingsFile;
    SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
    const char* file = settingsFile.Get();
    auto read = [file](Setting setting, Text& out) {
        return ReadSetting(setting, Program::Runwick, out, file);
    };

    SettingText<Setting::GameExe> gameExe;
    if (read(Setting::GameExe, gameExe) == 0) return LaunchOutcome::NoExecutableDefined;

    SettingText<Setting::GamePath> gamePath;
    SettingText<Setting::ZPR> zpr;
    SettingText<Setting::Savedir> saveFolder;
    SettingText<Setting::CommandLine> commandLine;
    read(Setting::GamePath, gamePath);
    read(Setting::ZPR, zpr);
    read(Setting::WinTitleOld, windowTitle);
    read(Setting::IC, iconFlag);
    read(Setting::Icon, iconFile);
    read(Setting::Savedir, saveFolder);
    read(Setting::CommandLine, commandLine);
    FixedText<LongestTunewickOption()> options[std::size(kTunewickOptions)];
    for (std::size_t i = 0; i < std::size(kTunewickOptions); ++i) read(kTunewickOptions[i], options[i]);

    FixedText<kSaveFolderOptionCapacity> saveFolderOption;
    BuildSaveFolderOption(saveFolder, saveFolderOption);

    parameters.Set(" ");
    AppendItem(parameters, zpr);
    AppendItem(parameters, saveFolderOption);
    for (const Text& option : options) AppendItem(parameters, option);
    parameters.Append(commandLine);

    if (!platform::FullPath(gameExe.Get(), executablePath)) return LaunchOutcome::ExecutableNotFound;
    workingFolder.Clear();
    if (!gamePath.IsEmpty() && !platform::FullPath(gamePath.Get(), workingFolder))
        return LaunchOutcome::GamePathTooLong;
    return LaunchOutcome::Ready;
}
