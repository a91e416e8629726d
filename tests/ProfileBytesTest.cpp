// What a save leaves in the file: its bytes on the portable back end, which
// keeps every line it does not change; a read-only file, on both.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "GameFolder.h"
#include "Platform.h"
#include "ProfileStore.h"

namespace {

#ifndef _WIN32
// The bytes a save leaves, on the portable back end only: Wine rewrites the
// whole file, the portable back end keeps every line it does not change.
std::string Utf16(const std::u16string& text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        char low = static_cast<char>(c & 0xFF);
        char high = static_cast<char>(c >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct SavedBytes {
    const char* what;
    std::string before;
    const char* key;
    const char* value;
    std::string after;
};

TEST(ProfileStore, ASaveLeavesTheseBytes) {
    const SavedBytes kSaves[] = {
        {"8-bit", "[Tunewick]\r\nWin=-wnd\r\nJPd=\r\n", "Win", "", "[Tunewick]\r\nWin=\r\nJPd=\r\n"},
        {"UTF-16LE keeps characters past 255", Utf16(u"[Game]\r\nTitle=Ночь\r\n[Tunewick]\r\nWin=-wnd\r\n"), "Win", "",
         Utf16(u"[Game]\r\nTitle=Ночь\r\n[Tunewick]\r\nWin=\r\n")},
        {"UTF-16 of its byte-order mark alone", "\xFF\xFE", "Win", "-wnd", Utf16(u"[Tunewick]\r\nWin=-wnd\r\n")},
        {"UTF-16BE keeps characters past 255", Utf16(u"[Game]\r\nTitle=Ночь\r\n[Tunewick]\r\nWin=-wnd\r\n", true),
         "Win", "", Utf16(u"[Game]\r\nTitle=Ночь\r\n[Tunewick]\r\nWin=\r\n", true)},
        {"UTF-16 with an odd byte at its end", Utf16(u"[Tunewick]\r\nWin=-wnd\r\n") + "A", "JPd", "-nj",
         Utf16(u"[Tunewick]\r\nWin=-wnd\r\nJPd=-nj\r\n") + "A"},
        {"UTF-16 without a final line end", Utf16(u"[Tunewick]\r\nWin=-wnd"), "JPd", "-nj",
         Utf16(u"[Tunewick]\r\nWin=-wnd\r\nJPd=-nj\r\n")},
        {"a file of one line end", "\r\n", "Win", "-wnd", "\r\n[Tunewick]\r\nWin=-wnd\r\n"},
        {"CR line ends with a blank line", "[Tunewick]\rWin=\r\r[Game]\rZPR=\r", "MSd", "-nm",
         "[Tunewick]\rWin=\rMSd=-nm\r\r[Game]\rZPR=\r"},
        {"Ctrl-Z, vertical tab and form feed around values", "[Tunewick]\r\nWin=\x0b-wnd\x0c\r\n\x1a", "Win", "",
         "[Tunewick]\r\nWin=\r\n\x1a"},
    };
    namespace fs = std::filesystem;
    for (const SavedBytes& save : kSaves) {
        GameFolder game;
        game.Write("System/game.lxf", save.before);
        fs::permissions("System/game.lxf", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        EXPECT_TRUE(ProfileStore::WriteValue("Tunewick", save.key, save.value, game.FullPath("System/game.lxf").c_str()))
            << save.what;
        EXPECT_EQ(game.Read("System/game.lxf"), save.after) << save.what;
        EXPECT_EQ(fs::status("System/game.lxf").permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                                   fs::perms::group_read)
            << save.what << ": the file keeps its permissions";
    }
    GameFolder game;
    fs::create_directory("System");
    ASSERT_TRUE(ProfileStore::WriteValue("Tunewick", "Win", "", game.FullPath("System/new.lxf").c_str()));
    EXPECT_EQ(fs::status("System/new.lxf").permissions(), fs::perms::owner_read | fs::perms::owner_write |
                                                              fs::perms::group_read | fs::perms::others_read)
        << "a new file as the usual umask leaves it";
    // The platform call itself refuses what ProfileStore never passes.
    std::string path = game.FullPath("System/new.lxf");
    std::string before = game.Read("System/new.lxf");
    EXPECT_FALSE(platform::WriteProfileValue(nullptr, "Win", "x", path.c_str()));
    EXPECT_FALSE(platform::WriteProfileValue("Tunewick", nullptr, "x", path.c_str()));
    EXPECT_FALSE(platform::WriteProfileValue("Tunewick", "Win", nullptr, path.c_str()));
    EXPECT_EQ(game.Read("System/new.lxf"), before);
}
#endif

TEST(ProfileStore, AReadOnlyFileIsLeftAsItWas) {
    GameFolder game;
    const std::string before = "[Tunewick]\r\nWin=-wnd\r\n";
    game.Write("System/game.lxf", before);
    std::filesystem::permissions("System/game.lxf",
                                 std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                     std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
#ifdef _WIN32
    if (std::ofstream("System/game.lxf", std::ios::app))
        GTEST_SKIP() << "this process may write read-only files (Wine run by root)";
#endif
    EXPECT_FALSE(ProfileStore::WriteValue("Tunewick", "Win", "", game.FullPath("System\\game.lxf").c_str()));
    EXPECT_EQ(game.Read("System/game.lxf"), before);
}

}  // namespace
