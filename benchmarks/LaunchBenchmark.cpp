// Prints how long it takes from starting a launcher to the game's window
// existing: Runwick, beside a minimal C launcher making the same profile
// reads and the same ShellExecuteExA call, and the game started directly.
// Runs alternate, each round starting with another of the three, so that the
// machine's drift falls on all three alike.
// Usage: launch_benchmark GAME_FOLDER CAPTION [RUNS] (the folder's GameExe is
// the stand-in game, told by STANDIN_GAME_SECONDS to close soon).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Beside(const char* name) {
    char path[MAX_PATH];
    std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of("\\/") + 1) + name;
}

// Milliseconds from CreateProcess to a window with the caption; then waits
// until the program and the game have both ended.
double TimeToGameWindow(const std::string& program, const char* folder, const char* caption) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string commandLine = "\"" + program + "\"";
    auto start = std::chrono::steady_clock::now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &info))
        return -1;
    bool found = false;
    for (int polls = 0; !found && polls < 20000; ++polls) {
        found = FindWindowA(nullptr, caption) != nullptr;
        if (!found) Sleep(1);
    }
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    WaitForSingleObject(info.hProcess, 20000);
    for (int polls = 0; FindWindowA(nullptr, caption) && polls < 20000; ++polls) Sleep(1);
    Sleep(500);  // the game's process ends a little after its window; let Wine settle
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return found ? elapsed.count() : -1;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const char* folder = argv[1];
    const char* caption = argv[2];
    const std::string programs[] = {Beside("Runwick.exe"), Beside("MinimalLauncher.exe"),
                                    std::string(folder) + "\\StandInGame.exe"};
    std::vector<double> times[3];
    TimeToGameWindow(programs[0], folder, caption);  // warm the caches once
    const int kRuns = argc > 3 ? std::max(1, std::atoi(argv[3])) : 11;
    // Each round starts with another of the three, so that none always follows the same one.
    for (int run = 0; run < kRuns; ++run)
        for (int k = 0; k < 3; ++k) {
            int i = (run + k) % 3;
            times[i].push_back(TimeToGameWindow(programs[i], folder, caption));
        }
    double runwick = Median(times[0]);
    double minimal = Median(times[1]);
    double direct = Median(times[2]);
    std::printf("start to the game's window, median of %d under Wine: Runwick %.0f ms, minimal C launcher %.0f ms "
                "(Runwick %+.1f%%), the game started directly %.0f ms\n",
                kRuns, runwick, minimal, 100 * (runwick - minimal) / minimal, direct);
    return runwick < 0 || minimal < 0 || direct < 0;
}
