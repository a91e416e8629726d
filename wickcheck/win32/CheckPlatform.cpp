// The authors' check's own platform calls, made plainly on Win32.
#include <windows.h>
#include <shellapi.h>

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

}  // namespace check_platform
