#include "DialogLoad.h"

#include "../config/SettingsFileLocator.h"

namespace DialogLoad {

void Load(DialogFiles& files, DialogWindow& window, SettingsModel& model) {
    SettingsFileLocator::Locate(kLanguageFilePattern, files.languageFile);
    files.settingsFileFound = SettingsFileLocator::Locate(kSettingsFilePattern, files.settingsFile);
    const char* settingsFile = files.settingsFile.Get();
    const char* languageFile = files.languageFile.Get();

    ReadSetting(Setting::Title, Program::Tunewick, files.gameTitle, settingsFile);
    ReadSetting(Setting::SettingsPic, Program::Tunewick, files.pictureFile, settingsFile);
    ReadSetting(Setting::SI, Program::Tunewick, files.iconFlag, settingsFile);
    bool iconFileWhole = ReadSetting(Setting::SIcon, Program::Tunewick, files.iconFile, settingsFile);
    if (IsFlagSet(files.iconFlag) && iconFileWhole) window.SetWindowIcons(files.iconFile.Get());

    DialogTexts::ComposeCaption(languageFile, files.gameTitle, files.caption);
    window.SetCaption(files.caption);
    DialogTexts::ReadLabels(languageFile, window);

    files.stored.Read(settingsFile);
    ReadSetting(Setting::QFV, Program::Tunewick, files.edition, settingsFile);
    DialogTexts::ReadListTexts(languageFile, files.listTexts);
    model.Load(files.stored, files.edition, files.listTexts);
}

AfterSave ProgramAfterSave(const char* settingsFile, SettingText<Setting::LaunchExe>& launchExe) {
    SettingText<Setting::RunGame> runGame;
    ReadSetting(Setting::RunGame, Program::Tunewick, runGame, settingsFile);
    launchExe.Clear();
    if (!IsFlagSet(runGame)) return AfterSave::OpensNothing;
    if (!ReadSetting(Setting::LaunchExe, Program::Tunewick, launchExe, settingsFile))
        return AfterSave::LaunchExeCut;
    if (launchExe.IsEmpty()) return AfterSave::LaunchExeEmpty;
    if (platform::IsFolder(launchExe.Get())) return AfterSave::LaunchExeFolder;
    return AfterSave::OpensLaunchExe;
}

}  // namespace DialogLoad
