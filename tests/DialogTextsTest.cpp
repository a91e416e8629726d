// Tunewick's texts from the language file, or the English defaults.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "../editor/DialogTexts.h"
#include "GameFolder.h"

namespace {

struct RecordedLabels : LabelTarget {
    void SetLabel(int controlId, const Text& text) override {
        order.push_back(controlId);
        texts[controlId] = text.Get();
    }
    std::vector<int> order;
    std::map<int, std::string> texts;
};

TEST(DialogTexts, WithoutALanguageFileEveryLabelIsEnglish) {
    RecordedLabels labels;
    DialogTexts::ReadLabels("", labels);
    EXPECT_EQ(labels.order, (std::vector<int>{1020, 1021, 1022, 1023, 1024, 1011, 1009, 1006, 1025, 1026, 1000,
                                              1010, 1, 2}));
    EXPECT_EQ(labels.texts[1], "Save && Exit");
    EXPECT_EQ(labels.texts[1009], "Software Emulation (8 Bit)");
    EXPECT_EQ(labels.texts[1022], "Hardware Acceleration");
}

TEST(DialogTexts, TheFileReplacesOnlyTheKeysItHas) {
    GameFolder game;
    game.Write("System/deutsch.lng",
               "[TextB]\r\nOK=&Speichern\r\nDisableMouse=\r\nHardwareAcceleration=misspelt on purpose\r\n"
               "[Dropdown]\r\nPrimary=Erste Karte\r\nSecondary2=\r\n[ResolutionsB]\r\n32Bit=32 Bit Farbe\r\n");
    std::string file = game.FullPath("System\\deutsch.lng");
    RecordedLabels labels;
    DialogTexts::ReadLabels(file.c_str(), labels);
    EXPECT_EQ(labels.texts[1], "&Speichern");
    EXPECT_EQ(labels.texts[1010], "") << "present but empty blanks the control";
    EXPECT_EQ(labels.texts[1022], "Hardware Acceleration") << "the key is HadwareAcceleration";
    EXPECT_EQ(labels.texts[2], "Cancel");

    ListTexts texts;
    DialogTexts::ReadListTexts(file.c_str(), texts);
    EXPECT_STREQ(texts.primary.Get(), "Erste Karte");
    EXPECT_STREQ(texts.secondary1.Get(), "Secondary Display Accelerator 1");
    EXPECT_STREQ(texts.secondary2.Get(), "");
    EXPECT_STREQ(texts.depth16.Get(), "16 Bit Colour");
    EXPECT_STREQ(texts.depth32.Get(), "32 Bit Farbe");
}

// Each label reaches its control before the next is read: a target that
// changes the file as the first label arrives sees the change in the second.
TEST(DialogTexts, EachLabelIsAppliedBeforeTheNextIsRead) {
    GameFolder game;
    game.Write("System/l.lng", "[TextB]\nGraphicsAdapter=before\n");
    std::string file = game.FullPath("System\\l.lng");
    struct Rewriting : RecordedLabels {
        void SetLabel(int controlId, const Text& text) override {
            if (order.empty()) std::ofstream("System/l.lng", std::ios::binary) << "[TextB]\nGraphicsAdapter=after\n";
            RecordedLabels::SetLabel(controlId, text);
        }
    } labels;
    DialogTexts::ReadLabels(file.c_str(), labels);
    EXPECT_EQ(labels.texts[1021], "after");
}

struct CaptionCase {
    const char* pre;
    const char* title;
    const char* post;
    const char* expected;
};

TEST(DialogTexts, CaptionPutsOneBlankBesideEachNonEmptyPart) {
    const CaptionCase cases[] = {
        {"P", "T", "", "P T"}, {"", "T", "Q", "T Q"}, {"", "", "", ""},         {"P", "", "", "P "},
        {"", "", "Q", " Q"},   {"P", "T", "Q", "P T Q"}, {"", "Night Run", "", "Night Run"},
    };
    GameFolder game;
    for (const CaptionCase& c : cases) {
        SCOPED_TRACE(c.expected);
        game.Write("System/t.lng", std::string("[Titlebar]\nPreTitle=") + c.pre + "\nPostTitle=" + c.post + "\n");
        FixedText<kCaptionCapacity> caption;
        DialogTexts::ComposeCaption(game.FullPath("System\\t.lng").c_str(), FixedText<100>(c.title), caption);
        EXPECT_STREQ(caption.Get(), c.expected);
    }
}

TEST(DialogTexts, ALongCaptionIsCut) {
    GameFolder game;
    std::string part(99, 'p');
    game.Write("System/t.lng", "[Titlebar]\nPreTitle=" + part + "\nPostTitle=" + part + "\n");
    FixedText<kCaptionCapacity> caption;
    DialogTexts::ComposeCaption(game.FullPath("System\\t.lng").c_str(), FixedText<100>(std::string(99, 't').c_str()),
                                caption);
    EXPECT_EQ(caption.Length(), 199u);
    EXPECT_EQ(std::string(caption.Get()), part + " " + std::string(99, 't'));
}

}  // namespace
