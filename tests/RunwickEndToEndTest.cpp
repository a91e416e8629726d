// The real Runwick.exe in game folders, starting the stand-in game: what
// the game receives, the error boxes a player sees, how long Runwick stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <string>

#include "GameFolder.h"
#include "Platform.h"
#include "ProgramDriver.h"
#include "RunwickDriver.h"

namespace {

TEST_F(RunwickTest, TheGameGetsTheWorkedExample) {
    WriteSettings("GamePath=.\r\n" + std::string(kQuickExit) +
                  "[Tunewick]\r\nCardNo=\r\nDetail=-w3d\r\nSoftware=\r\nWin=-wnd\r\nJPd=\r\nMSd=\r\n"
                  "Screen=-d 800x600x16\r\n");
    auto got = Launch();
    EXPECT_EQ(got["parameters"], " -w3d -wnd -d 800x600x16 ");
    EXPECT_EQ(got["folder"], game.FullPath("."));
}

TEST_F(RunwickTest, WithoutTunewickSectionTheGameStartsInRunwicksFolder) {
    std::filesystem::create_directory(game.Root() / "bin");
    WriteSettings(kQuickExit);
    auto got = Launch();
    EXPECT_EQ(got["parameters"], " -d 640x480x16 ");
    EXPECT_EQ(got["folder"], game.FullPath("."));
}

TEST_F(RunwickTest, ZprFirstCommandLineLastAndTheGamePath) {
    std::filesystem::create_directory(game.Root() / "bin");
    WriteSettings("GamePath=bin\r\nZPR=+set game night\r\n[Settings]\r\nCommandLine=-log \"my log.txt\"\r\n" +
                  std::string(kQuickExit));
    auto got = Launch();
    EXPECT_EQ(got["parameters"], " +set game night -d 640x480x16 -log \"my log.txt\"");
    EXPECT_EQ(got["folder"], game.FullPath("bin"));
}

TEST_F(RunwickTest, TheSaveFolderInItsShortForm) {
    WriteSettings("[Settings]\r\nSavedir=My Saves\r\n" + std::string(kQuickExit));
    auto got = Launch();
    EXPECT_TRUE(std::filesystem::is_directory(game.Root() / "My Saves"));
    std::string option = "-dir " + ShortForm("My Saves");
    EXPECT_EQ(got["parameters"], " " + option + " -d 640x480x16 ");
    EXPECT_EQ(option.find(' ', 5), std::string::npos) << "the short form has no blanks: " << option;

    std::string absolute = ShortForm(".") + "\\abs";
    ASSERT_LT(absolute.size(), 50u);
    WriteSettings("[Settings]\r\nSavedir=" + absolute + "\r\n" + kQuickExit);
    got = Launch();
    EXPECT_EQ(got["parameters"], " -dir " + ShortForm("abs") + " -d 640x480x16 ");
}

TEST_F(RunwickTest, AnUncreatableSaveFolderIsLeftOut) {
    WriteSettings("[Settings]\r\nSavedir=no\\such\\folder\r\n" + std::string(kQuickExit));
    EXPECT_EQ(Launch()["parameters"], " -d 640x480x16 ");
}

struct BoxCase {
    const char* what;
    std::string settings;
    const char* message;
    std::string folder = ".";  // where Runwick runs, below the game folder
    std::string rest = "";     // what the rest of the message holds
};

// One box per fault: the test reads it, presses OK, and Runwick exits with 0.
TEST_F(RunwickTest, EachFaultShowsOneErrorBox) {
    // A folder deep enough that a GamePath of 99 characters passes the platform's limit.
    std::filesystem::path deep = game.Root();
    while (deep.string().size() < kMaxPath - 60) deep /= "deeper_folder";
    std::string deepFolder = std::filesystem::relative(deep, game.Root()).string();
    game.Write(deepFolder + "/g.exe", "");
    game.Write("broken.exe", "this is no program");

    const BoxCase cases[] = {
        {"empty GameExe", "[Game]\r\nGameExe=\r\n", "No Game Executable Defined in LXF File"},
        {"missing GameExe key", "[Game]\r\nTitle=Night\r\n",
         "Game Executable Either Not Present or Defined Incorrectly in LXF File"},
        {"missing program", "[Game]\r\nGameExe=missing.exe\r\n",
         "Game Executable Either Not Present or Defined Incorrectly in LXF File"},
        {"game path too long", "[Game]\r\nGameExe=g.exe\r\nGamePath=" + std::string(99, 'p') + "\r\n",
         "Game Path Too Long or Defined Incorrectly in LXF File", deepFolder},
        {"game path not a folder", "[Game]\r\nGameExe=g.exe\r\nGamePath=NoSuchFolder\r\n",
         "Game Path Too Long or Defined Incorrectly in LXF File", deepFolder},
        {"a folder", "[Game]\r\nGameExe=System\r\n",
         "Game Executable Either Not Present or Defined Incorrectly in LXF File"},
        {"not a program", "[Game]\r\nGameExe=broken.exe\r\n", "Game Executable Could Not Be Started: ", ".",
         game.FullPath("broken.exe")},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.what);
        game.Write(c.folder + "/System/game.lxf", c.settings);
        RunningProgram runwick(ProgramBeside("Runwick.exe"), game.FullPath(c.folder));
        HWND box = WaitForWindow("Error!", 20000);
        ASSERT_NE(box, nullptr);
        std::string message;
        for (int i = 0; i < 100 && message.empty(); ++i, Sleep(50)) message = WindowText(GetDlgItem(box, 0xFFFF));
        EXPECT_EQ(message.substr(0, std::strlen(c.message)), c.message) << message;
        EXPECT_NE(message.find(c.rest, std::strlen(c.message)), std::string::npos) << message;
        EXPECT_EQ(message.find('%'), std::string::npos) << "no insert left unfilled: " << message;
        EXPECT_FALSE(runwick.WaitForExit(200)) << "the box waits for the player";
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(runwick.WaitForExit(10000)) << "a second box would hold it";
        EXPECT_EQ(runwick.exitCode, 0u);
        EXPECT_EQ(FindWindowA(nullptr, "Error!"), nullptr);
    }
}

