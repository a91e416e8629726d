// The authors' check's own platform calls, made plainly on Win32.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

#include "../../editor/resource.h"
#include "../CheckPlatform.h"

namespace check_platform {

bool ChangeFolder(const char* path) {
    return SetCurrentDirectoryA(path) != FALSE;
}

bool IsFile(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
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

unsigned CountIcons(const char* path) {
    if (!IsFile(path)) return 0;
    UINT count = ExtractIconExA(path, -1, nullptr, nullptr, 0);
    return count == UINT_MAX ? 0 : count;
}

bool BitmapSize(const char* path, long& width, long& height) {
    HBITMAP picture = static_cast<HBITMAP>(LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (!picture) return false;
    BITMAP size;
    GetObjectA(picture, sizeof size, &size);
    width = size.bmWidth;
    height = size.bmHeight;
    DeleteObject(picture);
    return true;
}

std::size_t FilesTextToUtf16(const char* text, char16_t* out, std::size_t capacity) {
    int count = MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<wchar_t*>(out), static_cast<int>(capacity));
    if (count <= 0) {  // cut: the part that fits
        count = static_cast<int>(capacity);
        MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(capacity) - 1, reinterpret_cast<wchar_t*>(out), count);
    }
    out[count - 1] = 0;
    return static_cast<std::size_t>(count - 1);
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

namespace {
INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}
}  // namespace

// Tunewick's dialog from its own template, linked into this program, made
// and never shown: its frame as this system's font lays it out.
void PictureFrameSize(long& width, long& height) {
    width = 2 * 105;  // where no window can be made: as Wine lays it out
    height = 2 * 144;
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), nullptr,
                                     IgnoreMessages, 0);
    if (!dialog) return;
    RECT area;
    if (GetClientRect(GetDlgItem(dialog, IDC_PICTURE), &area)) {
        width = area.right - area.left;
        height = area.bottom - area.top;
    }
    DestroyWindow(dialog);
}

}  // namespace check_platform
