/* The least a launcher can do, for comparison with Runwick: the same profile
   reads of the settings file, the same parameter string and the same
   ShellExecuteExA call, then a wait for the game's window. Plain C. */
#include <windows.h>
#include <shellapi.h>
#include <string.h>

static char file[MAX_PATH];

static void Read(const char* section, const char* key, const char* fallback, char* out, DWORD size) {
    GetPrivateProfileStringA(section, key, fallback, out, size, file);
}

static void Append(char* parameters, const char* item) {
    if (!*item) return;
    strcat(parameters, item);
    strcat(parameters, " ");
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    static const char* const options[] = {"CardNo", "Detail", "Software", "Win", "JPd", "MSd"};
    char exe[100], path[100], zpr[100], title[100], flag[6], icon[100], saves[50], more[100], option[20];
    char fullExe[MAX_PATH], fullPath[MAX_PATH] = "", parameters[1024] = " ";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("System\\*.lxf", &found);
    SHELLEXECUTEINFOA info;
    int i;
    (void)instance, (void)previous, (void)commandLine, (void)show;
    if (search != INVALID_HANDLE_VALUE) {
        GetFullPathNameA("System", MAX_PATH, file, NULL);
        strcat(file, "\\");
        strcat(file, found.cFileName);
        FindClose(search);
    }
    Read("Game", "GameExe", "no_game_exe_defined", exe, sizeof exe);
    Read("Game", "GamePath", "", path, sizeof path);
    Read("Game", "ZPR", "", zpr, sizeof zpr);
    Read("Startup", "WinTitleOld", "Quillforge", title, sizeof title);
    Read("Icon", "IC", "TRUE", flag, sizeof flag);
    Read("Icon", "Icon", "LX.ico", icon, sizeof icon);
    Read("Settings", "Savedir", "", saves, sizeof saves);
    Read("Settings", "CommandLine", "", more, sizeof more);
    Append(parameters, zpr);
    for (i = 0; i < 6; ++i) {
        Read("Tunewick", options[i], "", option, 8);
        Append(parameters, option);
    }
    Read("Tunewick", "Screen", "-d 640x480x16", option, sizeof option);
    Append(parameters, option);
    strcat(parameters, more);
    GetFullPathNameA(exe, MAX_PATH, fullExe, NULL);
    if (*path) GetFullPathNameA(path, MAX_PATH, fullPath, NULL);

    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = fullExe;
    info.lpParameters = parameters;
    info.lpDirectory = fullPath;
    info.nShow = SW_SHOW;
    if (!ShellExecuteExA(&info)) return 0;
    while (!FindWindowA(NULL, title) && WaitForSingleObject(info.hProcess, 50) == WAIT_TIMEOUT) {
    }
    CloseHandle(info.hProcess);
    return 0;
}
