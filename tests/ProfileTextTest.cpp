// The profile reader and writer of the portable back end, on texts in memory:
// reads as the platform's profile functions read, writes that leave every
// line they do not change byte for byte.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "ProfileText.h"

namespace {

std::string CaseName(const char* what) {
    std::string name;
    for (; *what; ++what) name += std::isalnum(static_cast<unsigned char>(*what)) ? *what : '_';
    return name;
}

struct ReadCase {
    const char* what;
    const char* file;
    const char* section;
    const char* key;
    const char* fallback;
    std::size_t capacity;
    const char* expected;
};

const ReadCase kReads[] = {
    {"plain value", "[Game]\r\nGameExe=game.exe\r\n", "Game", "GameExe", "d", 100, "game.exe"},
    {"names ignore case", "[game]\nGAMEEXE=x\n", "Game", "GameExe", "d", 100, "x"},
    {"blanks around names and values", "  [Game]  \n \tGameExe  =   a b \t\n", "Game", "GameExe", "d", 100, "a b"},
    {"double quotes", "[A]\nk=\"v w\"\n", "A", "k", "d", 100, "v w"},
    {"single quotes", "[A]\nk='v'\n", "A", "k", "d", 100, "v"},
    {"unmatched quote stays", "[A]\nk=\"v\n", "A", "k", "d", 100, "\"v"},
    {"mixed quotes stay", "[A]\nk=\"v'\n", "A", "k", "d", 100, "\"v'"},
    {"only the outer pair goes", "[A]\nk=\"a\" b \"c\"\n", "A", "k", "d", 100, "a\" b \"c"},
    {"empty quotes", "[A]\nk=\"\"\n", "A", "k", "d", 100, ""},
    {"a lone quote", "[A]\nk=\"\n", "A", "k", "d", 100, "\""},
    {"quoted value that just fits", "[Tunewick]\nDetail=\"-w3d\"\n", "Tunewick", "Detail", "", 5, "-w3d"},
    {"quoted value one too long", "[Tunewick]\nDetail=\"-w3dx\"\n", "Tunewick", "Detail", "", 5, "-w3d"},
    {"cut to capacity - 1", "[Tunewick]\nScreen=-d 1600x1200x32 extra__\n", "Tunewick", "Screen", "", 20,
     "-d 1600x1200x32 ext"},
    {"exact fit", "[Tunewick]\nMSd=-nm\n", "Tunewick", "MSd", "", 4, "-nm"},
    {"capacity one", "[A]\nk=v\n", "A", "k", "d", 1, ""},
    {"empty value is no fallback", "[Tunewick]\nWin=\n", "Tunewick", "Win", "x", 5, ""},
    {"missing key", "[Tunewick]\nWin=-wnd\n", "Tunewick", "JPd", "fb", 4, "fb"},
    {"missing section", "[Game]\nTitle=t\n", "Tunewick", "Win", "fb", 5, "fb"},
    {"fallback loses trailing blanks", "", "A", "k", " x  ", 100, " x"},
    {"fallback loses an odd number of trailing blanks", "", "A", "k", "x   ", 100, "x"},
    {"fallback cut too", "", "A", "k", "no_game_exe_defined", 6, "no_ga"},
    {"line without = hides a later key", "[A]\nk\nk=5\n", "A", "k", "d", 100, "d"},
    {"first of duplicate keys", "[A]\nk=1\nK=2\n", "A", "k", "d", 100, "1"},
    {"first of duplicate sections", "[A]\nx=1\n[B]\n[a]\ny=2\n", "A", "y", "d", 100, "d"},
    {"heading with blanks inside", "[ A ]\nk=1\n", "A", "k", "d", 100, "1"},
    {"text after the heading", "[A] ; note\nk=1\n", "A", "k", "d", 100, "1"},
    {"heading ends at its last ]", "[A]x]\nk=1\n", "A]x", "k", "d", 100, "1"},
    {"no ] is no heading", "[A]\n[B\nk=1\n", "A", "k", "d", 100, "1"},
    {"semicolon inside a value", "[A]\nk3=a ;x\n", "A", "k3", "d", 100, "a ;x"},
    {"hash is data", "[A]\n#k=1\n", "A", "#k", "d", 100, "1"},
    {"comment line is found by its name", "[A]\n;c=comment\n", "A", ";c", "d", 100, "comment"},
    {"value keeps its equals signs", "[A]\nk=a=b\n", "A", "k", "d", 100, "a=b"},
    {"CR line ends", "[A]\rx=1\rk=2\r", "A", "k", "d", 100, "2"},
    {"no final line end", "[A]\nk=2", "A", "k", "d", 100, "2"},
    {"vertical tab, form feed and Ctrl-Z are blanks", "[A]\nk=\v1\f\x1a\n", "A", "k", "d", 100, "1"},
    {"a lone CR ends a line where LF ends others", "[S]\r\nk=1\rj=2\n", "S", "j", "d", 100, "2"},
    {"a lone CR ends a heading before LF lines", "[S]\rk=1\n", "S", "k", "d", 100, "1"},
    {"UTF-8 byte-order mark", "\xEF\xBB\xBF[A]\nk=2\n", "A", "k", "d", 100, "2"},
    {"keys before any heading", "k=1\n[A]\n", "A", "k", "d", 100, "d"},
    {"lookup names are trimmed", "[A]\nk=1\n", " A ", " k ", "d", 100, "1"},
    {"empty key name", "[A]\n=1\n", "A", "", "d", 100, "d"},
};

class ProfileRead : public testing::TestWithParam<ReadCase> {};

TEST_P(ProfileRead, DeliversValueOrFallback) {
    const ReadCase& c = GetParam();
    std::string file = c.file;
    char out[128];
    std::memset(out, '#', sizeof out);
    std::size_t count = profile_text::ReadValue(&file, c.section, c.key, c.fallback, out, c.capacity);
    EXPECT_STREQ(out, c.expected);
    EXPECT_EQ(count, std::strlen(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileRead, testing::ValuesIn(kReads), [](const auto& info) { return CaseName(info.param.what); });

TEST(ProfileRead, NoFileGivesTheFallback) {
    char out[8];
    EXPECT_EQ(profile_text::ReadValue(nullptr, "Tunewick", "Screen", "-d 640x480x16", out, 8), 7u);
    EXPECT_STREQ(out, "-d 640x");
    const std::string none;
    EXPECT_EQ(profile_text::ReadValue(&none, "A", "k", "\"q\"", out, 8), 1u) << "quotes come off, as with a file";
    EXPECT_STREQ(out, "q");
    EXPECT_EQ(profile_text::ReadValue(nullptr, "A", "k", "\"q\" ", out, 8), 3u) << "unopened: as it stands";
    EXPECT_STREQ(out, "\"q\"");
    out[0] = '#';
    EXPECT_EQ(profile_text::ReadValue(nullptr, "A", "k", "fallback", out, 0), 0u) << "no room: nothing written";
    EXPECT_EQ(out[0], '#');
}

struct WriteCase {
    const char* what;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

const WriteCase kWrites[] = {
    {"replaces and keeps every other line",
     "; by the author\r\n[Tunewick]\r\nWin=-wnd\r\nJPd = -nj\r\n\r\n[Other]\r\n  odd  line \r\n", "Tunewick", "win",
     "", "; by the author\r\n[Tunewick]\r\nWin=\r\nJPd = -nj\r\n\r\n[Other]\r\n  odd  line \r\n"},
    {"keeps the key's spelling", "[tunewick]\nCARDNO=-crd 1\n", "Tunewick", "CardNo", "", "[tunewick]\nCARDNO=\n"},
    {"new key at the end of its section", "[A]\nx=1\n\n[B]\ny=2\n", "A", "k", "v", "[A]\nx=1\nk=v\n\n[B]\ny=2\n"},
    {"new key in a section without keys", "[A]\n\n[B]\n", "A", "k", "v", "[A]\nk=v\n\n[B]\n"},
    {"new key in a last line without line end", "[A]\nx=1", "A", "k", "v", "[A]\nx=1\nk=v\n"},
    {"new section at the end", "[A]\nx=1\n", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
    {"new section after a blank line", "[A]\nx=1\n\n", "B", "k", "v", "[A]\nx=1\n\n[B]\nk=v\n"},
    {"new section without final line end", "[A]\r\nx=1", "B", "k", "v", "[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n"},
    {"empty file", "", "Tunewick", "CardNo", "", "[Tunewick]\r\nCardNo=\r\n"},
    {"first of duplicate sections", "[A]\nx=1\n[B]\n[A]\ny=2\n", "A", "y", "3", "[A]\nx=1\ny=3\n[B]\n[A]\ny=2\n"},
    {"first of duplicate keys", "[A]\nk=1\nk=2\n", "A", "K", "3", "[A]\nk=3\nk=2\n"},
    {"gives a key without = its value", "[A]\nk\n", "A", "k", "v", "[A]\nk=v\n"},
    {"CR line ends", "[A]\rx=1\r", "A", "k", "2", "[A]\rx=1\rk=2\r"},
    {"CR line ends after LF ones", "[X]\r\nq=1\r\n[A]\rx=1\r", "A", "k", "2", "[X]\r\nq=1\r\n[A]\rx=1\rk=2\r"},
    {"LF line ends before CR ones", "[A]\nx=1\n[B]\ry=1\r", "A", "k", "2", "[A]\nx=1\nk=2\n[B]\ry=1\r"},
    {"same value leaves the line alone", "[A]\n  k =  v \n", "A", "k", "v", "[A]\n  k =  v \n"},
    {"blanks around the replaced line", "[A]\n  Key =  \"v\"  \n", "A", "key", "w", "[A]\nKey=w\n"},
    {"UTF-8 byte-order mark stays", "\xEF\xBB\xBF[A]\nk=1\n", "A", "k", "2", "\xEF\xBB\xBF[A]\nk=2\n"},
    {"new key after CR LF lines", "[A]\r\nx=1\r\n", "A", "k", "v", "[A]\r\nx=1\r\nk=v\r\n"},
    {"new key before any heading", "[A]\nk=1\n", "", "n", "2", "n=2\n[A]\nk=1\n"},
    {"new key after a CR LF line in an LF file", "[X]\nq=1\n[A]\r\nx=1\r\n", "A", "k", "2",
     "[X]\nq=1\n[A]\r\nx=1\r\nk=2\r\n"},
    {"new key after a last LF line without line end", "[X]\nk=1", "X", "j", "2", "[X]\nk=1\nj=2\n"},
    {"new key after a last CR line without line end", "[A]\rx=1", "A", "k", "2", "[A]\rx=1\rk=2\r"},
    {"new section after a blank CR LF line in an LF file", "[A]\nx=1\n\r\n", "B", "k", "v",
     "[A]\nx=1\n\r\n[B]\r\nk=v\r\n"},
    {"new section in a CR file", "[A]\rx=1\r", "B", "k", "v", "[A]\rx=1\r\r[B]\rk=v\r"},
    {"new key before any heading goes after the byte-order mark", "\xEF\xBB\xBF[A]\nk=1\n", "", "n", "2",
     "\xEF\xBB\xBFn=2\n[A]\nk=1\n"},
    {"a lone CR between LF lines keeps the next line", "[S]\r\nk=1\rj=2\n", "S", "k", "5", "[S]\r\nk=5\rj=2\n"},
    {"a key after a lone CR heading is replaced, not added", "[S]\rk=1\n", "S", "k", "7", "[S]\rk=7\n"},
};

class ProfileWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(ProfileWrite, ChangesOnlyItsKey) {
    const WriteCase& c = GetParam();
    std::string file = c.before;
    profile_text::WriteValue(file, c.section, c.key, c.value);
    EXPECT_EQ(file, c.after);
    char out[64];
    profile_text::ReadValue(&file, c.section, c.key, "missing", out, sizeof out);
    EXPECT_STREQ(out, c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileWrite, testing::ValuesIn(kWrites), [](const auto& info) { return CaseName(info.param.what); });

}  // namespace
