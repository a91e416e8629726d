// The shared logic's platform calls, made plainly on Win32.
#include <windows.h>

#include "../Platform.h"

namespace platform {

std::size_t ReadProfileValue(const char* section, const char* key, const char* fallback,
                              char* out, std::size_t capacity, const char* path) {
    return GetPrivateProfileStringA(section, key, fallback, out, static_cast<DWORD>(capacity),
                                    path);
}

bool WriteProfileValue(const char* section, const char* key, const char* value,
                        const char* path) {
    return WritePrivateProfileStringA(section, key, value, path) != FALSE;
}

bool SearchEntries(const char* pattern, bool (*visit)(const FoundEntry&, void* context),
                   void* context) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
        FoundEntry entry{data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
        if (visit(entry, context)) break;
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return true;
}

// Both path conversions return the length without terminator on success and
// the size needed (or 0) when the buffer is too small or the call fails.
static bool TakePath(DWORD result, Text& out) {
    if (result == 0 || result >= out.Capacity()) {
        out.Clear();
        return false;
    }
    out.Adopt(result);
    return true;
}

bool FullPath(const char* path, Text& out) {
    return TakePath(GetFullPathNameA(path, static_cast<DWORD>(out.Capacity()), out.Buffer(), nullptr),
                    out);
}

bool ShortPath(const char* path, Text& out) {
    return TakePath(GetShortPathNameA(path, out.Buffer(), static_cast<DWORD>(out.Capacity())), out);
}

bool KeepsShortNames() {
    return true;
}

bool IsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool ParentIsFolder(const char* fullPath) {
    FixedText<kMaxPath> parent(fullPath);
    char* last = nullptr;
    for (char* c = parent.Buffer(); *c; ++c)
        if ((*c == '\\' || *c == '/') && c[1]) last = c;  // a trailing separator names the folder itself
    if (!last) return false;
    last[1] = '\0';  // keep the separator: "C:\" is a folder, "C:" a drive's current one
    parent.Adopt(static_cast<std::size_t>(last + 1 - parent.Buffer()));
    return IsFolder(parent.Get());
}

bool CreateFolder(const char* path) {
    return CreateDirectoryA(path, nullptr) != FALSE;
}

// A wide path in the ANSI code page, only where it converts there and back
// unchanged: no letter replaced by '?' or by a look-alike.
static bool ConvertsToCodePage(const wchar_t* wide, Text& out) {
    // A UTF-8 code page takes no default character; the way back tells it.
    BOOL defaultUsed = FALSE;
    bool utf8 = GetACP() == CP_UTF8;
    int count = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, -1, out.Buffer(),
                                    static_cast<int>(out.Capacity()), nullptr, utf8 ? nullptr : &defaultUsed);
    out.Adopt(count > 0 ? static_cast<std::size_t>(count - 1) : 0);
    if (count <= 0 || defaultUsed) return false;
    wchar_t back[kMaxPath];
    return MultiByteToWideChar(CP_ACP, 0, out.Get(), -1, back, kMaxPath) > 0 && lstrcmpW(back, wide) == 0;
}

FolderNaming NameCurrentFolder() {
    wchar_t folder[kMaxPath];
    DWORD length = GetCurrentDirectoryW(kMaxPath, folder);
    FixedText<kMaxPath> ansi;
    if (length == 0 || length >= kMaxPath || ConvertsToCodePage(folder, ansi)) return FolderNaming::InCodePage;
    // Where the drive keeps no 8.3 names, the long name comes back, and does not convert either.
    wchar_t shortForm[kMaxPath];
    length = GetShortPathNameW(folder, shortForm, kMaxPath);
    if (length == 0 || length >= kMaxPath || !ConvertsToCodePage(shortForm, ansi) || !SetCurrentDirectoryW(shortForm))
        return FolderNaming::None;
    return FolderNaming::ShortForm;
}

unsigned AnsiCodePage() {
    return GetACP();
}

}  // namespace platform
