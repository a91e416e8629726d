#pragma once
// Lists and check marks that keep the rules of the dialog's controls.
#include <string>
#include <vector>

#include "../editor/ChoiceControls.h"
#include "../editor/SettingsModel.h"
#include "SettingsFileLocator.h"

class FakeList : public ListObject {
public:
    void Empty() override {
        items.clear();
        selection = kNoSelection;
    }
    void Add(const char* text) override { items.push_back(text); }
    void Select(int position) override {
        selection = position >= 0 && position < static_cast<int>(items.size()) ? position : kNoSelection;
    }
    int Selected() const override { return selection; }

    std::vector<std::string> items;
    int selection = kNoSelection;
};

class FakeCheck : public CheckObject {
public:
    void Check() override { checked = true; }
    bool IsChecked() const override { return checked; }

    bool checked = false;
};

struct FakeControls {
    FakeList adapter, acceleration, detail, resolution, colourDepth;
    FakeCheck hardware, software, windowed, joypadDisabled, mouseDisabled;

    ChoiceControls Controls() {
        return ChoiceControls{adapter,  acceleration, detail,   resolution,     colourDepth,
                              hardware, software,     windowed, joypadDisabled, mouseDisabled};
    }
};

// Tunewick without its window: opens the game folder's settings as the
// dialog does, on fake controls, and saves into the settings file.
struct FakeEditor {
    FakeControls ui;
    SettingsModel model{ui.Controls()};
    FixedText<kMaxPath> settingsFile;

    void Open() {
        SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
        StoredChoices stored;
        stored.Read(settingsFile.Get());
        SettingText<Setting::QFV> edition;
        ReadSetting(Setting::QFV, Program::Tunewick, edition, settingsFile.Get());
        ListTexts texts;
        DialogTexts::ReadListTexts("", texts);  // no language file: the English texts
        model.Load(stored, edition, texts);
    }
    bool Save() { return model.Save().WriteTo(settingsFile.Get()); }
};
