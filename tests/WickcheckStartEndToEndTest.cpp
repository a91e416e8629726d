// Wickcheck.exe against the real Runwick.exe: the parameters it foretells
// are the ones the game receives, and --watch starts the game through
// Runwick's own code.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "ProgramDriver.h"
#include "RunwickDriver.h"

namespace {

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
        const char* runsFor;   // seconds; the limit (10) ends one that goes on
        const char* child;     // the stand-in starts itself as the game and ends
        bool otherWindow;      // another program's window of WinTitleOld's caption is open before
        const char* finding;
        const char* line;
        DWORD exitStatus;
    } cases[] = {
        {"the caption matches", standIn + rest, nullptr, nullptr, "0.3", nullptr, false, "", "Runwick's window       ", 0},
        {"another caption", standIn + rest, "Night Run 1.2", nullptr, "60", nullptr, false, "window-title-not-seen",
         "game window            ", 1},
        {"another caption, ends", standIn + rest, "Night Run 1.2", nullptr, "6", nullptr, false,
         "window-title-not-seen", ": exit code 0", 1},
        {"ends at once", standIn + rest, nullptr, "3", "0.3", nullptr, false, "game-ended-early", ": exit code 3", 2},
        {"no language file, Tunewick's caption the game's", standIn + "Title=Night Run\r\n" + rest, nullptr, "3", "0.3",
         nullptr, false, "game-ended-early", ": exit code 3", 2},
        {"a start program", standIn + rest, nullptr, nullptr, "60", "1", false, "game-exe-ends-first",
         "game window            ", 1},
        {"another program's window", standIn + rest, nullptr, nullptr, "2", nullptr, true, "window-of-another-program",
         "another program's", 1},
        {"no such game", "[Game]\r\nGameExe=nothere.exe\r\n" + rest, nullptr, nullptr, "0.3", nullptr, false,
         "game-not-started", "start                  0.00 s  nothing: Runwick shows \"Game Executable Either", 2},
    };
    const char* kWatchFindings[] = {"game-not-started", "game-ended-early", "window-title-not-seen",
                                    "game-exe-ends-first", "window-of-another-program"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        game.Write("System/game.lxf", c.settings);
        SetEnvironmentVariableA("STANDIN_GAME_REPORT", nullptr);
        SetEnvironmentVariableA("STANDIN_GAME_CAPTION", "Night Run");
        GameRunsFor("60");
        std::unique_ptr<RunningProgram> other;
        if (c.otherWindow) other = std::make_unique<RunningProgram>(ProgramBeside("StandInGame.exe"), game.Root().string());
        HWND otherWindow = c.otherWindow ? WaitForWindow("Night Run", 20000) : nullptr;
        SetEnvironmentVariableA("STANDIN_GAME_REPORT", report.c_str());
        SetEnvironmentVariableA("STANDIN_GAME_CAPTION", c.caption);
        SetEnvironmentVariableA("STANDIN_GAME_EXIT", c.exitCode);
        SetEnvironmentVariableA("STANDIN_GAME_CHILD", c.child);
        GameRunsFor(c.runsFor);
        std::filesystem::remove(report);
        DWORD exitCode = 0;
        std::string out = RunForOutput("\"" + ProgramBeside("Wickcheck.exe") + "\" --watch --seconds 10",
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
        int left = 0;
        for (HWND w = FindWindowA(nullptr, "Night Run"); w; w = FindWindowExA(nullptr, w, nullptr, "Night Run"))
            left += w != otherWindow;
        EXPECT_EQ(left, 0) << "every process the watch started is ended";
        EXPECT_EQ(otherWindow != nullptr, c.otherWindow && IsWindow(otherWindow)) << "and nothing it did not start";
        if (other) other->EndWhatItStarted(), other->WaitForExit(10000);
    }
    SetEnvironmentVariableA("STANDIN_GAME_EXIT", nullptr);
    SetEnvironmentVariableA("STANDIN_GAME_CHILD", nullptr);
    std::filesystem::remove(report);  // the game ended by the watch writes no end
}

}  // namespace
