// Tunewick's choices on fake controls: what each edition offers, how stored
// options load, the detail and rendering rules, and what a save writes.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "../editor/DisplayModes.h"
#include "../editor/SettingsModel.h"
#include "FakeControls.h"

namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

struct Stored {
    const char* cardNo = "";
    const char* detail = "";
    const char* software = "";
    const char* win = "";
    const char* jpd = "";
    const char* msd = "";
    const char* screen = "";
};

class SettingsModelTest : public testing::Test {
protected:
    void Load(const char* edition, const Stored& values = {}) {
        StoredChoices stored;
        stored.Value(Setting::CardNo).Set(values.cardNo);
        stored.Value(Setting::Detail).Set(values.detail);
        stored.Value(Setting::Software).Set(values.software);
        stored.Value(Setting::Win).Set(values.win);
        stored.Value(Setting::JPd).Set(values.jpd);
        stored.Value(Setting::MSd).Set(values.msd);
        stored.Value(Setting::Screen).Set(values.screen);
        DialogTexts::ReadListTexts("", texts);  // no language file: the English texts
        model.Load(stored, FixedText<10>(edition), texts);
    }

    Writes Save() const {
        TunewickWrites writes = model.Save();
        Writes out;
        for (int i = 0; i < writes.count; ++i) out.emplace_back(writes.items[i].key, writes.items[i].value);
        return out;
    }

    std::string SavedScreen() const {
        for (auto& [key, value] : Save())
            if (key == "Screen") return value;
        return "<not written>";
    }

    FakeControls ui;
    ListTexts texts;
    SettingsModel model{ui.Controls()};
};

// The catalogue as the player and the engine see it, written out.
struct CatalogueRow {
    const char* label;
    const char* option16;
    const char* option32;
};

// clang-format off
const CatalogueRow kCatalogue[] = {
    {"320 x 200",   "-d 320x200x16",   "-d 320x200x32"},
    {"320 x 240",   "-d 320x240x16",   "-d 320x240x32"},
    {"400 x 300",   "-d 400x300x16",   "-d 400x300x32"},
    {"512 x 384",   "-d 512x384x16",   "-d 512x384x32"},
    {"640 x 480",   "-d 640x480x16",   "-d 640x480x32"},
    {"800 x 600",   "-d 800x600x16",   "-d 800x600x32"},
    {"1024 x 768",  "-d 1024x768x16",  "-d 1024x768x32"},
    {"1280 x 960",  "-d 1280x960x16",  "-d 1280x960x32"},
    {"1600 x 1200", "-d 1600x1200x16", "-d 1600x1200x32"},
};
// clang-format on

TEST_F(SettingsModelTest, EveryModeLoadsAndSavesAsItsOption) {
    for (int i = 0; i < 9; ++i) {
        const CatalogueRow& row = kCatalogue[i];
        for (const char* option : {row.option16, row.option32}) {
            SCOPED_TRACE(option);
            Load("Maxor", {.screen = option});
            ASSERT_EQ(Items(ui.resolution).size(), 9u);
            EXPECT_EQ(Items(ui.adapter).size(), 3u) << "a second load starts the lists afresh";
            EXPECT_EQ(Items(ui.detail).size(), 2u);
            EXPECT_EQ(Items(ui.resolution)[i], row.label);
            EXPECT_EQ(ui.resolution.selection, i);
            EXPECT_EQ(ui.colourDepth.selection, option == row.option16 ? 0 : 1);
            EXPECT_EQ(SavedScreen(), option);
        }
    }
}

struct EditionCase {
    const char* edition;
    std::size_t resolutions;
    std::size_t depths;
};

