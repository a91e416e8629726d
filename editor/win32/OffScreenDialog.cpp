#include "OffScreenDialog.h"

#include "../resource.h"
#include "SettingsDialog.h"

namespace OffScreenDialog {

namespace {
HWND dialog = nullptr;
bool made = false;
}  // namespace

HWND Dialog() {
    if (!made) {
        made = true;
        UseCurrentControls();  // as Tunewick does
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), nullptr,
                                    SettingsDialogProc, 0);
        // Controls draw themselves only in a window that shows: far off the screen, never active.
        if (dialog) SetWindowPos(dialog, HWND_BOTTOM, -32000, -32000, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    return dialog;
}

void Close() {
    if (dialog) DestroyWindow(dialog);
    dialog = nullptr;
    made = false;
}

bool PictureFrameSize(long& width, long& height) {
    RECT area;
    if (!Dialog() || !GetClientRect(GetDlgItem(Dialog(), IDC_PICTURE), &area)) return false;
    width = area.right - area.left;
    height = area.bottom - area.top;
    return true;
}

}  // namespace OffScreenDialog
