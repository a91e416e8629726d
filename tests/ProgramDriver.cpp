#include "ProgramDriver.h"

#include <fstream>
#include <iterator>

std::string ProgramBeside(const char* name) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

std::wstring Wide(const std::string& text) {
    wchar_t wide[32768];
    int count = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 32768);
    return count > 0 ? std::wstring(wide, count - 1) : std::wstring();
}

RunningProgram::RunningProgram(const std::string& program, const std::string& folder)
    : RunningProgram(program, Wide(folder)) {}

// Each program runs in a job of its own, which every process it starts joins.
RunningProgram::RunningProgram(const std::string& program, const std::wstring& folder) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::wstring commandLine = L"\"" + Wide(program) + L"\"";
    job_ = CreateJobObjectA(nullptr, nullptr);
    if (CreateProcessW(Wide(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                       folder.c_str(), &startup, &info)) {
        AssignProcessToJobObject(job_, info.hProcess);
        ResumeThread(info.hThread);
        CloseHandle(info.hThread);
        process_ = info.hProcess;
        id_ = info.dwProcessId;
    }
}

RunningProgram::~RunningProgram() {
    if (job_) CloseHandle(job_);
    if (!process_) return;
    if (Running()) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

DWORD RunningProgram::ProcessesStarted() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                   nullptr))
        return 0xFFFFFFFF;
    return accounting.TotalProcesses - 1;
}

bool RunningProgram::WaitForExit(DWORD milliseconds) {
    if (WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(process_, &exitCode);
    return true;
}

std::string RunForOutput(const std::string& commandLine, const std::string& folder, DWORD& exitCode) {
    return RunForOutput(commandLine, Wide(folder), exitCode);
}

std::string RunForOutput(const std::string& commandLine, const std::wstring& folder, DWORD& exitCode) {
    return RunForOutput(Wide(commandLine), folder, exitCode);
}

std::string RunForOutput(const std::wstring& commandLine, const std::wstring& folder, DWORD& exitCode) {
    exitCode = 0xFFFFFFFF;
    // A file of its own each run, outside the game folder: under Wine the
    // console host of a console program inherits its handles and may still
    // hold the last run's file for a moment after the program has ended.
    static unsigned runs = 0;
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    std::wstring outputFile = temp + std::wstring(L"program-output-") + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(++runs) + L".txt";
    constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileW(outputFile.c_str(), GENERIC_WRITE, kShareAll, &inherit, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return "<no output file: error " + std::to_string(GetLastError()) + ">";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION info = {};
    std::wstring line = commandLine;
    std::string text;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, folder.c_str(),
                       &startup, &info)) {
        if (WaitForSingleObject(info.hProcess, 30000) == WAIT_OBJECT_0) {
            GetExitCodeProcess(info.hProcess, &exitCode);
        } else {
            TerminateProcess(info.hProcess, 1);
            text = "<did not end within 30 s: ended>\n";
        }
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    } else {
        text = "<not started: error " + std::to_string(GetLastError()) + ">\n";
    }
    CloseHandle(output);
    HANDLE in = CreateFileW(outputFile.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    char chunk[4096];
    for (DWORD got = 0; in != INVALID_HANDLE_VALUE && ReadFile(in, chunk, sizeof chunk, &got, nullptr) && got;)
        text.append(chunk, got);
    if (in != INVALID_HANDLE_VALUE) CloseHandle(in);
    DeleteFileW(outputFile.c_str());
    return text;
}

namespace {

struct DialogSearch {
    DWORD process;
    HWND other;
    HWND found;
};

BOOL CALLBACK TakeDialog(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<DialogSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner != search.process || window == search.other || !IsWindowVisible(window) ||
        std::string(className) != "#32770")
        return TRUE;
    search.found = window;
    return FALSE;
}

}  // namespace

HWND RunningProgram::WaitForDialog(DWORD milliseconds, HWND other) const {
    for (DWORD waited = 0; waited < milliseconds; waited += 20) {
        DialogSearch search{id_, other, nullptr};
        EnumWindows(TakeDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    }
    return nullptr;
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

std::string Fact(const std::string& report, const std::string& label) {
    std::size_t at = report.find("\n  " + label + "  ");
    if (at == std::string::npos) return "<no fact>";
    at = report.find_first_not_of(' ', at + 3 + label.size());
    return report.substr(at, report.find_first_of("\r\n", at) - at);
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

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[512] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide));
        char text[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
        items.push_back(text);
    }
    return items;
}

int ComboSelection(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

bool IsChecked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ChooseItem(HWND dialog, int comboId, int position) {
    HWND combo = GetDlgItem(dialog, comboId);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Click(HWND dialog, int buttonId) {
    SendMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

void PostClick(HWND dialog, int buttonId) {
    PostMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

void PressKey(HWND dialog, WPARAM key) {
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &gui);
    HWND target = gui.hwndFocus ? gui.hwndFocus : dialog;
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}
