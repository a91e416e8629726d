#pragma once
// The settings dialog's combo boxes and buttons as the settings model's list
// and check objects: the choices live in the controls alone.
#include <windows.h>

#include "../ChoiceControls.h"

class ComboList : public ListObject {
public:
    explicit ComboList(int id) : id_(id) {}
    void Attach(HWND dialog) { dialog_ = dialog; }
    void Empty() override;
    void Add(const char* text) override;
    void Select(int position) override;
    int Selected() const override;

private:
    HWND dialog_ = nullptr;
    int id_;
};

class CheckButton : public CheckObject {
public:
    explicit CheckButton(int id) : id_(id) {}
    void Attach(HWND dialog) { dialog_ = dialog; }
    void Check() override;
    bool IsChecked() const override;

private:
    HWND dialog_ = nullptr;
    int id_;
};

// A group box: a frame drawn around controls, its text in its top edge.
inline bool IsFrame(HWND control) {
    char kind[16] = {};
    GetClassNameA(control, kind, sizeof kind);
    return lstrcmpiA(kind, "Button") == 0 && (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}
