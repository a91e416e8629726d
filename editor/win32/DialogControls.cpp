#include "DialogControls.h"

void ComboList::Empty() {
    SendDlgItemMessageA(dialog_, id_, CB_RESETCONTENT, 0, 0);
}

void ComboList::Add(const char* text) {
    SendDlgItemMessageA(dialog_, id_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

// A position past the end must clear the selection; Wine would keep the old
// one if asked for the position itself.
void ComboList::Select(int position) {
    LRESULT count = SendDlgItemMessageA(dialog_, id_, CB_GETCOUNT, 0, 0);
    if (position < 0 || position >= count) position = -1;
    SendDlgItemMessageA(dialog_, id_, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

int ComboList::Selected() const {
    LRESULT selected = SendDlgItemMessageA(dialog_, id_, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? kNoSelection : static_cast<int>(selected);
}

void CheckButton::Check() {
    SendDlgItemMessageA(dialog_, id_, BM_SETCHECK, BST_CHECKED, 0);
}

bool CheckButton::IsChecked() const {
    return SendDlgItemMessageA(dialog_, id_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
