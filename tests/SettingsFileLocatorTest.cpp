#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

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

    GameFolder bare;
    bare.Write("System/.lxf", "[Game]\n");
    EXPECT_EQ(Locate(kSettingsFilePattern), bare.FullPath("System\\.lxf")) << "a name of the extension alone";
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

TEST(SettingsFileLocator, OfTwoSettingsFilesTheFirstThePlatformEnumerates) {
    GameFolder game;
    game.Write("System/b-second.lxf", "[Game]\n");
    game.Write("System/A-first.lxf", "[Game]\n");
#ifdef _WIN32
    WIN32_FIND_DATAA first;
    HANDLE search = FindFirstFileA("System\\*.lxf", &first);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    FindClose(search);
    std::string expected = first.cFileName;
#else
    std::string expected = "A-first.lxf";  // the portable back end: by name, letter case folded
#endif
    EXPECT_EQ(Locate(kSettingsFilePattern), (game.Root() / "System" / expected).string());
}

#ifndef _WIN32
// The portable back end's search, as FindFirstFileA matches long names: '*'
// any run, '?' one character, letter case aside. (Windows also matches 8.3
// aliases, which the portable back end does not have.)
TEST(SettingsFileLocator, ThePortableSearchMatchesAsThePlatform) {
    GameFolder game;
    for (const char* name : {"a.lxf", "B.LXF", "c.lxfold", "d.txt", "ee.lxf", ".lxf"}) game.Write(std::string("System/") + name, "");
    const struct {
        const char* pattern;
        std::vector<std::string> names;
    } rows[] = {
        {"System/*.lxf", {".lxf", "a.lxf", "B.LXF", "ee.lxf"}},
        {"System/?.lxf", {"a.lxf", "B.LXF"}},
        {"system/*.TXT", {"d.txt"}},
        {"System/*", {".", "..", ".lxf", "a.lxf", "B.LXF", "c.lxfold", "d.txt", "ee.lxf"}},  // as Windows: "." and ".." too
        {"System/*.none", {}},
        {"System/a.lxf?", {}},  // a name ends before its pattern
        {"SYSTEM", {"System"}},  // no folder in the pattern: the current one
    };
    for (const auto& row : rows) {
        std::vector<std::string> seen;
        bool any = platform::SearchEntries(
            row.pattern,
            [](const platform::FoundEntry& entry, void* context) {
                static_cast<std::vector<std::string>*>(context)->push_back(entry.name);
                return false;
            },
            &seen);
        EXPECT_EQ(seen, row.names) << row.pattern;
        EXPECT_EQ(any, !row.names.empty()) << row.pattern;
    }
}
#endif

// Full paths, written out: "." and ".." and doubled separators fold; a path
// of exactly the platform's limit is refused, never cut to one less.
TEST(SettingsFileLocator, FullPathsAsThePlatformMakesThem) {
    GameFolder game;
    const std::string root = game.Root().string();
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    FixedText<kMaxPath> full;
    EXPECT_TRUE(platform::FullPath("a\\.\\b\\..\\c\\\\d", full));
    EXPECT_EQ(full.Get(), root + separator + "a" + separator + "c" + separator + "d");
    std::string fits(kMaxPath - 1 - root.size() - 1, 'f');
    EXPECT_TRUE(platform::FullPath(fits.c_str(), full));
    EXPECT_EQ(full.Length(), kMaxPath - 1);
    std::string tooLong = fits + "g";
    EXPECT_FALSE(platform::FullPath(tooLong.c_str(), full));
    EXPECT_STREQ(full.Get(), "") << "refused, not cut to 259";
    full.Set("old");
    EXPECT_FALSE(platform::FullPath("", full));
    EXPECT_STREQ(full.Get(), "");

    // The short form exists only for what exists, and is never cut either.
    full.Set("old");
    EXPECT_FALSE(platform::ShortPath((root + separator + "missing").c_str(), full));
    EXPECT_STREQ(full.Get(), "");
#ifndef _WIN32  // without 8.3 names the short form is the path itself
    game.Write(fits, "");
    EXPECT_TRUE(platform::ShortPath((root + separator + fits).c_str(), full));
    EXPECT_EQ(full.Length(), kMaxPath - 1);
    std::filesystem::create_directory(game.Root() / "d");
    std::string exactly = "d/" + std::string(kMaxPath - root.size() - 3, 'e');
    game.Write(exactly, "");
    EXPECT_FALSE(platform::ShortPath((root + separator + exactly).c_str(), full)) << "260 characters do not fit";
    EXPECT_STREQ(full.Get(), "");
#endif
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
