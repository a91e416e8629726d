#pragma once
// Tunewick's one modal dialog, from template IDD_SETTINGS.
#include <windows.h>

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