TEST_F(SettingsModelTest, EachEditionOffersItsModes) {
    const EditionCase cases[] = {{"Plenn", 5, 1}, {"Varo", 6, 1}, {"Tessi", 7, 1}, {"Maxor", 9, 2},
                                 {"maxor", 5, 1}, {"", 5, 1},     {"Maxor ", 5, 1}, {"Other", 5, 1}};
    for (const EditionCase& c : cases) {
        SCOPED_TRACE(c.edition);
        Load(c.edition);
        ASSERT_EQ(Items(ui.resolution).size(), c.resolutions);
        for (std::size_t i = 0; i < c.resolutions; ++i) EXPECT_EQ(Items(ui.resolution)[i], kCatalogue[i].label);
        EXPECT_EQ(Items(ui.colourDepth).size(), c.depths);
        EXPECT_EQ(ui.resolution.selection, 4);
        EXPECT_EQ(ui.colourDepth.selection, 0);
    }
}

TEST_F(SettingsModelTest, AnEmptyTunewickSectionLoadsTheBuiltInChoices) {
    Load("Plenn");
    EXPECT_EQ(Items(ui.adapter), (std::vector<std::string>{"Primary Display Driver", "Secondary Display Accelerator 1",
                                                          "Secondary Display Accelerator 2"}));
    EXPECT_EQ(ui.adapter.selection, 0);
    EXPECT_EQ(Items(ui.detail), (std::vector<std::string>{"Normal (recommended for older cards)",
                                                         "Advanced (newer cards only)"}));
    EXPECT_EQ(ui.detail.selection, 1) << "no Detail value means advanced detail";
    EXPECT_TRUE(ui.hardware.checked);
    EXPECT_FALSE(ui.software.checked);
    EXPECT_EQ(Items(ui.acceleration),
              std::vector<std::string>{"Microsoft Direct3D Hardware acceleration through Direct3D HAL"});
    EXPECT_EQ(ui.acceleration.selection, 0);
    EXPECT_FALSE(ui.windowed.checked || ui.joypadDisabled.checked || ui.mouseDisabled.checked);
    EXPECT_EQ(Save(), (Writes{{"CardNo", ""},
                              {"Detail", ""},
                              {"Screen", "-d 640x480x16"},
                              {"Software", ""},
                              {"Win", ""},
                              {"JPd", ""},
                              {"MSd", ""}}));
}

TEST_F(SettingsModelTest, TheFirstSecondaryAdapter) {
    Load("Plenn", {.cardNo = "-crd 1"});
    EXPECT_EQ(ui.adapter.selection, 1);
    EXPECT_EQ(Save()[0], (std::pair<std::string, std::string>{"CardNo", "-crd 1"}));
}

TEST_F(SettingsModelTest, StoredOptionsLoadAndSaveBack) {
    Load("Varo", {"-crd 2", "-w3d", "-n3d", "-wnd", "-nj", "-nm", "-d 800x600x16"});
    EXPECT_EQ(ui.adapter.selection, 2);
    EXPECT_EQ(ui.detail.selection, 0);
    EXPECT_EQ(ui.resolution.selection, 5);
    EXPECT_TRUE(ui.software.checked);
    EXPECT_FALSE(ui.hardware.checked);
    EXPECT_EQ(Items(ui.acceleration), std::vector<std::string>{"Velmora Software Emulation"});
    EXPECT_EQ(Save(), (Writes{{"CardNo", "-crd 2"},
                              {"Detail", "-w3d"},
                              {"Screen", "-d 800x600x16"},
                              {"Software", "-n3d"},
                              {"win", "-wnd"},
                              {"JPd", "-nj"},
                              {"MSd", "-nm"}}));
}

TEST_F(SettingsModelTest, ValuesOutsideTheVocabularyAreRewrittenBySaving) {
    Load("Plenn", {"-crd 3", "x", "-n3", "-wn", "nj", "-nM", "-d 640x480x24"});
    EXPECT_EQ(ui.adapter.selection, 0);
    EXPECT_EQ(ui.detail.selection, 0) << "any non-empty Detail is normal detail";
    EXPECT_TRUE(ui.hardware.checked);
    EXPECT_EQ(Save(), (Writes{{"CardNo", ""},
                              {"Detail", "-w3d"},
                              {"Screen", "-d 640x480x16"},
                              {"Software", ""},
                              {"Win", ""},
                              {"JPd", ""},
                              {"MSd", ""}}));
}

