#pragma once
// The recorded controls, as the tests compare them.
#include <string>
#include <vector>

#include "../editor/DialogLoad.h"
#include "../editor/RecordedChoices.h"

using FakeControls = RecordedChoices;

// A list's items, as strings to compare.
inline std::vector<std::string> Items(const RecordedList& list) {
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i) items.push_back(list.Item(i));
    return items;
}

// A dialog window that takes everything and shows nothing.
struct NoWindow : DialogWindow {
    void SetWindowIcons(const char*) override {}
    void SetCaption(const Text&) override {}
    void SetLabel(int, const Text&) override {}
};

// Tunewick without its window: opens the game folder's files by the
// dialog's own load sequence, on fake controls, and saves as it does.
struct FakeEditor {
    FakeControls ui;
    SettingsModel model{ui.Controls()};
    DialogFiles files;

    void Open() {
        NoWindow window;
        DialogLoad::Load(files, window, model);
    }
    bool Save() { return model.Save().WriteTo(files.settingsFile.Get()); }
};
