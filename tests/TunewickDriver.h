#pragma once
// The real Tunewick.exe in a game folder of its own, and the settings file
// read back through the platform's own functions. Windows only: these tests
// run under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "GameFolder.h"
#include "ProgramDriver.h"

using Items = std::vector<std::string>;
using Sections = std::map<std::string, std::vector<std::string>>;

// Every section with its key=value lines, as the platform reads the file.
inline Sections ReadSections(const std::string& file) {
    std::vector<char> names(65536);
    DWORD length = GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), file.c_str());
    Sections sections;
    for (const char* name = names.data(); name < names.data() + length && *name; name += std::strlen(name) + 1) {
        std::vector<char> lines(65536);
        DWORD size = GetPrivateProfileSectionA(name, lines.data(), static_cast<DWORD>(lines.size()), file.c_str());
        auto& keys = sections[name];
        for (const char* line = lines.data(); line < lines.data() + size && *line; line += std::strlen(line) + 1)
            keys.push_back(line);
    }
    return sections;
}

inline std::string Read(const std::string& file, const char* section, const char* key) {
    char value[256];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, file.c_str());
    return value;
}

class TunewickTest : public testing::Test {
protected:
    void SetUp() override {
        settingsFile = game.FullPath("System\\game.lxf");
        report = game.FullPath("report.txt");
        SetEnvironmentVariableA("STANDIN_GAME_REPORT", report.c_str());
        SetEnvironmentVariableA("STANDIN_GAME_SECONDS", "0.3");
        SetEnvironmentVariableA("STANDIN_GAME_CAPTION", "Stand-in");
    }

    // Starts Tunewick in the game folder and waits for its dialog.
    HWND Open() {
        tunewick = std::make_unique<RunningProgram>(ProgramBeside("Tunewick.exe"), game.Root().string());
        HWND dialog = tunewick->WaitForDialog(20000);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    void ExpectClosed() {
        ASSERT_TRUE(tunewick->WaitForExit(10000));
        EXPECT_EQ(tunewick->exitCode, 0u);
    }

    HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

    GameFolder game;
    std::string settingsFile;
    std::string report;
    std::unique_ptr<RunningProgram> tunewick;
};

// With RunGame "FALSE" and a LaunchExe that would leave its report if opened.
inline std::string AuthorsFile(const char* runGame = "FALSE") {
    return "; Night Run, by its author\r\n"
           "[Game]\r\nTitle=Night Run\r\nGameExe=nightrun.exe\r\n\r\n"
           "[Settings]\r\nQFV=Maxor\r\nRunGame=" + std::string(runGame) + "\r\nLaunchExe=" +
           ProgramBeside("StandInGame.exe") + "\r\nSavedir=saves\r\n\r\n"
           "[Tunewick]\r\nCardNo=-crd 1\r\nDetail=-w3d\r\nSoftware=-n3d\r\nWin=\r\nJPd=-nj\r\nMSd=\r\n"
           "Screen=-d 1600x1200x32\r\n\r\n"
           "[Icon]\r\nIC=TRUE\r\n";
}
