#include <gtest/gtest.h>

#include <cstring>

#include "FixedText.h"

TEST(FixedText, KeepsAtMostCapacityLessOneAndSaysWhenItCuts) {
    FixedText<5> text;
    EXPECT_TRUE(text.Set("abcd"));
    EXPECT_STREQ(text.Get(), "abcd");
    EXPECT_FALSE(text.Append("e"));
    EXPECT_STREQ(text.Get(), "abcd");
    EXPECT_FALSE(text.Set("vwxyz"));
    EXPECT_STREQ(text.Get(), "vwxy");
    EXPECT_EQ(text.Length(), 4u);
}

TEST(FixedText, CopiesOwnTheirStorage) {
    FixedText<8> a("one");
    FixedText<8> b(a);
    a.Set("two");
    EXPECT_STREQ(b.Get(), "one");
    b = a;
    EXPECT_TRUE(b.Equals("two"));
    EXPECT_FALSE(b.Equals("Two"));
}

TEST(FixedText, AdoptTakesWhatAPlatformCallWrote) {
    FixedText<6> text;
    std::snprintf(text.Buffer(), text.Capacity(), "%s", "hello world");
    text.Adopt(5);
    EXPECT_STREQ(text.Get(), "hello");
    EXPECT_EQ(text.Length(), 5u);
    // A platform call may report the size it needed, past the buffer's end.
    for (std::size_t reported : {std::size_t{260}, text.Capacity(), text.Capacity() + 1}) {
        std::memset(text.Buffer(), 'x', text.Capacity());
        text.Adopt(reported);
        EXPECT_EQ(text.Length(), 5u);
        EXPECT_STREQ(text.Get(), "xxxxx");
    }
}

TEST(FixedText, SettingItselfOrNothing) {
    FixedText<6> text("abc");
    EXPECT_TRUE(text.Set(text.Get()));
    EXPECT_STREQ(text.Get(), "abc");
    EXPECT_TRUE(text.Append(nullptr));
    EXPECT_STREQ(text.Get(), "abc");
    EXPECT_TRUE(text.Set(static_cast<const char*>(nullptr)));
    EXPECT_STREQ(text.Get(), "");
}

TEST(FixedText, ClearEmptiesWhatGetShows) {
    FixedText<6> text("abc");
    text.Clear();
    EXPECT_STREQ(text.Get(), "");
    EXPECT_TRUE(text.IsEmpty());
    text.Append("d");
    EXPECT_STREQ(text.Get(), "d");
}
