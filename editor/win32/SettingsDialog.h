#pragma once
// Tunewick's one modal dialog, from template IDD_SETTINGS.
#include <windows.h>

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the dialog's controls the current ones: the visual styles come with
// the common controls library.
void UseCurrentControls();

struct DialogFiles;

// What the dialog read when it opened.
const DialogFiles& SettingsDialogFiles();