TEST_F(SettingsModelTest, AModeTheEditionDoesNotOfferSurvivesASave) {
    Load("Plenn", {.screen = "-d 1024x768x16"});
    EXPECT_EQ(ui.resolution.selection, ListObject::kNoSelection);
    EXPECT_EQ(ui.colourDepth.selection, 0);
    EXPECT_EQ(SavedScreen(), "<not written>");

    Load("Tessi", {.screen = "-d 800x600x32"});
    EXPECT_EQ(ui.resolution.selection, 5);
    EXPECT_EQ(ui.colourDepth.selection, ListObject::kNoSelection) << "one depth only: 32 bits is past its end";
    EXPECT_EQ(SavedScreen(), "<not written>");
}

TEST_F(SettingsModelTest, MaxorKeepsBothDepthsUntilTheFirstDetailCommand) {
    Load("Maxor", {.detail = "-w3d", .screen = "-d 1600x1200x32"});
    EXPECT_EQ(ui.resolution.selection, 8);
    EXPECT_EQ(ui.colourDepth.selection, 1);
    EXPECT_EQ(ui.detail.selection, 0);
    EXPECT_EQ(SavedScreen(), "-d 1600x1200x32");

    model.DetailCommand();
    EXPECT_EQ(Items(ui.colourDepth), std::vector<std::string>{"16 Bit Colour"});
    EXPECT_EQ(SavedScreen(), "-d 1600x1200x16");
}

TEST_F(SettingsModelTest, OnMaxorEveryDetailCommandWithAdvancedDetailReselects32Bits) {
    Load("Maxor", {.screen = "-d 1280x960x16"});
    EXPECT_EQ(ui.colourDepth.selection, 0);
    model.DetailCommand();  // opening the list is a command too
    EXPECT_EQ(Items(ui.colourDepth), (std::vector<std::string>{"16 Bit Colour", "32 Bit Colour"}));
    EXPECT_EQ(ui.colourDepth.selection, 1);
    ui.colourDepth.Select(0);
    model.DetailCommand();
    EXPECT_EQ(ui.colourDepth.selection, 1);
    EXPECT_EQ(SavedScreen(), "-d 1280x960x32");
}

TEST_F(SettingsModelTest, OtherEditionsKeepTheirDepthListOnAdvancedDetail) {
    Load("Tessi", {.screen = "-d 800x600x32"});
    model.DetailCommand();
    EXPECT_EQ(ui.colourDepth.selection, ListObject::kNoSelection);
    ui.detail.Select(0);
    model.DetailCommand();
    EXPECT_EQ(ui.colourDepth.selection, 0);
    EXPECT_EQ(SavedScreen(), "-d 800x600x16");
}

TEST_F(SettingsModelTest, RenderingCommandsDescribeOnlyTheCheckedChoice) {
    Load("Plenn");
    ui.hardware.checked = false;  // the player clicks software: the platform moves the mark
    ui.software.checked = true;
    model.HardwareCommand();
    EXPECT_EQ(Items(ui.acceleration), std::vector<std::string>{texts.direct3D.Get()});
    model.SoftwareCommand();
    EXPECT_EQ(Items(ui.acceleration), std::vector<std::string>{texts.softEmulation.Get()});
    EXPECT_EQ(ui.acceleration.selection, 0);
    EXPECT_EQ(Save()[3], (std::pair<std::string, std::string>{"Software", "-n3d"}));
    ui.software.checked = false;  // and back to hardware
    ui.hardware.checked = true;
    model.SoftwareCommand();
    EXPECT_EQ(Items(ui.acceleration), std::vector<std::string>{texts.softEmulation.Get()}) << "not checked: no change";
    model.HardwareCommand();
    EXPECT_EQ(Items(ui.acceleration), std::vector<std::string>{texts.direct3D.Get()});
}

TEST_F(SettingsModelTest, ListsWithoutSelectionWriteNothing) {
    Load("Plenn");
    ui.adapter.Select(-1);
    ui.detail.Select(-1);
    Writes writes = Save();
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_EQ(writes[0].first, "Screen");
}

}  // namespace
