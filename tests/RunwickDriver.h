#pragma once
// The real Runwick.exe in a game folder of its own, starting the stand-in
// game, whose report tells what it received. Windows only: these tests run
// under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <map>
#include <string>

#include "GameFolder.h"
#include "Platform.h"
#include "ProgramDriver.h"

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

inline constexpr char kQuickExit[] = "[Icon]\r\nIC=FALSE\r\n";
