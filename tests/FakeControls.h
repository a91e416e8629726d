#pragma once
// The recorded controls, as the tests compare them.
#include <string>
#include <vector>

#include "../editor/RecordedChoices.h"
#include "../editor/SettingsModel.h"
#include "SettingsFileLocator.h"

using FakeControls = RecordedChoices;

// A list's items, as strings to compare.
inline std::vector<std::string> Items(const RecordedList& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
    return items;
}

// Tunewick without its window: opens the game folder's settings as the
// dialog does, on fake controls, and saves into the settings file.
struct FakeEditor {
    FakeControls ui;
    SettingsModel model{ui.Controls()};
    FixedText<kMaxPath> settingsFile;

    // Without a language file's texts, unless asked: the English ones.
    void Open(bool withLanguageFile = false) {
        SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
        FixedText<kMaxPath> languageFile;
        if (withLanguageFile) SettingsFileLocator::Locate(kLanguageFilePattern, languageFile);
        StoredChoices stored;
        stored.Read(settingsFile.Get());
        SettingText<Setting::QFV> edition;
        ReadSetting(Setting::QFV, Program::Tunewick, edition, settingsFile.Get());
        ListTexts texts;
        DialogTexts::ReadListTexts(languageFile.Get(), texts);
        model.Load(stored, edition, texts);
    }
    bool Save() { return model.Save().WriteTo(settingsFile.Get()); }
};