TEST_F(RunwickTest, WithIconsRunwickStaysWhileTheGameRunsAndEndsWithIt) {
    GameRunsFor("2");
    // A program holds icons too: Runwick's own are what it keeps on the game.
    WriteSettings("[Icon]\r\nIC=TRUE\r\nIcon=" + ProgramBeside("Runwick.exe") + "\r\n");
    RunningProgram runwick(ProgramBeside("Runwick.exe"), game.Root().string());
    ASSERT_NE(WaitForWindow("Quillforge", 20000), nullptr);
    ASSERT_TRUE(runwick.WaitForExit(30000));
    long long runwickEnded = UnixMilliseconds();
    auto got = ReadReport(report);
    ASSERT_TRUE(got.count("ended")) << "it keeps the icon while the game runs: it ends after the game";
    // Promptly: a pass is 200 ms; the rest is room for a loaded machine.
    EXPECT_LT(runwickEnded - std::stoll(got["ended"]), 5000) << "Runwick ends with the game";
    EXPECT_EQ(runwick.exitCode, 0u);
}

TEST_F(RunwickTest, WithoutIconsRunwickLeavesTheGameRunning) {
    GameRunsFor("60");
    WriteSettings(kQuickExit);
    RunningProgram runwick(ProgramBeside("Runwick.exe"), game.Root().string());
    ASSERT_TRUE(runwick.WaitForExit(30000));
    EXPECT_FALSE(ReadReport(report).count("ended")) << "the game still runs";
    HWND game = FindWindowA(nullptr, "Quillforge");
    ASSERT_NE(game, nullptr);
    PostMessageA(game, WM_CLOSE, 0, 0);
}

TEST_F(RunwickTest, AGameWithAnotherCaptionDoesNotKeepRunwickWaiting) {
    GameRunsFor("1");
    SetEnvironmentVariableA("STANDIN_GAME_CAPTION", "Another Caption");
    WriteSettings("[Startup]\r\nWinTitleOld=Night Run\r\n");
    RunningProgram runwick(ProgramBeside("Runwick.exe"), game.Root().string());
    ASSERT_TRUE(runwick.WaitForExit(20000));
    long long runwickEnded = UnixMilliseconds();
    auto got = ReadReport(report);
    ASSERT_TRUE(got.count("ended"));
    EXPECT_LT(runwickEnded - std::stoll(got["ended"]), 5000);
}

}  // namespace
