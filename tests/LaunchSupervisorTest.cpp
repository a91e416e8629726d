// Runwick's supervision on a fake platform, where every step is seen: what
// is reported, the order of each pass, what is released on every way out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../launcher/LaunchSupervisor.h"

#ifdef _WIN32
#include <windows.h>

#include <chrono>
#include <thread>

#include "../launcher/win32/Win32LaunchPlatform.h"
#endif

namespace {

using Steps = std::vector<std::string>;

class FakePlatform : public LaunchPlatform {
public:
    // The script: the window exists from the given look on; the process
    // runs for the given number of waits that time out.
    int windowFromLook = 1;
    int runningWaits = 1000;
    StartResult start{true, 0, reinterpret_cast<ProcessHandle>(0x50)};
    IconHandle bigIcon = reinterpret_cast<IconHandle>(0xB1);
    IconHandle smallIcon = reinterpret_cast<IconHandle>(0x51);
    Steps steps;
    std::vector<std::string> errors;
    unsigned paused = 0;

    StartResult Start(const LaunchCommand&) override {
        steps.push_back("start");
        return start;
    }
    void ShowError(const char* message) override { errors.push_back(message); }
    void DescribeError(unsigned long error, Text& reason) override {
        // The system's texts as the platform hands them out: inserts unfilled.
        const char* reasons[] = {"?", "Access is denied.", "Bad EXE format for %1.", "%1!s! or %12 is 100%% %",
                                 "%9, %0 and %10x%1!d"};
        reason.Set(reasons[error == 5 ? 1 : error == 193 ? 2 : error == 7 ? 3 : error == 8 ? 4 : 0]);
    }
    WindowHandle FindGameWindow(const char* caption) override {
        steps.push_back(std::string("find ") + caption);
        return ++looks_ >= windowFromLook ? reinterpret_cast<WindowHandle>(0x77) : nullptr;
    }
    ProcessState WaitForProcess(ProcessHandle process, unsigned milliseconds) override {
        steps.push_back("wait " + std::to_string(milliseconds));
        if (!process) return ProcessState::CheckFailed;
        return waits_++ < runningWaits ? ProcessState::Running : ProcessState::Ended;
    }
    void Pause(unsigned milliseconds) override { paused += milliseconds; }
    void ExtractIcons(const char*, IconHandle& bigOut, IconHandle& smallOut) override {
        steps.push_back("extract");
        bigOut = bigIcon;
        smallOut = smallIcon;
    }
    void SetIcon(WindowHandle, IconKind kind, IconHandle icon) override {
        steps.push_back(std::string(kind == IconKind::Big ? "big " : "small ") + Name(icon));
    }
    void DestroyIcon(IconHandle icon) override {
        if (icon) steps.push_back("destroy " + Name(icon));
    }
    void CloseProcess(ProcessHandle process) override {
        if (process) steps.push_back("close");
    }

private:
    std::string Name(IconHandle icon) const {
        if (!icon) return "none";
        return icon == bigIcon ? "B" : icon == smallIcon ? "S" : "?";
    }

