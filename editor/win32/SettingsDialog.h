#pragma once
// Tunewick's one modal dialog, from template IDD_SETTINGS.
#include <windows.h>

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

struct DialogFiles;

// What the dialog read when it opened.
const DialogFiles& SettingsDialogFiles();
