#include "LaunchSupervisor.h"

namespace LaunchSupervisor {

namespace {

// False when the game ended, or no window came, before one was found.
bool WaitForWindow(LaunchPlatform& platform, ProcessHandle process, const char* caption, WindowHandle& window) {
    for (unsigned waited = 0;; waited += kWindowSearchInterval) {
        window = platform.FindGameWindow(caption);
        if (window) return true;
        if (process) {
            if (platform.WaitForProcess(process, kWindowSearchInterval) != ProcessState::Running) return false;
        } else {
            if (waited >= kWindowSearchWithoutProcess) return false;
            platform.Pause(kWindowSearchInterval);
        }
    }
}

// Each pass checks the process first, then sets the big and the small icon;
// the check of every later pass is also the pause between passes.
void KeepIcon(LaunchPlatform& platform, ProcessHandle process, WindowHandle window, IconHandle bigIcon,
              IconHandle smallIcon) {
    for (unsigned pause = 0; platform.WaitForProcess(process, pause) == ProcessState::Running; pause = kIconInterval) {
        platform.SetIcon(window, IconKind::Big, bigIcon);
        platform.SetIcon(window, IconKind::Small, smallIcon);
    }
}

void ReportStartFailure(LaunchPlatform& platform, unsigned long error) {
    if (error == kErrorFileNotFound) {
        platform.ShowError(kExecutableNotPresentMessage);
        return;
    }
    FixedText<512> message(kCouldNotStartMessage);
    FixedText<400> reason;
    platform.DescribeError(error, reason);
    message.Append(reason);
    platform.ShowError(message.Get());
}

}  // namespace

void Run(LaunchPlatform& platform, LaunchOutcome outcome, const LaunchCommand& command) {
    switch (outcome) {
        case LaunchOutcome::NoExecutableDefined:
            platform.ShowError(kNoExecutableMessage);
            return;
        case LaunchOutcome::ExecutableNotFound:
            platform.ShowError(kExecutableNotPresentMessage);
            return;
        case LaunchOutcome::GamePathTooLong:
            platform.ShowError(kGamePathTooLongMessage);
            return;
        case LaunchOutcome::Ready:
            break;
    }

    StartResult start = platform.Start(command);
    if (!start.started) {
        ReportStartFailure(platform, start.error);
        return;
    }

    WindowHandle window = nullptr;
    if (WaitForWindow(platform, start.process, command.windowTitle.Get(), window)) {
        IconHandle bigIcon = nullptr;
        IconHandle smallIcon = nullptr;
        platform.ExtractIcons(command.iconFile.Get(), bigIcon, smallIcon);
        if (IsFlagSet(command.iconFlag)) KeepIcon(platform, start.process, window, bigIcon, smallIcon);
        platform.DestroyIcon(bigIcon);
        platform.DestroyIcon(smallIcon);
    }
    platform.CloseProcess(start.process);
}

}  // namespace LaunchSupervisor
