#include "SettingsDialog.h"

#include <shellapi.h>

#include <initializer_list>

#include "../../config/SettingsFileLocator.h"
#include "../../config/win32/FirstIcon.h"
#include "../DialogTexts.h"
#include "../SettingsModel.h"
#include "../resource.h"
#include "DialogControls.h"
#include "DialogPicture.h"

namespace {

// Everything the dialog reads lives as long as the process.
FixedText<kMaxPath> languageFile;
FixedText<kMaxPath> settingsFile;
bool settingsFileFound = false;
SettingText<Setting::Title> gameTitle;
SettingText<Setting::SettingsPic> pictureFile;
SettingText<Setting::SI> iconFlag;
SettingText<Setting::SIcon> iconFile;
StoredChoices stored;
SettingText<Setting::QFV> edition;
ListTexts listTexts;
FixedText<kCaptionCapacity> caption;
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

class DialogLabels : public LabelTarget {
public:
    explicit DialogLabels(HWND dialog) : dialog_(dialog) {}
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
    SettingsFileLocator::Locate(kLanguageFilePattern, languageFile);
    settingsFileFound = SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);

    ReadSetting(Setting::Title, Program::Tunewick, gameTitle, settingsFile.Get());
    ReadSetting(Setting::SettingsPic, Program::Tunewick, pictureFile, settingsFile.Get());
    ReadSetting(Setting::SI, Program::Tunewick, iconFlag, settingsFile.Get());
    ReadSetting(Setting::SIcon, Program::Tunewick, iconFile, settingsFile.Get());

    if (IsFlagSet(iconFlag)) {
        ExtractFirstIcon(iconFile.Get(), bigIcon, smallIcon);
        SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
        SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
    }

    DialogTexts::ComposeCaption(languageFile.Get(), gameTitle, caption);
    SetWindowTextA(dialog, caption.Get());

    DialogLabels labels(dialog);
    DialogTexts::ReadLabels(languageFile.Get(), labels);

    stored.Read(settingsFile.Get());
    ReadSetting(Setting::QFV, Program::Tunewick, edition, settingsFile.Get());
    DialogTexts::ReadListTexts(languageFile.Get(), listTexts);

    choices.Attach(dialog);
    model.Load(stored, edition, listTexts);
    return TRUE;
}

void EndSettingsDialog(HWND dialog, INT_PTR result) {
    EndDialog(dialog, result);
    DestroyWindowIcons();
}

// The player's choices stay in the dialog, so the player can try again.
void ReportSaveFailure(HWND dialog) {
    FixedText<kMaxPath + 128> message;
    if (settingsFile.IsEmpty()) {
        message.Set("The settings could not be saved: the path of the settings file is too long for Windows.");
    } else if (settingsFileFound) {
        message.Set("The settings could not be saved to\n");
        message.Append(settingsFile);
    } else {
        message.Set("The settings could not be saved: there is no settings file (*.lxf) in\n");
        message.Append(settingsFile);
    }
    MessageBoxA(dialog, message.Get(), "Error!", MB_OK | MB_ICONEXCLAMATION);
}

void OnSaveAndExit(HWND dialog) {
    if (!model.Save().WriteTo(settingsFile.Get())) {
        ReportSaveFailure(dialog);
        return;
    }
    SettingText<Setting::RunGame> runGame;
    ReadSetting(Setting::RunGame, Program::Tunewick, runGame, settingsFile.Get());
    EndSettingsDialog(dialog, IDOK);
    if (!IsFlagSet(runGame)) return;
    SettingText<Setting::LaunchExe> launchExe;
    ReadSetting(Setting::LaunchExe, Program::Tunewick, launchExe, settingsFile.Get());
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

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_PAINT:
            PaintPicture(dialog, IDC_PICTURE, pictureFile.Get());
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
