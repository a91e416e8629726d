#pragma once
// Starting the project's programs as a player would, in a game folder, and
// watching the windows they show. Windows only: these tests run under Wine.
#include <windows.h>

#include "../standin-game/UnixTime.h"

#include <map>
#include <string>
#include <vector>

// The path of a program built beside the test program.
std::string ProgramBeside(const char* name);

class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::string& folder);
    // In a folder named in any script.
    RunningProgram(const std::string& program, const std::wstring& folder);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const { return process_ != nullptr; }
    // True when it ended within the time; its exit code then is in exitCode.
    bool WaitForExit(DWORD milliseconds);
    bool Running() { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    // Its visible dialog (or message box), polled for; null after the time.
    HWND WaitForDialog(DWORD milliseconds, HWND other = nullptr) const;
    // How many processes it has started, itself aside: once it has ended,
    // nothing it did can start another.
    DWORD ProcessesStarted() const;
    // Ends whatever it started that still runs.
    void EndWhatItStarted() { TerminateJobObject(job_, 1); }
    DWORD exitCode = 0xFFFFFFFF;

private:
    HANDLE job_ = nullptr;
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// Runs a console program in the folder until it ends; what it printed, and
// its exit code in exitCode (0xFFFFFFFF when it did not end in time).
std::string RunForOutput(const std::string& commandLine, const std::string& folder, DWORD& exitCode);
std::string RunForOutput(const std::string& commandLine, const std::wstring& folder, DWORD& exitCode);
std::string RunForOutput(const std::wstring& commandLine, const std::wstring& folder, DWORD& exitCode);

// A path in the ANSI code page, as the programs' ANSI calls hand it over, in UTF-16.
std::wstring Wide(const std::string& text);

// Polls for a top-level window with the caption; null after the time.
HWND WaitForWindow(const char* caption, DWORD milliseconds);

// A window's text, read through the wide call that works across processes.
std::string WindowText(HWND window);

// A combo box's items and selection, read as a test program can under Wine.
std::vector<std::string> ComboItems(HWND combo);
int ComboSelection(HWND combo);
bool IsChecked(HWND button);

// The player's acts. A posted click returns at once, for a click that may
// open a message box.
void ChooseItem(HWND dialog, int comboId, int position);
void Click(HWND dialog, int buttonId);
void PostClick(HWND dialog, int buttonId);
// A key pressed on the control that has the keyboard focus.
void PressKey(HWND dialog, WPARAM key);


// The value of a fact of Wickcheck's text report: "  label   value".
std::string Fact(const std::string& report, const std::string& label);

// key=value lines of a file.
std::map<std::string, std::string> ReadReport(const std::string& path);
