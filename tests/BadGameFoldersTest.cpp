// Both programs' logic on game folders gone wrong: no crash, the documented
// defaults, and the settings file as it was unless a save succeeded.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "../launcher/LaunchCommand.h"
#include "BadGameFolders.h"
#include "FakeControls.h"

namespace {

const char kGameExe[] = "game.exe";

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

        FakeEditor editor;
        editor.Open();
        EXPECT_EQ(editor.ui.windowed.checked, folder.parameters.find("-wnd") != std::string::npos);

        bool saved = editor.Save();
        EXPECT_EQ(saved, folder.saves);
        if (!saved) {
            EXPECT_EQ(Snapshot(game), before);
            continue;
        }
        FixedText<20> screen;
        ReadSetting(Setting::Screen, Program::Tunewick, screen, editor.files.settingsFile.Get());
        EXPECT_STREQ(screen.Get(), "-d 640x480x16");
        LaunchCommand command;
        ASSERT_EQ(command.Build(), LaunchOutcome::Ready);
        if (folder.message.empty()) {
            EXPECT_EQ(command.executablePath.Get(), game.FullPath(kGameExe));
        }
    }
}

}  // namespace
