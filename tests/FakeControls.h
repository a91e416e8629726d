#pragma once
// Lists and check marks that keep the rules of the dialog's controls.
#include <string>
#include <vector>

#include "../editor/ChoiceControls.h"

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
