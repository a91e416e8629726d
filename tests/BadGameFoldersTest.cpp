// Both programs' logic on game folders gone wrong: no crash, the documented
// defaults, and the settings file as it was unless a save succeeded.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "../editor/SettingsModel.h"
#include "../launcher/LaunchCommand.h"
#include "BadGameFolders.h"
#include "FakeControls.h"
#include "SettingsFileLocator.h"

namespace {

const char kGameExe[] = "game.exe";

// Everything below System, byte for byte.
std::map<std::string, std::string> Snapshot(const GameFolder& game) {
    std::map<std::string, std::string> files;
    std::error_code ignored;
    for (auto& entry : std::filesystem::recursive_directory_iterator(game.Root(), ignored))
        if (entry.is_regular_file())
            files[entry.path().string()] = game.Read(std::filesystem::relative(entry.path(), game.Root()).string());
    return files;
}

bool ReadOnlyFilesHonoured(const GameFolder& game) {
    game.Write("probe", "");
    std::filesystem::permissions(game.Root() / "probe", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
#ifdef _WIN32
    return !std::ofstream((game.Root() / "probe").string(), std::ios::app);
#else
    return true;  // the portable back end takes the permission for the attribute
#endif
}

TEST(BadGameFolders, RunwicksCommand) {
    for (const BadGameFolder& folder : BadGameFolders()) {
        SCOPED_TRACE(folder.name);
        GameFolder game;
        folder.make(game, kGameExe);
        LaunchCommand command;
        ASSERT_EQ(command.Build(), LaunchOutcome::Ready);
        if (folder.message.empty()) {
            EXPECT_EQ(command.parameters.Get(), folder.parameters);
            EXPECT_EQ(command.executablePath.Get(), game.FullPath(kGameExe));
        } else {
            EXPECT_EQ(command.executablePath.Get(), game.FullPath("no_game_exe_defined"));
        }
    }
}

TEST(BadGameFolders, TunewicksLoadAndSave) {
    for (const BadGameFolder& folder : BadGameFolders()) {
        SCOPED_TRACE(folder.name);
        GameFolder game;
        if (folder.needsReadOnlyFiles && !ReadOnlyFilesHonoured(game)) continue;
        folder.make(game, kGameExe);
        auto before = Snapshot(game);

        FixedText<kMaxPath> settingsFile;
        SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
        StoredChoices stored;
        stored.Read(settingsFile.Get());
        SettingText<Setting::QFV> edition;
        ReadSetting(Setting::QFV, Program::Tunewick, edition, settingsFile.Get());
        ListTexts texts;
        DialogTexts::ReadListTexts("", texts);
        FakeControls ui;
        SettingsModel model(ui.Controls());
        model.Load(stored, edition, texts);
        EXPECT_EQ(ui.windowed.checked, folder.parameters.find("-wnd") != std::string::npos);

        bool saved = model.Save().WriteTo(settingsFile.Get());
        EXPECT_EQ(saved, folder.saves);
        if (!saved) {
            EXPECT_EQ(Snapshot(game), before);
            continue;
        }
        FixedText<20> screen;
        ReadSetting(Setting::Screen, Program::Tunewick, screen, settingsFile.Get());
        EXPECT_STREQ(screen.Get(), "-d 640x480x16");
        LaunchCommand command;
        ASSERT_EQ(command.Build(), LaunchOutcome::Ready);
        if (folder.message.empty()) {
            EXPECT_EQ(command.executablePath.Get(), game.FullPath(kGameExe));
        }
    }
}

}  // namespace
