// Prints how long Tunewick takes from its start to a visible dialog in the
// demo game folder, beside a minimal dialog program built the same way.
// Usage: startup_benchmark GAME_FOLDER
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD process;
    bool found;
};

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.process || !IsWindowVisible(window)) return TRUE;
    search.found = true;
    return FALSE;
}

std::string Beside(const char* name) {
    char path[MAX_PATH];
    std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of("\\/") + 1) + name;
}

// Milliseconds from CreateProcess to a visible top-level window; the
// program is closed again.
double TimeToDialog(const std::string& program, const char* folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string commandLine = "\"" + program + "\"";
    auto start = std::chrono::steady_clock::now();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &info))
        return -1;
    Search search{info.dwProcessId, false};
    while (!search.found && WaitForSingleObject(info.hProcess, 1) == WAIT_TIMEOUT)
        EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&search));
    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    TerminateProcess(info.hProcess, 0);
    WaitForSingleObject(info.hProcess, 5000);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    return search.found ? elapsed.count() : -1;
}

double Median(const std::string& program, const char* folder) {
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) times.push_back(TimeToDialog(program, folder));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const char* folder = argc > 1 ? argv[1] : ".";
    TimeToDialog(Beside("Tunewick.exe"), folder);  // warm the caches once
    double tunewick = Median(Beside("Tunewick.exe"), folder);
    double minimal = Median(Beside("MinimalDialog.exe"), folder);
    std::printf("start to visible dialog, median of 7 under Wine: Tunewick %.0f ms, minimal dialog %.0f ms\n", tunewick,
                minimal);
    return tunewick < 0 || minimal < 0;
}