    int looks_ = 0;
    int waits_ = 0;
};

LaunchCommand Command(const char* iconFlag = "TRUE") {
    LaunchCommand command;
    command.executablePath.Set("C:\\Night Run\\night.exe");
    command.windowTitle.Set("Night Run");
    command.iconFlag.Set(iconFlag);
    command.iconFile.Set("n.ico");
    return command;
}

TEST(LaunchSupervisor, KeepsTheIconWhileTheGameRunsThenReleasesEverything) {
    FakePlatform platform;
    platform.windowFromLook = 3;
    platform.runningWaits = 4;  // two while looking, two passes of icons
    LaunchSupervisor::Run(platform, LaunchOutcome::Ready, Command());
    EXPECT_EQ(platform.steps, (Steps{"start", "find Night Run", "wait 50", "find Night Run", "wait 50",
                                     "find Night Run", "extract", "wait 0", "big B", "small S", "wait 200",
                                     "big B", "small S", "wait 200", "destroy B", "destroy S", "close"}));
    EXPECT_TRUE(platform.errors.empty());
}

TEST(LaunchSupervisor, WithoutTheIconFlagItLeavesOnceTheWindowIsFound) {
    for (const char* flag : {"FALSE", "true", "True", "TRUE ", " TRUE", ""}) {
        FakePlatform platform;
        LaunchSupervisor::Run(platform, LaunchOutcome::Ready, Command(flag));
        EXPECT_EQ(platform.steps, (Steps{"start", "find Night Run", "extract", "destroy B", "destroy S", "close"}));
    }
}

TEST(LaunchSupervisor, AGameThatEndsBeforeItsWindowIsFoundIsNotWaitedFor) {
    FakePlatform platform;
    platform.windowFromLook = 1000;
    platform.runningWaits = 2;
    LaunchSupervisor::Run(platform, LaunchOutcome::Ready, Command());
    EXPECT_EQ(platform.steps, (Steps{"start", "find Night Run", "wait 50", "find Night Run", "wait 50",
                                     "find Night Run", "wait 50", "close"}));
}

TEST(LaunchSupervisor, WithoutAProcessHandleTheSearchIsBoundedAndNoIconIsSet) {
    FakePlatform platform;
    platform.start.process = nullptr;
    platform.windowFromLook = 1000000;
    LaunchSupervisor::Run(platform, LaunchOutcome::Ready, Command());
    EXPECT_GE(platform.paused, kWindowSearchWithoutProcess - kWindowSearchInterval);
    EXPECT_LE(platform.paused, kWindowSearchWithoutProcess);
    EXPECT_EQ(platform.steps.back(), "find Night Run");

    FakePlatform found;
    found.start.process = nullptr;
    LaunchSupervisor::Run(found, LaunchOutcome::Ready, Command());
    EXPECT_EQ(found.steps, (Steps{"start", "find Night Run", "extract", "wait 0", "destroy B", "destroy S"}))
        << "the first check fails: nothing is sent";
}

TEST(LaunchSupervisor, TheGameEndingBetweenTwoPassesStopsTheNextOne) {
    FakePlatform platform;
    platform.runningWaits = 1;
    LaunchSupervisor::Run(platform, LaunchOutcome::Ready, Command());
    EXPECT_EQ(platform.steps, (Steps{"start", "find Night Run", "extract", "wait 0", "big B", "small S",
                                     "wait 200", "destroy B", "destroy S", "close"}));
}

TEST(LaunchSupervisor, OnlyTheIconsTakenAreSentAndNoneNeverClearsTheGamesOwn) {
    struct IconCase {
        const char* what;
        bool big;
        bool small;
        const char* iconFile;
        Steps steps;
    };
    const IconCase cases[] = {
        {"neither icon: leave as without the flag", false, false, "n.ico",
         {"start", "find Night Run", "extract", "close"}},
        {"an icon file too long for its key is not read", true, true, "",
         {"start", "find Night Run", "close"}},
        {"only the big one", true, false, "n.ico",
         {"start", "find Night Run", "extract", "wait 0", "big B", "wait 200", "destroy B", "close"}},
        {"only the small one", false, true, "n.ico",
         {"start", "find Night Run", "extract", "wait 0", "small S", "wait 200", "destroy S", "close"}},
    };
    for (const IconCase& c : cases) {
        FakePlatform platform;
        if (!c.big) platform.bigIcon = nullptr;
        if (!c.small) platform.smallIcon = nullptr;
        platform.runningWaits = 1;
        LaunchCommand command = Command();
        command.iconFile.Set(c.iconFile);
        LaunchSupervisor::Run(platform, LaunchOutcome::Ready, command);
        EXPECT_EQ(platform.steps, c.steps) << c.what;
    }
}

TEST(LaunchSupervisor, AnEmptyCaptionIsAWindowNeverFound) {
    FakePlatform platform;
    platform.runningWaits = 2;
    LaunchCommand command = Command();
    command.windowTitle.Clear();
    LaunchSupervisor::Run(platform, LaunchOutcome::Ready, command);
    EXPECT_EQ(platform.steps, (Steps{"start", "wait 50", "wait 50", "wait 50", "close"}))
        << "no search for an untitled window; the launcher ends with the game";
}

struct ReportCase {
    LaunchOutcome outcome;
    bool started;
    unsigned long error;
    const char* message;
};

TEST(LaunchSupervisor, EachFaultIsOneBoxAndNothingElseHappens) {
    const ReportCase cases[] = {
        {LaunchOutcome::NoExecutableDefined, true, 0, "No Game Executable Defined in LXF File"},
        {LaunchOutcome::ExecutableNotFound, true, 0,
         "Game Executable Either Not Present or Defined Incorrectly in LXF File"},
        {LaunchOutcome::GamePathUnusable, true, 0, "Game Path Too Long or Defined Incorrectly in LXF File"},
        {LaunchOutcome::FolderNotNameable, true, 0,
         "The game folder's path holds letters this system cannot give to the game: move the game to a folder "
         "whose path uses only this system's letters."},
        {LaunchOutcome::Ready, false, 2, "Game Executable Either Not Present or Defined Incorrectly in LXF File"},
        {LaunchOutcome::Ready, false, 5, "Game Executable Could Not Be Started: Access is denied."},
        {LaunchOutcome::Ready, false, 193,
         "Game Executable Could Not Be Started: Bad EXE format for C:\\Night Run\\night.exe."},
        {LaunchOutcome::Ready, false, 7,
         "Game Executable Could Not Be Started: C:\\Night Run\\night.exe or C:\\Night Run\\night.exe is 100%% %"},
        // Every digit names an insert but 0; a number ends at its last digit; a format without its end stays.
        {LaunchOutcome::Ready, false, 8,
         "Game Executable Could Not Be Started: C:\\Night Run\\night.exe, %0 and C:\\Night Run\\night.exexC:\\Night "
         "Run\\night.exe!d"},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.message);
        FakePlatform platform;
        platform.start = StartResult{c.started, c.error, nullptr};
        LaunchSupervisor::Run(platform, c.outcome, Command());
        EXPECT_EQ(platform.errors, std::vector<std::string>{c.message});
        EXPECT_LE(platform.steps.size(), 1u) << "at most the start: no window is looked for";
    }
}

#ifdef _WIN32
// A window whose thread stops handling messages must not hold the launcher:
// each icon message gives up after a bounded wait.
TEST(LaunchSupervisor, AnIconSentToAHungWindowGivesUp) {
    HWND window = nullptr;
    HANDLE made = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE sent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread hung([&] {
        window = CreateWindowExA(0, "STATIC", "Hung", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        SetEvent(made);
        // Handles no message until the send has returned: far longer than
        // the send may wait, should it not give up.
        WaitForSingleObject(sent, 10000);
        DestroyWindow(window);
    });
    WaitForSingleObject(made, 5000);
    EXPECT_NE(window, nullptr);
    Win32LaunchPlatform platform;
    auto begin = std::chrono::steady_clock::now();
    platform.SetIcon(window, IconKind::Big, LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION)));
    auto waited = std::chrono::steady_clock::now() - begin;
    SetEvent(sent);
    hung.join();
    CloseHandle(made);
    CloseHandle(sent);
    // The send gives up after a second; the hung window holds it ten.
    EXPECT_LT(waited, std::chrono::milliseconds(8000));
}
#endif

}  // namespace
