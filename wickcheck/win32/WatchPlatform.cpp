// Wickcheck --watch on Windows: Runwick's own platform, each call passed on
// as Runwick makes it and recorded with its time, and the game's top-level
// windows looked at whenever Runwick looks for its window or at the game.
#include <windows.h>

#include "../../launcher/LaunchSupervisor.h"
#include "../../launcher/win32/Win32LaunchPlatform.h"
#include "../Watch.h"

namespace Watch {
namespace {

// Where another process's window icon cannot be set (Wine), the watch says
// so rather than call the icon lost.
bool UnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class WatchingPlatform final : public LaunchPlatform {
public:
    WatchingPlatform(Timeline& timeline, unsigned limitSeconds)
        : timeline_(timeline), limit_(limitSeconds * 1000ull), start_(GetTickCount64()) {}

    StartResult Start(const LaunchCommand& command) override {
        start_ = GetTickCount64();
        StartResult result = runwick_.Start(command);
        if (result.started) {
            process_ = result.process;
            processId_ = process_ ? GetProcessId(process_) : 0;
            Add(Event::Started).text.Set(command.executablePath);
        }
        return result;
    }

    // The box's words are recorded; no box is shown.
    void ShowError(const char* message) override { Add(Event::NotStarted).text.Set(message); }

    void DescribeError(unsigned long error, Text& reason) override { runwick_.DescribeError(error, reason); }

    WindowHandle FindGameWindow(const char* caption) override {
        LookAtWindows();
        WindowHandle window = runwick_.FindGameWindow(caption);
        if (window) {
            Happening& matched = Add(Event::Matched);
            CaptionOf(static_cast<HWND>(window), matched.text);
            matched.ownedByGame = OwnedByGame(static_cast<HWND>(window));
        }
        return window;
    }

    // Past the limit the game is ended, and so are Runwick's waits.
    ProcessState WaitForProcess(ProcessHandle process, unsigned milliseconds) override {
        if (Elapsed() >= limit_ && process == process_ && !EndGame()) return ProcessState::CheckFailed;
        ProcessState state = runwick_.WaitForProcess(process, milliseconds);
        LookAtWindows();
        if (state == ProcessState::Ended) NoteEnd();
        return state;
    }

    void Pause(unsigned milliseconds) override {
        if (Elapsed() < limit_) runwick_.Pause(milliseconds);
        LookAtWindows();
    }

    void ExtractIcons(const char* file, IconHandle& bigIcon, IconHandle& smallIcon) override {
        runwick_.ExtractIcons(file, bigIcon, smallIcon);
    }

    // The first icon Runwick sends: whether the window took it.
    void SetIcon(WindowHandle window, IconKind kind, IconHandle icon) override {
        runwick_.SetIcon(window, kind, icon);
        if (iconSeen_) return;
        iconSeen_ = true;
        DWORD_PTR now = 0;
        SendMessageTimeoutA(static_cast<HWND>(window), WM_GETICON, static_cast<WPARAM>(kind), 0, SMTO_ABORTIFHUNG,
                            1000, &now);
        Happening& kept = Add(Event::IconKept);
        if (now == reinterpret_cast<DWORD_PTR>(icon))
            kept.text.Set("kept on the window while the game runs");
        else if (UnderWine())
            kept.text.Set("not seen on the window: under Wine a window icon cannot be set from another process "
                          "(on Windows Runwick keeps it)");
        else
            kept.text.Set("not taken by the window");
    }

    void DestroyIcon(IconHandle icon) override { runwick_.DestroyIcon(icon); }

    // Kept until the watch is over: the game is watched past Runwick's end.
    void CloseProcess(ProcessHandle) override {}

    // After Runwick's part: the game until it ends, or the limit.
    void WatchToTheEnd() {
        if (process_ && !ended_) {
            Add(Event::RunwickEnds);
            while (WaitForProcess(process_, 50) == ProcessState::Running) {
            }
        }
        if (process_) CloseHandle(process_);
    }

private:
    unsigned long long Elapsed() const { return GetTickCount64() - start_; }

    Happening& Add(Event event) { return timeline_.Add(event, Elapsed()); }

    // False where the game could not be ended: the watch is over all the same.
    bool EndGame() {
        if (WaitForSingleObject(process_, 0) != WAIT_TIMEOUT) return true;
        if (!limitPassed_) Add(Event::LimitPassed);
        limitPassed_ = true;
        TerminateProcess(process_, 1);
        return WaitForSingleObject(process_, 5000) == WAIT_OBJECT_0;
    }

    void NoteEnd() {
        if (ended_) return;
        ended_ = true;
        DWORD code = 0;
        GetExitCodeProcess(process_, &code);
        Happening& end = Add(Event::Ended);
        end.number = code;
        if (limitPassed_) end.text.Set("ended by Wickcheck");
    }

    bool OwnedByGame(HWND window) const {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return processId_ && owner == processId_;
    }

    static void CaptionOf(HWND window, Text& caption) {
        int length = GetWindowTextA(window, caption.Buffer(), static_cast<int>(caption.Capacity()));
        caption.Adopt(static_cast<std::size_t>(length));
    }

    // Each visible top-level window of the game's process, when it shows or
    // its caption changes.
    void LookAtWindows() {
        if (processId_) EnumWindows(LookAtWindow, reinterpret_cast<LPARAM>(this));
    }

    static BOOL CALLBACK LookAtWindow(HWND window, LPARAM self) {
        auto& watch = *reinterpret_cast<WatchingPlatform*>(self);
        if (IsWindowVisible(window) && watch.OwnedByGame(window)) watch.LookAt(window);
        return TRUE;
    }

    // A game that writes a changing caption (a frame count, say) leaves the
    // timeline room for its end: windows are recorded up to a number.
    void LookAt(HWND window) {
        FixedText<512> caption;
        CaptionOf(window, caption);
        std::size_t i = 0;
        while (i < windowCount_ && windows_[i] != window) ++i;
        if (i < windowCount_ && captions_[i].Equals(caption)) return;
        if (i == windowCount_ && windowCount_ == kMostWindows) return;
        if (i == windowCount_) windows_[windowCount_++] = window;
        captions_[i].Set(caption);
        if (windowEvents_++ < kMostWindowEvents) Add(Event::Window).text.Set(caption);
    }

    static constexpr std::size_t kMostWindows = 16;
    static constexpr std::size_t kMostWindowEvents = Timeline::kMost - 16;  // the rest for the other events
    Win32LaunchPlatform runwick_;
    Timeline& timeline_;
    unsigned long long limit_;
    unsigned long long start_;
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    bool ended_ = false;
    bool iconSeen_ = false;
    bool limitPassed_ = false;
    HWND windows_[kMostWindows] = {};
    FixedText<512> captions_[kMostWindows];
    std::size_t windowCount_ = 0;
    std::size_t windowEvents_ = 0;
};

}  // namespace

bool Possible() {
    return true;
}

void Record(LaunchOutcome outcome, const LaunchCommand& command, unsigned limitSeconds, Timeline& timeline) {
    WatchingPlatform platform(timeline, limitSeconds);
    LaunchSupervisor::Run(platform, outcome, command);
    platform.WatchToTheEnd();
}

}  // namespace Watch
