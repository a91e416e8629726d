#pragma once
// The objects that hold the player's choices: in the dialog, its combo boxes
// and buttons; in tests, fakes. The settings model keeps no copy of them.

class ListObject {
public:
    static constexpr int kNoSelection = -1;

    // Removes every item, and so the selection.
    virtual void Empty() = 0;
    // Adds an item after the last one.
    virtual void Add(const char* text) = 0;
    // Selects the item at position; at or beyond the end: no selection.
    virtual void Select(int position) = 0;
    virtual int Selected() const = 0;

protected:
    ~ListObject() = default;
};

class CheckObject {
public:
    virtual void Check() = 0;
    virtual bool IsChecked() const = 0;

protected:
    ~CheckObject() = default;
};

// The dialog's five lists and five check marks.
struct ChoiceControls {
    ListObject& adapter;
    ListObject& acceleration;  // describes the rendering path; never saved
    ListObject& detail;
    ListObject& resolution;
    ListObject& colourDepth;
    CheckObject& hardware;
    CheckObject& software;
    CheckObject& windowed;
    CheckObject& joypadDisabled;
    CheckObject& mouseDisabled;
};
