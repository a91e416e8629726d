#pragma once
#include "../LaunchPlatform.h"

class Win32LaunchPlatform : public LaunchPlatform {
public:
    StartResult Start(const LaunchCommand& command) override;
    void ShowError(const char* message) override;
    void DescribeError(unsigned long error, Text& reason) override;
    WindowHandle FindGameWindow(const char* caption) override;
    ProcessState WaitForProcess(ProcessHandle process, unsigned milliseconds) override;
    void Pause(unsigned milliseconds) override;
    void ExtractIcons(const char* file, IconHandle& bigIcon, IconHandle& smallIcon) override;
    void SetIcon(WindowHandle window, IconKind kind, IconHandle icon) override;
    void DestroyIcon(IconHandle icon) override;
    void CloseProcess(ProcessHandle process) override;
};
