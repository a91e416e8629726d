// The real programs on game folders gone wrong: no crash, no hang, the
// message or the documented default, the file intact unless a save succeeded.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "../editor/resource.h"
#include "BadGameFolders.h"
#include "ProgramDriver.h"

namespace {

// The text of the message box a program shows, once it has one; the box is
// then closed with OK.
std::string AnswerBox(const RunningProgram& program, HWND besides = nullptr) {
    HWND box = program.WaitForDialog(20000, besides);
    if (!box) return "<no box>";
    std::string message;
    for (int i = 0; i < 100 && message.empty(); ++i, Sleep(50)) message = WindowText(GetDlgItem(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(50);
    return message;
}

class BadGameFolderTest : public testing::TestWithParam<BadGameFolder> {};

TEST_P(BadGameFolderTest, BothProgramsCopeWithIt) {
    const BadGameFolder& folder = GetParam();
    GameFolder game;
    if (folder.needsReadOnlyFiles && !ReadOnlyFilesHonoured(game))
        GTEST_SKIP() << "this process may write read-only files (Wine run by root)";
    std::string report = game.FullPath("report.txt");
    SetEnvironmentVariableA("STANDIN_GAME_REPORT", report.c_str());
    SetEnvironmentVariableA("STANDIN_GAME_SECONDS", "0.3");
    folder.make(game, ProgramBeside("StandInGame.exe"));
    auto before = Snapshot(game);

    {
        RunningProgram runwick(ProgramBeside("Runwick.exe"), game.Root().string());
        if (folder.message.empty()) {
            ASSERT_TRUE(runwick.WaitForExit(30000));
            for (int i = 0; i < 200 && !ReadReport(report).count("ended"); ++i) Sleep(50);
            EXPECT_EQ(ReadReport(report)["parameters"], folder.parameters);
        } else {
            EXPECT_EQ(AnswerBox(runwick), folder.message);
            ASSERT_TRUE(runwick.WaitForExit(10000));
        }
        EXPECT_EQ(runwick.exitCode, 0u);
    }
    EXPECT_EQ(Snapshot(game), before) << "Runwick writes nothing";

    RunningProgram tunewick(ProgramBeside("Tunewick.exe"), game.Root().string());
    HWND dialog = tunewick.WaitForDialog(20000);
    ASSERT_NE(dialog, nullptr);
    PostClick(dialog, IDOK);
    if (!folder.saves) {
        std::string message = AnswerBox(tunewick, dialog);
        EXPECT_EQ(message.rfind("The settings could not be saved", 0), 0u) << message;
        EXPECT_TRUE(tunewick.Running());
        EXPECT_EQ(Snapshot(game), before);
        PostClick(dialog, IDCANCEL);
    }
    ASSERT_TRUE(tunewick.WaitForExit(10000));
    EXPECT_EQ(tunewick.exitCode, 0u);
    if (folder.saves) {
        char screen[32];
        GetPrivateProfileStringA("Tunewick", "Screen", "", screen, sizeof screen,
                                 game.FullPath("System\\game.lxf").c_str());
        EXPECT_STREQ(screen, "-d 640x480x16");
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, BadGameFolderTest, testing::ValuesIn(BadGameFolders()), [](const auto& info) {
    std::string name;
    for (char c : info.param.name) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

}  // namespace
