#include <gtest/gtest.h>

#include <filesystem>

#include "GameFolder.h"
#include "GameSettingsFile.h"
#include "Platform.h"
#include "SettingsFileLocator.h"

namespace {

std::string Locate(const char* pattern, bool* found = nullptr) {
    FixedText<kMaxPath> path;
    bool result = SettingsFileLocator::Locate(pattern, path);
    if (found) *found = result;
    return path.Get();
}

TEST(SettingsFileLocator, FindsTheSettingsFileInSystem) {
    GameFolder game;
    game.Write("System/night.lxf", "[Game]\n");
    game.Write("System/english.lng", "[TextB]\n");
    bool found = false;
    EXPECT_EQ(Locate(kSettingsFilePattern, &found), game.FullPath("System\\night.lxf"));
    EXPECT_TRUE(found);
    EXPECT_EQ(Locate("System/*.lng"), game.FullPath("System\\english.lng"));
}

TEST(SettingsFileLocator, IgnoresLetterCaseAsWindowsDoes) {
    GameFolder game;
    game.Write("system/NIGHT.LXF", "[Game]\nTitle=Night\n");
    std::string path = Locate(kSettingsFilePattern);
    FixedText<100> title;
    ReadSetting(Setting::Title, Program::Tunewick, title, path.c_str());
    EXPECT_STREQ(title.Get(), "Night");
}

TEST(SettingsFileLocator, TakesOnlyARegularFileWhoseNameEndsInTheExtension) {
    GameFolder game;
    std::filesystem::create_directories("System/a-folder.lxf");
    game.Write("System/b-settings.lxfold", "[Game]\n");
    game.Write("System/c-real.lxf", "[Game]\n");
    EXPECT_EQ(Locate(kSettingsFilePattern), game.FullPath("System\\c-real.lxf"));
}

TEST(SettingsFileLocator, WithoutAFileThePathNamesTheFolderAndReadsGiveFallbacks) {
    GameFolder game;
    std::filesystem::create_directory("System");
    bool found = true;
    std::string path = Locate(kSettingsFilePattern, &found);
    EXPECT_FALSE(found);
    EXPECT_EQ(path, game.FullPath("System\\"));
    FixedText<100> exe;
    ReadSetting(Setting::GameExe, Program::Runwick, exe, path.c_str());
    EXPECT_STREQ(exe.Get(), "no_game_exe_defined");
}

TEST(SettingsFileLocator, NoSystemFolderAtAll) {
    GameFolder game;
    bool found = true;
    EXPECT_EQ(Locate(kSettingsFilePattern, &found), game.FullPath("System\\"));
    EXPECT_FALSE(found);
}

TEST(SettingsFileLocator, APathTooLongIsRefusedNeverCut) {
    GameFolder game;
    std::string name(kMaxPath - game.Root().string().size() - 8, 'n');
    name += ".lxf";
    game.Write("System/" + name, "[Game]\n");
    bool found = true;
    EXPECT_EQ(Locate(kSettingsFilePattern, &found), "");
    EXPECT_FALSE(found);
}

}  // namespace
