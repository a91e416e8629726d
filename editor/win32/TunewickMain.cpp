// Tunewick: the game's settings, in one modal dialog. No arguments; it
// always exits with 0, whatever the dialog's result.
#include <windows.h>

#include "../../config/GameFolderName.h"
#include "../../config/Platform.h"
#include "../resource.h"
#include "SettingsDialog.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Every path the dialog reads and writes, and LaunchExe's working folder, start here.
    if (platform::NameCurrentFolder() == platform::FolderNaming::None) {
        MessageBoxA(nullptr, kFolderNotInCodePageMessage, "Error!", MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    UseCurrentControls();
    DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, SettingsDialogProc, 0);
    return 0;
}
