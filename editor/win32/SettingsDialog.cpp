#include "SettingsDialog.h"

#include <commctrl.h>
#include <shellapi.h>

#include <initializer_list>

#include "../../config/win32/FirstIcon.h"
#include "../DialogLoad.h"
#include "../resource.h"
#include "DialogControls.h"
#include "DialogPicture.h"

namespace {

// Everything the dialog reads lives as long as the process.
DialogFiles files;
HICON bigIcon = nullptr;
HICON smallIcon = nullptr;

struct DialogChoices {
    ComboList adapter{IDC_ADAPTER};
    ComboList acceleration{IDC_ACCELERATION};
    ComboList detail{IDC_DETAIL};
    ComboList resolution{IDC_RESOLUTION};
    ComboList colourDepth{IDC_COLOUR_DEPTH};
    CheckButton hardware{IDC_HARDWARE};
    CheckButton software{IDC_SOFTWARE};
    CheckButton windowed{IDC_WINDOWED};
    CheckButton joypadDisabled{IDC_DISABLE_JOYPAD};
    CheckButton mouseDisabled{IDC_DISABLE_MOUSE};

    void Attach(HWND dialog) {
        for (ComboList* list : {&adapter, &acceleration, &detail, &resolution, &colourDepth}) list->Attach(dialog);
        for (CheckButton* check : {&hardware, &software, &windowed, &joypadDisabled, &mouseDisabled})
            check->Attach(dialog);
    }
} choices;

SettingsModel model(ChoiceControls{choices.adapter, choices.acceleration, choices.detail, choices.resolution,
                                   choices.colourDepth, choices.hardware, choices.software, choices.windowed,
                                   choices.joypadDisabled, choices.mouseDisabled});

class Window : public DialogWindow {
public:
    explicit Window(HWND dialog) : dialog_(dialog) {}
    void SetWindowIcons(const char* iconFile) override {
        ExtractFirstIcon(iconFile, bigIcon, smallIcon);
        SendMessageA(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
        SendMessageA(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    }
    void SetCaption(const Text& caption) override { SetWindowTextA(dialog_, caption.Get()); }
    void SetLabel(int controlId, const Text& text) override { SetDlgItemTextA(dialog_, controlId, text.Get()); }

private:
    HWND dialog_;
};

void DestroyWindowIcons() {
    if (bigIcon) DestroyIcon(bigIcon);
    if (smallIcon) DestroyIcon(smallIcon);
    bigIcon = smallIcon = nullptr;
}

BOOL OnInitDialog(HWND dialog) {
    choices.Attach(dialog);
    Window window(dialog);
    DialogLoad::Load(files, window, model);
    return TRUE;
}

void EndSettingsDialog(HWND dialog, INT_PTR result) {
    EndDialog(dialog, result);
    DestroyWindowIcons();
}

// The player's choices stay in the dialog, so the player can try again.
void ReportSaveFailure(HWND dialog) {
    FixedText<kMaxPath + 128> message;
    const Text& settingsFile = files.settingsFile;
    if (settingsFile.IsEmpty()) {
        message.Set("The settings could not be saved: the path of the settings file is too long for Windows.");
    } else if (files.settingsFileFound) {
        message.Set("The settings could not be saved to\n");
        message.Append(settingsFile);
    } else {
        message.Set("The settings could not be saved: there is no settings file (*.lxf) in\n");
        message.Append(settingsFile);
    }
    MessageBoxA(dialog, message.Get(), "Error!", MB_OK | MB_ICONEXCLAMATION);
}

void OnSaveAndExit(HWND dialog) {
    if (!model.Save().WriteTo(files.settingsFile.Get())) {
        ReportSaveFailure(dialog);
        return;
    }
    EndSettingsDialog(dialog, IDOK);
    SettingText<Setting::LaunchExe> launchExe;
    if (DialogLoad::ProgramAfterSave(files.settingsFile.Get(), launchExe) == DialogLoad::AfterSave::OpensLaunchExe)
        ShellExecuteA(nullptr, "open", launchExe.Get(), nullptr, nullptr, SW_SHOW);
}

// Dispatched on the control alone, whatever the notification.
void OnCommand(HWND dialog, int id) {
    switch (id) {
        case IDC_SOFTWARE:
            model.SoftwareCommand();
            break;
        case IDC_HARDWARE:
            model.HardwareCommand();
            break;
        case IDC_DETAIL:
            model.DetailCommand();
            break;
        case IDOK:
            OnSaveAndExit(dialog);
            break;
        case IDCANCEL:
            EndSettingsDialog(dialog, IDCANCEL);
            break;
    }
}

}  // namespace

void UseCurrentControls() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

const DialogFiles& SettingsDialogFiles() {
    return files;
}

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_PAINT:
            PaintPicture(dialog, IDC_PICTURE, files.pictureFile.Get());
            return TRUE;
        case WM_CLOSE:
            EndSettingsDialog(dialog, 0);
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam));
            return TRUE;
    }
    return FALSE;
}
