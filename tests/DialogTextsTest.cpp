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

// Every key of the language file: its section, name, English default and
// where its text lands (a control, or an item text of the lists).
struct LanguageKey {
    const char* section;
    const char* key;
    const char* english;
    int controlId;                      // 0 for a list text
    LanguageText ListTexts::*listText;  // null for a label
};

// clang-format off
const LanguageKey kLanguageKeys[] = {
    {"TextB",        "Graphics",            "Graphics",                   1020, nullptr},
    {"TextB",        "GraphicsAdapter",     "Graphics Adapter",           1021, nullptr},
    {"TextB",        "HadwareAcceleration", "Hardware Acceleration",      1022, nullptr},
    {"TextB",        "Resolution",          "Resolution",                 1023, nullptr},
    {"TextB",        "ColourDepth",         "Colour Depth",               1024, nullptr},
    {"TextB",        "HardMode",            "Hardware Acceleration",      1011, nullptr},
    {"TextB",        "SoftMode",            "Software Emulation (8 Bit)", 1009, nullptr},
    {"TextB",        "WindowMode",          "Windowed Mode",              1006, nullptr},
    {"TextB",        "GraphicsDetail",      "Graphics Detail",            1025, nullptr},
    {"TextB",        "ControlOptions",      "Control Options",            1026, nullptr},
    {"TextB",        "DisableJoy",          "Disable Joypad",             1000, nullptr},
    {"TextB",        "DisableMouse",        "Disable Mouse",              1010, nullptr},
    {"TextB",        "OK",                  "Save && Exit",               1,    nullptr},
    {"TextB",        "Cancel",              "Cancel",                     2,    nullptr},
    {"Dropdown",     "Primary",             "Primary Display Driver",                                        0, &ListTexts::primary},
    {"Dropdown",     "Secondary1",          "Secondary Display Accelerator 1",                               0, &ListTexts::secondary1},
    {"Dropdown",     "Secondary2",          "Secondary Display Accelerator 2",                               0, &ListTexts::secondary2},
    {"Dropdown",     "AdvancedDetail",      "Advanced (newer cards only)",                                   0, &ListTexts::advancedDetail},
    {"Dropdown",     "NormalDetail",        "Normal (recommended for older cards)",                          0, &ListTexts::normalDetail},
    {"Dropdown",     "Direct3D",            "Microsoft Direct3D Hardware acceleration through Direct3D HAL", 0, &ListTexts::direct3D},
    {"Dropdown",     "SoftEmulation",       "Velmora Software Emulation",                                    0, &ListTexts::softEmulation},
    {"ResolutionsB", "16Bit",               "16 Bit Colour",                                                 0, &ListTexts::depth16},
    {"ResolutionsB", "32Bit",               "32 Bit Colour",                                                 0, &ListTexts::depth32},
};
// clang-format on

struct ReadTexts {
    RecordedLabels labels;
    ListTexts lists;
    std::string Of(const LanguageKey& row) {
        return row.listText ? (lists.*row.listText).Get() : labels.texts[row.controlId];
    }
};

ReadTexts ReadAll(const char* languageFile) {
    ReadTexts read;
    DialogTexts::ReadLabels(languageFile, read.labels);
    DialogTexts::ReadListTexts(languageFile, read.lists);
    return read;
}

TEST(DialogTexts, EveryKeyLandsInItsPlaceOrIsEnglish) {
    GameFolder game;
    std::string everyKey;
    std::string section;
    for (const LanguageKey& row : kLanguageKeys) {
        if (section != row.section) everyKey += std::string("[") + row.section + "]\r\n";
        section = row.section;
        everyKey += std::string(row.key) + "=<" + row.key + ">\r\n";
    }
    game.Write("System/every.lng", everyKey + "[Titlebar]\r\nPreTitle=<pre>\r\nPostTitle=<post>\r\n");
    std::string file = game.FullPath("System\\every.lng");

    ReadTexts english = ReadAll("");
    ReadTexts translated = ReadAll(file.c_str());
    std::vector<int> labelOrder;
    for (const LanguageKey& row : kLanguageKeys) {
        EXPECT_EQ(english.Of(row), row.english) << row.key;
        EXPECT_EQ(translated.Of(row), std::string("<") + row.key + ">") << row.key;
        if (!row.listText) labelOrder.push_back(row.controlId);
    }
    EXPECT_EQ(english.labels.order, labelOrder) << "labels are applied in the file's order";

    FixedText<kCaptionCapacity> caption;
    DialogTexts::ComposeCaption(file.c_str(), FixedText<100>("T"), caption);
    EXPECT_STREQ(caption.Get(), "<pre> T <post>");
    DialogTexts::ComposeCaption(game.FullPath("System\\none.lng").c_str(), FixedText<100>("T"), caption);
    EXPECT_STREQ(caption.Get(), "T") << "no [Titlebar] keys: the title alone";
}

TEST(DialogTexts, TheFileReplacesOnlyTheKeysItHas) {
    GameFolder game;
    game.Write("System/deutsch.lng",
               "[TextB]\r\nOK=&Speichern\r\nDisableMouse=\r\nHardwareAcceleration=misspelt on purpose\r\n"
               "Graphics=" + std::string(100, 'g') + "\r\n"
               "[Dropdown]\r\nPrimary=Erste Karte\r\nSecondary2=\r\n[ResolutionsB]\r\n32Bit=32 Bit Farbe\r\n");
    std::string file = game.FullPath("System\\deutsch.lng");
    RecordedLabels labels;
    DialogTexts::ReadLabels(file.c_str(), labels);
    EXPECT_EQ(labels.texts[1], "&Speichern");
    EXPECT_EQ(labels.texts[1010], "") << "present but empty blanks the control";
    EXPECT_EQ(labels.texts[1022], "Hardware Acceleration") << "the key is HadwareAcceleration";
    EXPECT_EQ(labels.texts[1020], std::string(99, 'g')) << "a text of 100 characters is cut to 99";
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
