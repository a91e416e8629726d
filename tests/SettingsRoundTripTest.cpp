// A player's whole path through the files: Tunewick loads the stored options,
// the player changes them, the save lands in the settings file, and Runwick
// builds the game's parameter string from it.
#include <gtest/gtest.h>

#include "../launcher/LaunchCommand.h"
#include "FakeControls.h"
#include "GameFolder.h"

namespace {

std::string Parameters() {
    LaunchCommand command;
    EXPECT_EQ(command.Build(), LaunchOutcome::Ready);
    return command.parameters.Get();
}

TEST(SettingsRoundTrip, ThePlayersChoicesReachTheGame) {
    GameFolder game;
    game.Write("System/game.lxf", "[Game]\r\nGameExe=game.exe\r\n[Settings]\r\nQFV=Varo\r\n");
    FakeEditor editor;
    editor.Open();
    editor.ui.resolution.Select(5);  // "800 x 600"
    editor.ui.detail.Select(0);
    editor.model.DetailCommand();
    editor.ui.windowed.Check();
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(Parameters(), " -w3d -wnd -d 800x600x16 ");
    EXPECT_EQ(Parameters().size(), 25u);
}

TEST(SettingsRoundTrip, StoredValuesCompareOnceCutToTheirCapacity) {
    GameFolder game;
    game.Write("System/game.lxf",
               "[Tunewick]\nWin=-wndow\nSoftware=-n3dx\nJPd=-njx\nMSd=-nmx\nCardNo=-crd 1x\nScreen=-d 640x480x16x\n");
    FakeEditor editor;
    editor.Open();
    EXPECT_TRUE(editor.ui.windowed.checked);
    EXPECT_TRUE(editor.ui.software.checked);
    EXPECT_TRUE(editor.ui.joypadDisabled.checked);
    EXPECT_TRUE(editor.ui.mouseDisabled.checked);
    EXPECT_EQ(editor.ui.adapter.selection, 0) << "seven characters of CardNo can't match a longer text";
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(Parameters(), " -n3d -wnd -nj -nm -d 640x480x16 ");
}

TEST(SettingsRoundTrip, KeysWithEmptyValuesAndAModeNotOffered) {
    GameFolder game;
    game.Write("System/game.lxf",
               "[Game]\nGameExe=g.exe\n[Tunewick]\nCardNo=\nDetail=\nScreen=-d 1600x1200x32\n[Icon]\nIC=FALSE\n");
    FakeEditor editor;
    editor.Open();
    EXPECT_EQ(editor.ui.detail.selection, 1);
    EXPECT_EQ(editor.ui.resolution.selection, ListObject::kNoSelection);
    ASSERT_TRUE(editor.Save());
    EXPECT_EQ(Parameters(), " -d 1600x1200x32 ") << "the mode a Plenn game does not offer stays";
}

TEST(SettingsRoundTrip, WithoutASettingsFileTheSaveFails) {
    GameFolder game;
    FakeEditor editor;
    editor.Open();
    EXPECT_FALSE(editor.Save());
    EXPECT_FALSE(game.Exists("System"));
}

}  // namespace
