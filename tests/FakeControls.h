#pragma once
// The recorded controls, as the tests compare them.
#include <string>
#include <vector>

#include "../editor/RecordedChoices.h"
#include "../editor/SettingsModel.h"
#include "SettingsFileLocator.h"

// The recorded lists, with their items as strings to compare.
class FakeList : public RecordedList {
public:
    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        for (int i = 0; i < Count(); ++i) items.push_back(Item(i));
        return items;
    }
};

struct FakeControls {
    FakeList adapter, acceleration, detail, resolution, colourDepth;
    RecordedCheck hardware, software, windowed, joypadDisabled, mouseDisabled;

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
