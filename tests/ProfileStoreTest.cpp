// Reading and writing real files through the platform: the portable back end
// natively, the real profile functions under Wine. Wine rewrites the whole
// file on a write, so these compare values read back, not bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "GameFolder.h"
#include "GameSettingsFile.h"
#include "Platform.h"
#include "ProfileStore.h"

namespace {

std::string ReadBack(const char* section, const char* key, const std::string& path, std::size_t capacity = 100) {
    FixedText<100> value;
    ProfileStore::ReadValue(section, key, "<missing>", capacity, value, path.c_str());
    return value.Get();
}

TEST(ProfileStore, ReadsValuesWithTheirCountsAndFallbacks) {
    GameFolder game;
    game.Write("System/game.lxf",
               "[Game]\r\nGameExe=\r\nTitle=  \"Night Run\"  \r\n[Tunewick]\r\nScreen=-d 1600x1200x32 and more\r\n");
    std::string path = game.FullPath("System\\game.lxf");

    FixedText<100> value;
    EXPECT_EQ(ProfileStore::ReadValue("Game", "GameExe", "no_game_exe_defined", 100, value, path.c_str()), 0u);
    EXPECT_STREQ(value.Get(), "");
    EXPECT_EQ(ProfileStore::ReadValue("game", "title", "", 100, value, path.c_str()), 9u);
    EXPECT_STREQ(value.Get(), "Night Run");
    EXPECT_EQ(ProfileStore::ReadValue("Tunewick", "Screen", "", 20, value, path.c_str()), 19u);
    EXPECT_STREQ(value.Get(), "-d 1600x1200x32 and");
    EXPECT_EQ(ProfileStore::ReadValue("Game", "Missing", "fallback  ", 100, value, path.c_str()), 8u);
    EXPECT_STREQ(value.Get(), "fallback");
    EXPECT_EQ(ProfileStore::ReadValue("Game", "GameExe", "x", 100, value, game.FullPath("System\\none.lxf").c_str()), 1u);
    EXPECT_FALSE(game.Exists("System/none.lxf")) << "a read never makes a file";
}

// The settings file's format, written out: every key with its section, its
// capacity (terminator included), the text each program reads when it is
// missing, and whether it names a file or folder (never used cut).
struct KeyRow {
    Setting setting;
    const char* section;
    const char* name;
    std::size_t capacity;
    const char* tunewickDefault;
    const char* runwickDefault;
    bool path = false;
};

// clang-format off
const KeyRow kKeyRows[] = {
    {Setting::Title,       "Game",     "Title",       100, "",                    ""},
    {Setting::GameExe,     "Game",     "GameExe",     100, "no_game_exe_defined", "no_game_exe_defined", true},
    {Setting::GamePath,    "Game",     "GamePath",    100, "",                    "", true},
    {Setting::ZPR,         "Game",     "ZPR",         100, "",                    ""},
    {Setting::SettingsPic, "Settings", "SettingsPic", 100, "",                    "", true},
    {Setting::SI,          "Settings", "SI",            6, "FALSE",               "FALSE"},
    {Setting::SIcon,       "Settings", "SIcon",       100, "",                    "", true},
    {Setting::QFV,         "Settings", "QFV",          10, "Plenn",               "Plenn"},
    {Setting::RunGame,     "Settings", "RunGame",       6, "TRUE",                "TRUE"},
    {Setting::LaunchExe,   "Settings", "LaunchExe",   100, "",                    "", true},
    {Setting::Savedir,     "Settings", "Savedir",      50, "",                    "", true},
    {Setting::CommandLine, "Settings", "CommandLine", 100, "",                    ""},
    {Setting::CardNo,      "Tunewick", "CardNo",        8, "",                    ""},
    {Setting::Detail,      "Tunewick", "Detail",        5, "",                    ""},
    {Setting::Software,    "Tunewick", "Software",      5, "",                    ""},
    {Setting::Win,         "Tunewick", "Win",           5, "",                    ""},
    {Setting::JPd,         "Tunewick", "JPd",           4, "",                    ""},
    {Setting::MSd,         "Tunewick", "MSd",           4, "",                    ""},
    {Setting::Screen,      "Tunewick", "Screen",       20, "",                    "-d 640x480x16"},
    {Setting::WinTitleOld, "Startup",  "WinTitleOld", 100, "Quillforge",          "Quillforge"},
    {Setting::IC,          "Icon",     "IC",            6, "TRUE",                "TRUE"},
    {Setting::Icon,        "Icon",     "Icon",        100, "LX.ico",              "LX.ico", true},
};
// clang-format on

TEST(ProfileStore, EveryKeyOfTheSettingsFileAsBothProgramsReadIt) {
    GameFolder game;
    std::string path = game.FullPath("System\\game.lxf");
    FixedText<200> value;
    for (const KeyRow& row : kKeyRows) {
        SCOPED_TRACE(row.name);
        std::string heading = std::string("[") + row.section + "]\r\n" + row.name + "=";
        std::string fits(row.capacity - 1, 'v');
        for (Program program : {Program::Tunewick, Program::Runwick}) {
            game.Write("System/game.lxf", heading + fits + "\r\n");
            EXPECT_TRUE(ReadSetting(row.setting, program, value, path.c_str()));
            EXPECT_EQ(value.Get(), fits);
            game.Write("System/game.lxf", heading + fits + "w\r\n");
            EXPECT_EQ(ReadSetting(row.setting, program, value, path.c_str()), !row.path);
            EXPECT_EQ(value.Get(), row.path ? "" : fits) << "one more is cut, and a cut path is never used";
            game.Write("System/game.lxf", heading + "\r\n");
            EXPECT_TRUE(ReadSetting(row.setting, program, value, path.c_str()));
            EXPECT_STREQ(value.Get(), "") << "present but empty";
            game.Write("System/game.lxf", std::string("[") + row.section + "]\r\nOther=1\r\n");
            ReadSetting(row.setting, program, value, path.c_str());
            EXPECT_STREQ(value.Get(), program == Program::Tunewick ? row.tunewickDefault : row.runwickDefault);
        }
    }
}

TEST(ProfileStore, WritesCreateFileSectionAndKey) {
    GameFolder game;
    std::filesystem::create_directory("System");
    std::string path = game.FullPath("System\\game.lxf");
    EXPECT_TRUE(ProfileStore::WriteValue("Tunewick", "Win", "", path.c_str()));
    EXPECT_TRUE(ProfileStore::WriteValue("Tunewick", "win", "-wnd", path.c_str()));
    EXPECT_TRUE(ProfileStore::WriteValue("Tunewick", "Screen", "-d 800x600x16", path.c_str()));
    EXPECT_TRUE(ProfileStore::WriteValue("Tunewick", "JPd", "", path.c_str()));
    EXPECT_TRUE(ProfileStore::WriteValue("Game", "Title", "Night X", path.c_str()));
    EXPECT_EQ(ReadBack("Game", "Title", path), "Night X");
    EXPECT_EQ(ReadBack("Tunewick", "Win", path), "-wnd");
    EXPECT_EQ(ReadBack("TUNEWICK", "screen", path), "-d 800x600x16");
    EXPECT_EQ(ReadBack("Tunewick", "JPd", path), "");
}

TEST(ProfileStore, WritesKeepTheAuthorsOtherKeys) {
    GameFolder game;
    game.Write("System/game.lxf",
               "; shipped by the author\r\n[Game]\r\nGameExe=game.exe\r\n[Tunewick]\r\nWin=-wnd\r\n[Icon]\r\nIC=FALSE\r\n");
    std::string path = game.FullPath("System\\game.lxf");
    EXPECT_TRUE(ProfileStore::WriteValue("Tunewick", "Win", "", path.c_str()));
    EXPECT_TRUE(ProfileStore::WriteValue("Tunewick", "MSd", "-nm", path.c_str()));
    EXPECT_EQ(ReadBack("Game", "GameExe", path), "game.exe");
    EXPECT_EQ(ReadBack("Icon", "IC", path), "FALSE");
    EXPECT_EQ(ReadBack("Tunewick", "Win", path), "");
    EXPECT_EQ(ReadBack("Tunewick", "MSd", path), "-nm");
}

TEST(ProfileStore, WritesThatCannotHappenFailAndChangeNothing) {
    GameFolder game;
    game.Write("System/game.lxf", "[Tunewick]\r\nWin=-wnd\r\n");
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", "Win", "", game.FullPath("Nowhere\\game.lxf").c_str()));
    EXPECT_FALSE(game.Exists("Nowhere"));
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", "Win", "", game.FullPath("System\\").c_str()))
        << "the path of the folder itself, as when no settings file was found";
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", "Win", "", ""));
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", "Win", "-wnd\n[Game]", game.FullPath("System\\game.lxf").c_str()))
        << "a lone LF breaks the line as CR LF does";
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", nullptr, "", game.FullPath("System\\game.lxf").c_str()));
    EXPECT_FALSE(ProfileStore::WriteValue("Tune\nwick", "Win", "", game.FullPath("System\\game.lxf").c_str()));
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", "W\rin", "", game.FullPath("System\\game.lxf").c_str()));
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", "Win", "", nullptr));

    std::string path = game.FullPath("System\\game.lxf");
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", "Win", "-wnd\r\n[Game]\r\nGameExe=evil.exe", path.c_str()));
    EXPECT_EQ(game.Read("System/game.lxf"), "[Tunewick]\r\nWin=-wnd\r\n");
}

// Without a path the platform is not asked: the fallback is delivered as the
// platform would deliver it, trailing blanks and one pair of quotes off.
TEST(ProfileStore, NoPathReadsTheFallbackAsThePlatformWould) {
    const struct {
        const char* fallback;
        std::size_t capacity;
        const char* expected;
    } rows[] = {
        {"no_game_exe_defined", 100, "no_game"},  // the text's own capacity, 8
        {"abcdef", 4, "abc"},
        {"abcd", 4, "abc"},
        {"\"q\" ", 100, "q"},
        {"''", 100, ""},
        {"ab ", 100, "ab"},
        {"   ", 100, ""},
        {" ", 100, ""},
        {"xyzx", 100, "xyzx"},
        {"x'yx", 100, "x'yx"},
        {"'q\"", 100, "'q\""},
        {nullptr, 100, ""},
    };
    for (const auto& row : rows) {
        for (const char* path : {"", static_cast<const char*>(nullptr)}) {
            FixedText<8> value("old");
            EXPECT_EQ(ProfileStore::ReadValue("Game", "Title", row.fallback, row.capacity, value, path),
                      std::strlen(row.expected))
                << (row.fallback ? row.fallback : "(null)");
            EXPECT_STREQ(value.Get(), row.expected);
        }
    }
}

#ifndef _WIN32
TEST(ProfileStore, AFileOfOneChunkAndOneByteIsReadWhole) {
    GameFolder game;
    std::string file = "[A]\r\n; " + std::string(4096 - 12, 'c') + "\r\nk=vw";
    ASSERT_EQ(file.size(), 4097u);
    game.Write("System/game.lxf", file);
    EXPECT_EQ(ReadBack("A", "k", game.FullPath("System/game.lxf")), "vw");
}
#endif

}  // namespace
