#pragma once
// What the launch supervisor asks of the platform: starting the game,
// watching its process, finding its window, icons and the error box. Win32
// in the program; a fake in the tests, where every step can be observed.
#include "../config/FixedText.h"

struct LaunchCommand;

using ProcessHandle = void*;
using WindowHandle = void*;
using IconHandle = void*;

enum class ProcessState { Running, Ended, CheckFailed };
enum class IconKind { Small = 0, Big = 1 };  // the WM_SETICON kinds

struct StartResult {
    bool started = false;
    unsigned long error = 0;          // the platform's last error when not started
    ProcessHandle process = nullptr;  // may be none even when started
};

class LaunchPlatform {
public:
    // ShellExecuteExA with "open", the command's file, parameters and folder.
    virtual StartResult Start(const LaunchCommand& command) = 0;
    // The box: caption "Error!", system-modal, exclamation mark, OK.
    virtual void ShowError(const char* message) = 0;
    // The platform's own words for an error code, its inserts (%1) left as they are.
    virtual void DescribeError(unsigned long error, Text& reason) = 0;
    virtual WindowHandle FindGameWindow(const char* caption) = 0;
    // Waits up to milliseconds for the process to end; 0 only looks.
    virtual ProcessState WaitForProcess(ProcessHandle process, unsigned milliseconds) = 0;
    virtual void Pause(unsigned milliseconds) = 0;
    virtual void ExtractIcons(const char* file, IconHandle& bigIcon, IconHandle& smallIcon) = 0;
    virtual void SetIcon(WindowHandle window, IconKind kind, IconHandle icon) = 0;
    virtual void DestroyIcon(IconHandle icon) = 0;
    virtual void CloseProcess(ProcessHandle process) = 0;

protected:
    ~LaunchPlatform() = default;
};
