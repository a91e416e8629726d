// Wickcheck --watch on Windows: Runwick's own platform, each call passed on
// as Runwick makes it and recorded with its time, and the game's processes
// and top-level windows looked at whenever Runwick looks for its window or
// at the game.
#include <windows.h>

#include "../../../launcher/LaunchCommand.h"
#include "../../../launcher/LaunchSupervisor.h"
#include "../../../launcher/win32/Win32LaunchPlatform.h"
#include "../Watch.h"
#include "GameProcesses.h"

namespace Watch {
namespace {

// Ctrl+C, Ctrl+Break or the console's close box during the watch: the watch
// ends the game's processes as at the limit, and is over. Windows ends
// Wickcheck once the handler returns from a close (or some seconds after it
// is called): the handler waits for the game's processes to be ended first,
// and where Windows does not wait that long, the job ends them as Wickcheck
// ends (GameProcesses).
volatile LONG stopAsked = 0;
HANDLE watchOver = nullptr;  // set once the game's processes are ended, or none was started

BOOL WINAPI OnConsoleEvent(DWORD event) {
    InterlockedExchange(&stopAsked, 1);
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && watchOver)
        WaitForSingleObject(watchOver, kGraceMilliseconds + 1000);
    return TRUE;
}

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
        caption_.Set(command.windowTitle);
        start_ = GetTickCount64();
        StartResult result = runwick_.Start(command);
        if (result.started) {
            process_ = result.process;
            game_.Started(process_, timeline_, Elapsed());
            timeline_.startedProcess = process_ ? GetProcessId(process_) : 0;
            Happening& started = Add(Event::Started);
            started.program.Set(command.executablePath);
            started.process = timeline_.startedProcess;
        }
        return result;
    }

    // The box's words are recorded; no box is shown.
    void ShowError(const char* message) override { Add(Event::NotStarted).text.Set(message); }

    void DescribeError(unsigned long error, Text& reason) override { runwick_.DescribeError(error, reason); }

    WindowHandle FindGameWindow(const char* caption) override {
        LookAtGame();
        WindowHandle window = runwick_.FindGameWindow(caption);
        if (window) {
            Happening& matched = Add(Event::Matched);
            CaptionOf(static_cast<HWND>(window), matched.text);
            DWORD owner = 0;
            GetWindowThreadProcessId(static_cast<HWND>(window), &owner);
            matched.process = owner;
            GameProcesses::ProgramOf(owner, matched.program);
            matched.ownedByGame = game_.IsGames(owner);
            timeline_.titleSeen = timeline_.titleSeen || matched.ownedByGame;
        }
        return window;
    }

    // Past the limit the game is ended, and so are Runwick's waits.
    ProcessState WaitForProcess(ProcessHandle process, unsigned milliseconds) override {
        if (Stopping() && !EndGame() && process == process_) return ProcessState::CheckFailed;
        ProcessState state = runwick_.WaitForProcess(process, milliseconds);
        LookAtGame();
        return state;
    }

    void Pause(unsigned milliseconds) override {
        if (!Stopping()) runwick_.Pause(milliseconds);
        LookAtGame();
    }

    void ExtractIcons(const char* file, IconHandle& bigIcon, IconHandle& smallIcon) override {
        runwick_.ExtractIcons(file, bigIcon, smallIcon);
        timeline_.iconsTaken = bigIcon || smallIcon;
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

    // After Runwick's part: the game until its last process ends, or the limit.
    void WatchToTheEnd() {
        if (!timeline_.Has(Event::Started)) return;
        LookAtGame();
        if (game_.Running()) Add(Event::RunwickEnds);
        while (game_.Running()) {
            if (Stopping()) {
                EndGame();
                break;
            }
            Sleep(50);
            LookAtGame();
        }
        LookAtGame();
        timeline_.gameEnded = !limitPassed_;
        if (process_) CloseHandle(process_);
    }

private:
    unsigned long long Elapsed() const { return GetTickCount64() - start_; }

    bool Stopping() const { return Elapsed() >= limit_ || stopAsked; }

    Happening& Add(Event event) { return timeline_.Add(event, Elapsed()); }

    // Every process of the game, once; said only once they have ended. False
    // where one would not end: the watch is over all the same.
    bool EndGame() {
        if (limitPassed_) return endedAll_;
        limitPassed_ = true;
        bool interrupted = stopAsked && Elapsed() < limit_;
        unsigned ended = 0;
        endedAll_ = game_.EndAll(ended, kGraceMilliseconds, timeline_, Elapsed());
        LookAtGame();
        Happening& passed = Add(interrupted ? Event::Interrupted : Event::LimitPassed);
        passed.number = ended;
        if (!endedAll_) passed.text.Set("Wickcheck could not end every process of the game");
        return endedAll_;
    }

    static void CaptionOf(HWND window, Text& caption) {
        int length = GetWindowTextA(window, caption.Buffer(), static_cast<int>(caption.Capacity()));
        caption.Adopt(static_cast<std::size_t>(length));
    }

    // Whether Runwick's search by caption (FindWindowA, which is
    // FindWindowExA from the first top-level window) finds this window.
    bool FoundByCaption(HWND window) const {
        if (caption_.IsEmpty()) return false;
        for (HWND found = FindWindowExA(nullptr, nullptr, nullptr, caption_.Get()); found;
             found = FindWindowExA(nullptr, found, nullptr, caption_.Get()))
            if (found == window) return true;
        return false;
    }

    // The game's processes, then each visible top-level window of theirs,
    // when it shows or its caption changes.
    void LookAtGame() {
        game_.Look(timeline_, Elapsed());
        EnumWindows(LookAtWindow, reinterpret_cast<LPARAM>(this));
    }

    static BOOL CALLBACK LookAtWindow(HWND window, LPARAM self) {
        auto& watch = *reinterpret_cast<WatchingPlatform*>(self);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (IsWindowVisible(window) && watch.game_.IsGames(owner)) watch.LookAt(window, owner);
        return TRUE;
    }

    // A game that writes a changing caption (a frame count, say) leaves the
    // timeline room for its end: windows are recorded up to a number.
    void LookAt(HWND window, DWORD owner) {
        FixedText<512> caption;
        CaptionOf(window, caption);
        std::size_t i = 0;
        while (i < windowCount_ && windows_[i] != window) ++i;
        if (i < windowCount_ && captions_[i].Equals(caption)) return;
        if (i == windowCount_ && windowCount_ == kMostWindows) return;
        if (i == windowCount_) windows_[windowCount_++] = window;
        captions_[i].Set(caption);
        bool found = FoundByCaption(window);
        timeline_.titleSeen = timeline_.titleSeen || found;
        if (windowEvents_++ >= kMostWindowEvents) return;
        Happening& shown = Add(Event::Window);
        shown.text.Set(caption);
        shown.process = owner;
        GameProcesses::ProgramOf(owner, shown.program);
        shown.found = found;
    }

    static constexpr std::size_t kMostWindows = 16;
    static constexpr std::size_t kMostWindowEvents = Timeline::kMost / 2;  // the rest for the other events
    Win32LaunchPlatform runwick_;
    GameProcesses game_;
    Timeline& timeline_;
    unsigned long long limit_;
    unsigned long long start_;
    FixedText<512> caption_;
    HANDLE process_ = nullptr;
    bool iconSeen_ = false;
    bool limitPassed_ = false;
    bool endedAll_ = false;
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
    watchOver = CreateEventA(nullptr, TRUE, FALSE, nullptr);  // kept for the process's life
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    WatchingPlatform platform(timeline, limitSeconds);
    LaunchSupervisor::Run(platform, outcome, command);
    platform.WatchToTheEnd();
    if (watchOver) SetEvent(watchOver);
}

}  // namespace Watch
