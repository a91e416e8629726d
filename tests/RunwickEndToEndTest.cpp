// The real Runwick.exe in game folders, starting the stand-in game: what
// the game receives, the error boxes a player sees, how long Runwick stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <string>

#include "GameFolder.h"
#include "Platform.h"
#include "ProgramDriver.h"

namespace {

// The stand-in game closes its window after STANDIN_GAME_SECONDS and
// reports to STANDIN_GAME_REPORT; Runwick's environment passes to it.
class RunwickTest : public testing::Test {
protected:
    void SetUp() override {
        report = game.FullPath("report.txt");
        SetEnvironmentVariableA("STANDIN_GAME_REPORT", report.c_str());
        SetEnvironmentVariableA("STANDIN_GAME_CAPTION", nullptr);
        GameRunsFor("0.3");
    }
    // A game still running would be taken for the next test's game.
    void TearDown() override {
        if (ReadReport(report).count("folder")) WaitForGameEnd();
    }

    static void GameRunsFor(const char* seconds) { SetEnvironmentVariableA("STANDIN_GAME_SECONDS", seconds); }

    void WriteSettings(const std::string& gameAndMore) {
        game.Write("System/game.lxf", "[Game]\r\nGameExe=" + ProgramBeside("StandInGame.exe") + "\r\n" + gameAndMore);
    }

    // Runs Runwick until it and the game it started have ended; the
    // stand-in's report of what it got.
    std::map<std::string, std::string> Launch() {
        std::filesystem::remove(report);
        RunningProgram runwick(ProgramBeside("Runwick.exe"), game.Root().string());
        EXPECT_TRUE(runwick.Started());
        EXPECT_TRUE(runwick.WaitForExit(30000));
        EXPECT_EQ(runwick.exitCode, 0u);
        WaitForGameEnd();
        return ReadReport(report);
    }

    void WaitForGameEnd() {
        for (int i = 0; i < 200 && !ReadReport(report).count("ended"); ++i) Sleep(50);
    }

    std::string ShortForm(const std::string& relative) {
        FixedText<kMaxPath> shortPath;
        platform::ShortPath(game.FullPath(relative).c_str(), shortPath);
        return shortPath.Get();
    }

    GameFolder game;
    std::string report;
};

const char kQuickExit[] = "[Icon]\r\nIC=FALSE\r\n";

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

// Wickcheck's parameter string for the folder, between its markers.
std::string CheckedParameters(const std::string& folder, DWORD& exitCode) {
    std::string command = ProgramBeside("Wickcheck.exe");
    command.insert(command.begin(), '"');
    command.push_back('"');
    std::string report = RunForOutput(command, folder, exitCode);
    std::size_t begin = report.find("parameters");
    begin = report.find(">>", begin);
    std::size_t end = report.find("<<\r\n", begin);
    if (end == std::string::npos) end = report.find("<<\n", begin);
    if (begin == std::string::npos || end == std::string::npos) return "<none>";
    return std::string(report.begin() + static_cast<std::ptrdiff_t>(begin) + 2,
                       report.begin() + static_cast<std::ptrdiff_t>(end));
}

// The authors' check says what the game will get: the very string Runwick
// hands it, in folders of every kind of item.
TEST_F(RunwickTest, WickcheckForetellsTheParameters) {
    std::filesystem::create_directories(game.Root() / "bin");
    std::filesystem::create_directories(game.Root() / "My Saves");
    const std::string settings[] = {
        "GamePath=.\r\n[Tunewick]\r\nDetail=-w3d\r\nWin=-wnd\r\nScreen=-d 800x600x16\r\n",
        "GamePath=bin\r\nZPR=+set game night\r\n[Settings]\r\nCommandLine=-log \"my log.txt\"\r\n"
        "[Tunewick]\r\nCardNo=-crd 12345\r\nMSd=-nm\r\n",
        "ZPR=-zpr\r\n[Settings]\r\nSavedir=My Saves\r\n[Tunewick]\r\nScreen=-d 1600x1200x32 and more\r\n",
        "[Settings]\r\nSavedir=NewSaves\r\n[Tunewick]\r\nWin=-wnd\r\n",  // a save folder Runwick is yet to make
    };
    for (const std::string& more : settings) {
        SCOPED_TRACE(more);
        WriteSettings(more + kQuickExit);
        DWORD exitCode = 0;
        std::string foretold = CheckedParameters(game.Root().string(), exitCode);
        EXPECT_LE(exitCode, 2u) << "it ran to its end";
        EXPECT_EQ(Launch()["parameters"], foretold);
    }
}

// Wickcheck --watch starts the game through Runwick's own code: one row a
// way the start can go, each with its finding and a line of its timeline.
TEST_F(RunwickTest, WickcheckWatchesTheStart) {
    const std::string standIn = "[Game]\r\nGameExe=" + ProgramBeside("StandInGame.exe") + "\r\n";
    const std::string rest = "[Startup]\r\nWinTitleOld=Night Run\r\n[Settings]\r\nRunGame=FALSE\r\n" +
                             std::string(kQuickExit);
    const struct {
        const char* what;
        std::string settings;
        const char* caption;   // the stand-in's, where not WinTitleOld's
        const char* exitCode;  // the stand-in ends at once with it, showing no window
        const char* finding;
        const char* line;
        DWORD exitStatus;
    } cases[] = {
        {"the caption matches", standIn + rest, nullptr, nullptr, "", "Runwick's window       ", 0},
        {"another caption", standIn + rest, "Night Run 1.2", nullptr, "window-title-not-seen",
         "game window            ", 1},
        {"ends at once", standIn + rest, nullptr, "3", "game-ended-early", "  exit code 3", 2},
        {"no such game", "[Game]\r\nGameExe=nothere.exe\r\n" + rest, nullptr, nullptr, "game-not-started",
         "start                  0.00 s  nothing: Runwick shows \"Game Executable Either", 2},
    };
    const char* kWatchFindings[] = {"game-not-started", "game-ended-early", "window-title-not-seen"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        game.Write("System/game.lxf", c.settings);
        SetEnvironmentVariableA("STANDIN_GAME_CAPTION", c.caption);
        SetEnvironmentVariableA("STANDIN_GAME_EXIT", c.exitCode);
        GameRunsFor(c.caption ? "60" : "0.3");  // the limit ends one that goes on
        std::filesystem::remove(report);
        DWORD exitCode = 0;
        std::string out = RunForOutput("\"" + ProgramBeside("Wickcheck.exe") + "\" --watch --seconds 3",
                                       game.Root().string(), exitCode);
        std::string watched = out.substr(std::min(out.find("Watched:"), out.size()));
        for (const char* code : kWatchFindings)
            EXPECT_EQ(out.find(code) != std::string::npos, c.finding == std::string(code)) << code << "\n" << out;
        EXPECT_NE(watched.find(c.line), std::string::npos) << watched;
        if (c.caption) {
            EXPECT_NE(out.find("the game's windows: \"Night Run 1.2\"."), std::string::npos) << out;
        }
        EXPECT_EQ(exitCode, c.exitStatus) << out;
        if (c.finding != std::string("game-not-started")) {
            EXPECT_NE(watched.find(">>" + ReadReport(report)["parameters"] + "<<"), std::string::npos) << watched;
        }
        EXPECT_EQ(FindWindowA(nullptr, "Night Run 1.2"), nullptr) << "the game it started is ended";
    }
    SetEnvironmentVariableA("STANDIN_GAME_EXIT", nullptr);
    std::filesystem::remove(report);  // the game ended by the watch writes no end
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
