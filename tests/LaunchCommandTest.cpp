// The game's command as Runwick builds it from a game folder's settings file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "../launcher/LaunchCommand.h"
#include "GameFolder.h"
#include "LaunchBuild.h"

namespace {

TEST(LaunchCommand, TheWorkedExample) {
    GameFolder game;
    Launch launch = Build(game,
                          "[Game]\r\nGameExe=Game.exe\r\nGamePath=.\r\nZPR=\r\n[Settings]\r\nSavedir=\r\nCommandLine=\r\n"
                          "[Tunewick]\r\nCardNo=\r\nDetail=-w3d\r\nSoftware=\r\nWin=-wnd\r\nJPd=\r\nMSd=\r\n"
                          "Screen=-d 800x600x16\r\n");
    ASSERT_EQ(launch.outcome, LaunchOutcome::Ready);
    EXPECT_STREQ(launch.command.parameters.Get(), " -w3d -wnd -d 800x600x16 ");
    EXPECT_EQ(launch.command.parameters.Length(), 25u);
    EXPECT_EQ(launch.command.executablePath.Get(), game.FullPath("Game.exe"));
    EXPECT_EQ(launch.command.workingFolder.Get(), game.FullPath("."));
    EXPECT_STREQ(launch.command.windowTitle.Get(), "Quillforge");
    EXPECT_STREQ(launch.command.iconFlag.Get(), "TRUE");
    EXPECT_STREQ(launch.command.iconFile.Get(), "LX.ico");
}

TEST(LaunchCommand, WithoutTunewickSectionOnlyTheDefaultMode) {
    GameFolder game;
    Launch launch = Build(game, "[Game]\nGameExe=bin\\game.exe\n[Startup]\nWinTitleOld=Night Run\n[Icon]\nIC=FALSE\nIcon=n.ico\n");
    ASSERT_EQ(launch.outcome, LaunchOutcome::Ready);
    EXPECT_STREQ(launch.command.parameters.Get(), " -d 640x480x16 ");
    EXPECT_EQ(launch.command.executablePath.Get(), game.FullPath("bin\\game.exe"));
    EXPECT_STREQ(launch.command.workingFolder.Get(), "") << "no GamePath: the launcher's own folder";
    EXPECT_STREQ(launch.command.windowTitle.Get(), "Night Run");
    EXPECT_STREQ(launch.command.iconFlag.Get(), "FALSE");
    EXPECT_STREQ(launch.command.iconFile.Get(), "n.ico");
}

TEST(LaunchCommand, EveryItemInItsPlaceCopiedAsItStands) {
    GameFolder game;
    Launch launch = Build(game,
                          "[Game]\nGameExe=g.exe\nZPR=+set fs_game night\n[Settings]\nCommandLine=-log \"a b\"\n"
                          "[Tunewick]\nCardNo=-crd 2345678\nDetail=-w3d\nSoftware=-n3d\nWin=-wnd\nJPd=-nj\nMSd=-nm\n"
                          "Screen=-d 1600x1200x32\n");
    ASSERT_EQ(launch.outcome, LaunchOutcome::Ready);
    EXPECT_STREQ(launch.command.parameters.Get(),
                 " +set fs_game night -crd 23 -w3d -n3d -wnd -nj -nm -d 1600x1200x32 -log \"a b\"");
}

TEST(LaunchCommand, AnEmptyGameExeStopsBeforeAnythingElse) {
    GameFolder game;
    Launch launch = Build(game, "[Game]\nGameExe=\n[Settings]\nSavedir=saves\n");
    EXPECT_EQ(launch.outcome, LaunchOutcome::NoExecutableDefined);
    EXPECT_FALSE(game.Exists("saves")) << "no folder is made";
}

TEST(LaunchCommand, AMissingGameExeOrFileNamesThePlaceholder) {
    GameFolder game;
    Launch launch = Build(game, "[Game]\nTitle=x\n");
    ASSERT_EQ(launch.outcome, LaunchOutcome::Ready);
    EXPECT_EQ(launch.command.executablePath.Get(), game.FullPath("no_game_exe_defined"));

    std::filesystem::remove("System/game.lxf");
    LaunchCommand command;
    ASSERT_EQ(command.Build(), LaunchOutcome::Ready);
    EXPECT_EQ(command.executablePath.Get(), game.FullPath("no_game_exe_defined"));
    EXPECT_STREQ(command.parameters.Get(), " -d 640x480x16 ");
}

// Where Savedir leads: the folder made, and the option the game gets. The
// portable back end keeps no 8.3 names, so there a short form keeps its blanks,
// as on a volume without short names; under Wine every folder has one.
// A path value one character too long for its key names another file: it is
// never used cut. 99 characters fit a key of capacity 100, quoted or not
// (Wine delivers a quoted value that just fills its buffer one short).
enum class Used { Nothing, Program, WorkingFolder, IconFile };

struct PathValueCase {
    const char* what;
    std::string keys;
    LaunchOutcome outcome;
    Used used;
    std::string ending;  // what the used text ends with
};

TEST(LaunchCommand, PathValuesThatDoNotFitOrLeadNowhere) {
    const std::string fits(99, 'p');
    const std::string tooLong(100, 'p');
    const std::string quoted = "\"" + fits + "\"";
    const std::string quotedTooLong = "\"" + tooLong + "\"";
    const std::string folder(99, 'f');
    const PathValueCase cases[] = {
        {"GameExe that fits", "GameExe=" + fits + "\n", LaunchOutcome::Ready, Used::Program, "/" + fits},
        {"GameExe quoted that fits", "GameExe=" + quoted + "\n", LaunchOutcome::Ready, Used::Program, "/" + fits},
        {"GameExe one too long", "GameExe=" + tooLong + "\n", LaunchOutcome::ExecutableNotFound, Used::Nothing, ""},
        {"GameExe quoted, one too long", "GameExe=" + quotedTooLong + "\n", LaunchOutcome::ExecutableNotFound,
         Used::Nothing, ""},
        {"GameExe naming a folder", "GameExe=System\n", LaunchOutcome::ExecutableNotFound, Used::Nothing, ""},
        {"GamePath that is a folder", "GameExe=g.exe\nGamePath=System\n", LaunchOutcome::Ready, Used::WorkingFolder,
         "System"},
        {"GamePath that fits", "GameExe=g.exe\nGamePath=" + folder + "\n", LaunchOutcome::Ready, Used::WorkingFolder,
         folder},
        {"GamePath quoted that fits", "GameExe=g.exe\nGamePath=\"" + folder + "\"\n", LaunchOutcome::Ready,
         Used::WorkingFolder, folder},
        {"GamePath one too long", "GameExe=g.exe\nGamePath=" + tooLong + "\n", LaunchOutcome::GamePathUnusable,
         Used::Nothing, ""},
        {"GamePath quoted, one too long", "GameExe=g.exe\nGamePath=" + quotedTooLong + "\n",
         LaunchOutcome::GamePathUnusable, Used::Nothing, ""},
        {"GamePath that does not exist", "GameExe=g.exe\nGamePath=NoSuchFolder\n", LaunchOutcome::GamePathUnusable,
         Used::Nothing, ""},
        {"GamePath naming a file", "GameExe=g.exe\nGamePath=System\\game.lxf\n", LaunchOutcome::GamePathUnusable,
         Used::Nothing, ""},
        {"Icon that fits", "GameExe=g.exe\n[Icon]\nIcon=" + fits + "\n", LaunchOutcome::Ready, Used::IconFile, fits},
        {"Icon quoted that fits", "GameExe=g.exe\n[Icon]\nIcon=" + quoted + "\n", LaunchOutcome::Ready,
         Used::IconFile, fits},
        {"Icon one too long: as a file without icons", "GameExe=g.exe\n[Icon]\nIcon=" + tooLong + "\n",
         LaunchOutcome::Ready, Used::IconFile, ""},
        {"Icon quoted, one too long", "GameExe=g.exe\n[Icon]\nIcon=" + quotedTooLong + "\n", LaunchOutcome::Ready,
         Used::IconFile, ""},
    };
    for (const PathValueCase& c : cases) {
        SCOPED_TRACE(c.what);
        GameFolder game;
        std::filesystem::create_directory(folder);
        Launch launch = Build(game, "[Game]\n" + c.keys);
        EXPECT_EQ(launch.outcome, c.outcome);
        std::string used = c.used == Used::Program         ? launch.command.executablePath.Get()
                           : c.used == Used::WorkingFolder ? launch.command.workingFolder.Get()
                           : c.used == Used::IconFile      ? launch.command.iconFile.Get()
                                                           : "";
        std::replace(used.begin(), used.end(), '\\', '/');
        EXPECT_EQ(used.substr(used.size() - std::min(used.size(), c.ending.size())), c.ending) << used;
        if (c.used == Used::IconFile) {
            EXPECT_EQ(used.size(), c.ending.size()) << "used as it stands";
        }
    }

    GameFolder game;
    // One command built again, as the authors' check does folder after folder.
    LaunchCommand command;
    game.Write("System/game.lxf", "[Game]\nGameExe=g.exe\nGamePath=System\n");
    ASSERT_EQ(command.Build(), LaunchOutcome::Ready);
    game.Write("System/game.lxf", "[Game]\nGameExe=g.exe\n");
    ASSERT_EQ(command.Build(), LaunchOutcome::Ready);
    EXPECT_STREQ(command.workingFolder.Get(), "");
}

TEST(LaunchCommand, LongestValuesAreNeverCut) {
    GameFolder game;
    std::string longest(99, 'z');
    Launch launch = Build(game, "[Game]\nGameExe=g.exe\nZPR=" + longest + "\n[Settings]\nCommandLine=" + longest +
                                    "\n[Tunewick]\nCardNo=1234567\nDetail=1234\nSoftware=1234\nWin=1234\nJPd=123\n"
                                    "MSd=123\nScreen=1234567890123456789\n");
    ASSERT_EQ(launch.outcome, LaunchOutcome::Ready);
    std::string expected = " " + longest + " 1234567 1234 1234 1234 123 123 1234567890123456789 " + longest;
    EXPECT_EQ(launch.command.parameters.Get(), expected);

#ifndef _WIN32  // the portable back end keeps no 8.3 names: the longest save folder option there is
    // And with a save folder whose short form has the platform's longest length.
    std::filesystem::path deep = game.Root();
    while (deep.string().size() < kMaxPath - 50) deep /= "deeper";
    std::filesystem::create_directories(deep);
    std::filesystem::current_path(deep);
    std::string savedir(kMaxPath - 1 - deep.string().size() - 1, 's');
    launch = Build(game, "[Game]\nGameExe=g.exe\nZPR=" + longest + "\n[Settings]\nSavedir=" + savedir +
                             "\nCommandLine=" + longest +
                             "\n[Tunewick]\nCardNo=1234567\nDetail=1234\nSoftware=1234\nWin=1234\nJPd=123\n"
                             "MSd=123\nScreen=1234567890123456789\n");
    ASSERT_EQ(launch.outcome, LaunchOutcome::Ready);
    std::string saveFolder = deep.string() + "/" + savedir;
    ASSERT_EQ(saveFolder.size(), kMaxPath - 1);
    expected = " " + longest + " -dir " + saveFolder + " 1234567 1234 1234 1234 123 123 1234567890123456789 " + longest;
    EXPECT_EQ(launch.command.parameters.Get(), expected);
#endif
}

TEST(LaunchCommand, FullPathsTooLongForThePlatformAreRefused) {
    GameFolder game;
    // A game folder deep enough that 99 characters more pass the platform's limit.
    std::filesystem::path deep = game.Root();
    while (deep.string().size() < kMaxPath - 60) deep /= "deeper_folder";
    std::filesystem::create_directories(deep);
    std::filesystem::current_path(deep);
    std::string longName(99, 'x');

    Launch launch = Build(game, "[Game]\nGameExe=" + longName + "\n");
    EXPECT_EQ(launch.outcome, LaunchOutcome::ExecutableNotFound);
    launch = Build(game, "[Game]\nGameExe=g.exe\nGamePath=" + longName + "\n");
    EXPECT_EQ(launch.outcome, LaunchOutcome::GamePathUnusable);
}

// Where the new save folder's name is a valid short name, the platform keeps
// it as it is, and -dir is foretold exactly.
TEST(LaunchCommand, ValidShortNames) {
    const std::pair<const char*, bool> rows[] = {
        {"Saves", true},       {"SaveGame", true},   {"SaveGames", false},    {"12345678.123", true},
        {"saves.data", false}, {"a.b.c", false},     {".sav", false},         {"saves.", false},
        {"my saves", false},   {"a|b", false},       {"a+b", false},          {"a~1_$!", true},
        {"Spiel\xE4", false},  {"a.b", true},        {"", false},             {"12345678.", false},
    };
    for (const auto& [name, valid] : rows) EXPECT_EQ(IsValidShortName(FixedText<16>(name)), valid) << name;
}


}  // namespace
