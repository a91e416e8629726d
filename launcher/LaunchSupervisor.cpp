#include "LaunchSupervisor.h"

namespace LaunchSupervisor {

void FillInserts(const char* reason, const char* program, Text& out) {
    for (const char* c = reason; *c; ++c) {
        if (c[0] != '%' || c[1] < '1' || c[1] > '9') {
            out.Append(c, 1);
            continue;
        }
        ++c;
        while (c[1] >= '0' && c[1] <= '9') ++c;
        if (c[1] == '!') {  // a printf format after the number: %1!s!
            const char* end = c + 2;
            while (*end && *end != '!') ++end;
            if (*end) c = end;
        }
        out.Append(program);
    }
}

namespace {

// False when the game ended, or no window came, before one was found. An
// empty caption names no window: it would match any untitled window of
// another program, hidden ones included.
bool WaitForWindow(LaunchPlatform& platform, ProcessHandle process, const char* caption, WindowHandle& window) {
    for (unsigned waited = 0;; waited += kWindowSearchInterval) {
        window = *caption ? platform.FindGameWindow(caption) : nullptr;
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
// the check of every later pass is also the pause between passes. An icon
// that could not be taken is not sent: a null one would clear the game's own.
void KeepIcon(LaunchPlatform& platform, ProcessHandle process, WindowHandle window, IconHandle bigIcon,
              IconHandle smallIcon) {
    for (unsigned pause = 0; platform.WaitForProcess(process, pause) == ProcessState::Running; pause = kIconInterval) {
        if (bigIcon) platform.SetIcon(window, IconKind::Big, bigIcon);
        if (smallIcon) platform.SetIcon(window, IconKind::Small, smallIcon);
    }
}

void ReportStartFailure(LaunchPlatform& platform, unsigned long error, const char* program) {
    if (error == kErrorFileNotFound) {
        platform.ShowError(kExecutableNotPresentMessage);
        return;
    }
    FixedText<400> reason;
    platform.DescribeError(error, reason);
    FixedText<kCouldNotStartMessageCapacity> message(kCouldNotStartMessage);
    FillInserts(reason.Get(), program, message);
    platform.ShowError(message.Get());
}

}  // namespace

const char* RefusalMessage(LaunchOutcome outcome) {
    switch (outcome) {
        case LaunchOutcome::NoExecutableDefined:
            return kNoExecutableMessage;
        case LaunchOutcome::ExecutableNotFound:
            return kExecutableNotPresentMessage;
        case LaunchOutcome::GamePathUnusable:
            return kGamePathUnusableMessage;
        case LaunchOutcome::FolderNotNameable:
            return kFolderNotInCodePageMessage;
        case LaunchOutcome::Ready:
            break;
    }
    return nullptr;
}

void Run(LaunchPlatform& platform, LaunchOutcome outcome, const LaunchCommand& command) {
    if (const char* refusal = RefusalMessage(outcome)) {
        platform.ShowError(refusal);
        return;
    }

    StartResult start = platform.Start(command);
    if (!start.started) {
        ReportStartFailure(platform, start.error, command.executablePath.Get());
        return;
    }

    WindowHandle window = nullptr;
    if (WaitForWindow(platform, start.process, command.windowTitle.Get(), window)) {
        IconHandle bigIcon = nullptr;
        IconHandle smallIcon = nullptr;
        if (!command.iconFile.IsEmpty()) platform.ExtractIcons(command.iconFile.Get(), bigIcon, smallIcon);
        if (KeepsIcon(command.iconFlag, bigIcon || smallIcon))
            KeepIcon(platform, start.process, window, bigIcon, smallIcon);
        platform.DestroyIcon(bigIcon);
        platform.DestroyIcon(smallIcon);
    }
    platform.CloseProcess(start.process);
}

}  // namespace LaunchSupervisor
