#include "ProgramDriver.h"

#include <fstream>

std::string ProgramBeside(const char* name) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

RunningProgram::RunningProgram(const std::string& program, const std::string& folder) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string commandLine = "\"" + program + "\"";
    if (CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &info)) {
        CloseHandle(info.hThread);
        process_ = info.hProcess;
    }
}

RunningProgram::~RunningProgram() {
    if (!process_) return;
    if (Running()) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

bool RunningProgram::WaitForExit(DWORD milliseconds) {
    if (WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_, &exitCode);
    return true;
}

HWND WaitForWindow(const char* caption, DWORD milliseconds) {
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        if (HWND window = FindWindowA(nullptr, caption)) return window;
        Sleep(20);
    }
    return nullptr;
}

std::string WindowText(HWND window) {
    wchar_t wide[1024] = {};
    GetWindowTextW(window, wide, 1024);
    char text[2048] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

long long UnixMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks;
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    return static_cast<long long>((ticks.QuadPart - 116444736000000000ULL) / 10000);
}

std::map<std::string, std::string> ReadReport(const std::string& path) {
    std::map<std::string, std::string> report;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::size_t equals = line.find('=');
        if (equals != std::string::npos) report[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return report;
}
