// A stand-in for the game: a window captioned as [Startup] WinTitleOld of
// the game folder's settings file, showing the parameter string it was
// given and its working folder. A game author points GameExe at it to see
// what the game would receive.
//
// For tests, from the environment:
//   STANDIN_GAME_REPORT   file to write "program=", "parameters=", "folder=" and, on
//                         exit, "ended=" (Unix time in milliseconds) to;
//                         it is replaced whole at each line
//   STANDIN_GAME_SECONDS  close the window after this many seconds
//   STANDIN_GAME_CAPTION  use this caption instead
//   STANDIN_GAME_EXIT     end at once with this exit code, showing no window,
//                         as a game that fails to start does
//   STANDIN_GAME_CHILD    start itself again, with the same command line and
//                         folder but without this variable, and end at once
//                         with 0, as a game's start program does
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "../config/GameSettingsFile.h"
#include "../config/SettingsFileLocator.h"
#include "UnixTime.h"

namespace {

SettingText<Setting::WinTitleOld> caption;
FixedText<32768> parameters;
FixedText<kMaxPath> folder;
FixedText<kMaxPath> report;

// The command line is the program, quoted or not, one blank and the parameters.
const char* ParametersOf(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        for (++p; *p && *p != '"'; ++p) {
        }
        if (*p) ++p;
    } else {
        while (*p && *p != ' ' && *p != '\t') ++p;
    }
    return *p == ' ' ? p + 1 : p;
}

FixedText<33000> reportLines;

// Adds a line to the report. The report is written whole each time, into a
// file of its own renamed into place, so a reader never sees half of it.
void Report(const char* key, const char* value) {
    if (report.IsEmpty()) return;
    reportLines.Append(key);
    reportLines.Append("=");
    reportLines.Append(value);
    reportLines.Append("\n");
    FixedText<kMaxPath + 8> part(report.Get());
    part.Append(".part");
    FILE* file = std::fopen(part.Get(), "wb");
    if (!file) return;
    std::fwrite(reportLines.Get(), 1, reportLines.Length(), file);
    std::fclose(file);
    // A reader holding the report open keeps it from being replaced: try
    // again, so that no line is lost.
    for (int tries = 0; !MoveFileExA(part.Get(), report.Get(), MOVEFILE_REPLACE_EXISTING) && tries < 100; ++tries)
        Sleep(20);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT area;
            GetClientRect(window, &area);
            InflateRect(&area, -16, -16);
            FixedText<33000> text("This stands in for the game.\n\nParameters:\n\"");
            text.Append(parameters);
            text.Append("\"\n\nWorking folder:\n");
            text.Append(folder);
            SetBkMode(dc, TRANSPARENT);
            DrawTextA(dc, text.Get(), -1, &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_TIMER:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    FixedText<kMaxPath> settingsFile;
    SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
    ReadSetting(Setting::WinTitleOld, Program::Runwick, caption, settingsFile.Get());
    parameters.Set(ParametersOf(GetCommandLineA()));
    folder.Adopt(GetCurrentDirectoryA(static_cast<DWORD>(folder.Capacity()), folder.Buffer()));

    char value[kMaxPath];
    if (GetEnvironmentVariableA("STANDIN_GAME_CAPTION", value, sizeof value)) caption.Set(value);
    if (GetEnvironmentVariableA("STANDIN_GAME_REPORT", value, sizeof value)) report.Set(value);
    char program[kMaxPath];
    program[GetModuleFileNameA(nullptr, program, sizeof program) % sizeof program] = '\0';
    Report("program", program);
    Report("parameters", parameters.Get());
    Report("folder", folder.Get());
    if (GetEnvironmentVariableA("STANDIN_GAME_CHILD", value, sizeof value)) {
        SetEnvironmentVariableA("STANDIN_GAME_CHILD", nullptr);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION child = {};
        FixedText<32768> commandLine(GetCommandLineA());
        if (!CreateProcessA(program, commandLine.Buffer(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child))
            return 1;
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
        return 0;
    }
    if (GetEnvironmentVariableA("STANDIN_GAME_EXIT", value, sizeof value)) return std::atoi(value);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "StandInGame";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("StandInGame", caption.Get(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640,
                                360, nullptr, nullptr, instance, nullptr);
    if (GetEnvironmentVariableA("STANDIN_GAME_SECONDS", value, sizeof value))
        SetTimer(window, 1, static_cast<UINT>(std::atof(value) * 1000), nullptr);
    ShowWindow(window, show);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    char ended[32];
    std::snprintf(ended, sizeof ended, "%lld", UnixMilliseconds());
    Report("ended", ended);
    return 0;
}
