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
void BuildSaveFolderOption(const Text& saveFolder, Text& option) {
    option.Clear();
    if (saveFolder.IsEmpty()) return;
    platform::CreateFolder(saveFolder.Get());  // an existing folder is as good
    FixedText<kMaxPath> fullPath;
    FixedText<kMaxPath> shortPath;
    if (!platform::FullPath(saveFolder.Get(), fullPath) || !platform::IsFolder(fullPath.Get())) return;
    if (!platform::ShortPath(fullPath.Get(), shortPath) || HasBlank(shortPath)) return;
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

    // A path value too long for its key is never used cut: it names another file.
    auto readPath = [file](Setting setting, Text& out) {
        return ReadWholeSetting(setting, Program::Runwick, out, file);
    };

    SettingText<Setting::GameExe> gameExe;
    bool gameExeWhole = readPath(Setting::GameExe, gameExe);
    if (gameExe.IsEmpty()) return LaunchOutcome::NoExecutableDefined;

    SettingText<Setting::GamePath> gamePath;
    SettingText<Setting::ZPR> zpr;
    SettingText<Setting::Savedir> saveFolder;
    SettingText<Setting::CommandLine> commandLine;
    bool gamePathWhole = readPath(Setting::GamePath, gamePath);
    read(Setting::ZPR, zpr);
    read(Setting::WinTitleOld, windowTitle);
    read(Setting::IC, iconFlag);
    if (!readPath(Setting::Icon, iconFile)) iconFile.Clear();
    if (!readPath(Setting::Savedir, saveFolder)) saveFolder.Clear();
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

    if (!gameExeWhole || !platform::FullPath(gameExe.Get(), executablePath)) return LaunchOutcome::ExecutableNotFound;
    workingFolder.Clear();
    if (gamePath.IsEmpty()) return LaunchOutcome::Ready;
    if (!gamePathWhole || !platform::FullPath(gamePath.Get(), workingFolder) || !platform::IsFolder(workingFolder.Get()))
        return LaunchOutcome::GamePathUnusable;
    return LaunchOutcome::Ready;
}
