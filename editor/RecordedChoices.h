#pragma once
// Lists and check marks that keep the rules of the dialog's controls and
// only remember: for Tunewick's model without its window, in the authors'
// check and in the tests. Items are the model's own texts, which live as
// long as the model.
#include "ChoiceControls.h"

class RecordedList : public ListObject {
public:
    static constexpr int kMost = 16;  // more than any list of the dialog holds

    void Empty() override {
        count_ = 0;
        selection = kNoSelection;
    }
    void Add(const char* text) override {
        if (count_ < kMost) items_[count_++] = text;
    }
    void Select(int position) override { selection = position >= 0 && position < count_ ? position : kNoSelection; }
    int Selected() const override { return selection; }

    int Count() const { return count_; }
    const char* Item(int position) const { return items_[position]; }

    int selection = kNoSelection;

private:
    const char* items_[kMost] = {};
    int count_ = 0;
};

class RecordedCheck : public CheckObject {
public:
    void Check() override { checked = true; }
    bool IsChecked() const override { return checked; }

    bool checked = false;
};

struct RecordedChoices {
    RecordedList adapter, acceleration, detail, resolution, colourDepth;
    RecordedCheck hardware, software, windowed, joypadDisabled, mouseDisabled;

    ChoiceControls Controls() {
        return ChoiceControls{adapter,  acceleration, detail,   resolution,     colourDepth,
                              hardware, software,     windowed, joypadDisabled, mouseDisabled};
    }
};
