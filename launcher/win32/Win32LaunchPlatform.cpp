#include "Win32LaunchPlatform.h"

#include <windows.h>
#include <shellapi.h>

#include "../../config/win32/FirstIcon.h"
#include "../LaunchCommand.h"

StartResult Win32LaunchPlatform::Start(const LaunchCommand& command) {
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // NO_UI: the launcher's own box is the one report of a failed start.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.hwnd = nullptr;
    info.lpVerb = "open";
    info.lpFile = command.executablePath.Get();
    info.lpParameters = command.parameters.Get();
    info.lpDirectory = command.workingFolder.Get();
    info.nShow = SW_SHOW;
    StartResult result;
    result.started = ShellExecuteExA(&info) != FALSE;
    if (!result.started) result.error = GetLastError();
    result.process = result.started ? info.hProcess : nullptr;
    return result;
}

void Win32LaunchPlatform::ShowError(const char* message) {
    MessageBoxA(nullptr, message, "Error!", MB_OK | MB_ICONEXCLAMATION | MB_SYSTEMMODAL);
}

void Win32LaunchPlatform::DescribeError(unsigned long error, Text& reason) {
    // The inserts are filled by the launcher, with the program's path.
    DWORD count = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                 reason.Buffer(), static_cast<DWORD>(reason.Capacity()), nullptr);
    reason.Adopt(count);
    // The system's text ends its line; the box needs no line break after it.
    while (reason.Length() > 0 && (reason.Get()[reason.Length() - 1] == '\n' || reason.Get()[reason.Length() - 1] == '\r'))
        reason.Adopt(reason.Length() - 1);
    if (reason.IsEmpty()) {
        char code[32];
        wsprintfA(code, "error %lu", error);
        reason.Set(code);
    }
}

WindowHandle Win32LaunchPlatform::FindGameWindow(const char* caption) {
    return FindWindowA(nullptr, caption);
}

ProcessState Win32LaunchPlatform::WaitForProcess(ProcessHandle process, unsigned milliseconds) {
    switch (WaitForSingleObject(process, milliseconds)) {
        case WAIT_TIMEOUT:
            return ProcessState::Running;
        case WAIT_OBJECT_0:
            return ProcessState::Ended;
        default:
            return ProcessState::CheckFailed;
    }
}

void Win32LaunchPlatform::Pause(unsigned milliseconds) {
    Sleep(milliseconds);
}

void Win32LaunchPlatform::ExtractIcons(const char* file, IconHandle& bigIcon, IconHandle& smallIcon) {
    HICON large;
    HICON small16;
    ExtractFirstIcon(file, large, small16);
    bigIcon = large;
    smallIcon = small16;
}

// A window that stops handling messages, or one of another program that took
// the caption, must not hold the launcher past the game's end.
constexpr UINT kIconSendTimeout = 1000;

void Win32LaunchPlatform::SetIcon(WindowHandle window, IconKind kind, IconHandle icon) {
    DWORD_PTR result;
    SendMessageTimeoutA(static_cast<HWND>(window), WM_SETICON, static_cast<WPARAM>(kind),
                        reinterpret_cast<LPARAM>(icon), SMTO_ABORTIFHUNG, kIconSendTimeout, &result);
}

void Win32LaunchPlatform::DestroyIcon(IconHandle icon) {
    if (icon) ::DestroyIcon(static_cast<HICON>(icon));
}

void Win32LaunchPlatform::CloseProcess(ProcessHandle process) {
    if (process) CloseHandle(process);
}
