// The authors' check's own platform calls, made plainly on Win32.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

#include "../../config/Platform.h"
#include "../../editor/win32/OffScreenDialog.h"
#include "../CheckPlatform.h"

namespace check_platform {

bool ChangeFolder(int index, const char* argument) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    bool changed = wide && index < count ? SetCurrentDirectoryW(wide[index]) : SetCurrentDirectoryA(argument);
    LocalFree(wide);
    return changed;
}

bool ReadFileBytes(const char* path, char* out, std::size_t capacity, std::size_t& size) {
    size = 0;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER whole;
    bool ok = GetFileSizeEx(file, &whole) != FALSE;
    size = ok ? static_cast<std::size_t>(whole.QuadPart) : 0;
    std::size_t wanted = size < capacity ? size : capacity;
    DWORD got = 0;
    ok = ok && ReadFile(file, out, static_cast<DWORD>(wanted), &got, nullptr) && got == wanted;
    CloseHandle(file);
    return ok;
}

void FilesTextToUtf8(const char* text, char* out) {
    // No code page's character needs a surrogate pair: one unit each, three bytes at most.
    static wchar_t units[kMostUtf8Characters + 1];
    int count = MultiByteToWideChar(CP_ACP, 0, text, -1, units, kMostUtf8Characters + 1);
    units[count > 0 ? count - 1 : kMostUtf8Characters] = 0;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, units, -1, out, 3 * kMostUtf8Characters + 1, nullptr, nullptr);
    if (bytes <= 0) out[0] = 0;
}

char LowerLetter(char letter) {
    char text[1] = {letter};
    CharLowerBuffA(text, 1);
    return text[0];
}

namespace {
UINT consoleCodePage = 0;
void RestoreConsole() {
    SetConsoleOutputCP(consoleCodePage);
}
}  // namespace

void ShowFilesTextOnConsole() {
    DWORD mode;
    if (!GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode)) return;  // not a console
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage == GetACP() || !SetConsoleOutputCP(GetACP())) return;
    std::atexit(RestoreConsole);
}

bool PictureFrameSize(long& width, long& height) {
    return OffScreenDialog::PictureFrameSize(width, height);
}

bool MeasureText(int controlId, const char* text, TextFit& fit) {
    return OffScreenDialog::MeasureText(controlId, text, fit);
}

bool WritePreview(const char* file) {
    return OffScreenDialog::WritePicture(file);
}

void CloseDialog() {
    OffScreenDialog::Close();
}

}  // namespace check_platform
