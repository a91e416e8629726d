// The authors' check's own platform calls, made plainly on Win32.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

#include "../../../config/Platform.h"
#include "../../../editor/win32/OffScreenDialog.h"
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

// A language file is read in an ANSI code page: UTF-7 and UTF-8 are none.
bool ConvertsToCodePage(unsigned codePage) {
    return codePage != CP_UTF7 && codePage != CP_UTF8 && IsValidCodePage(codePage) != FALSE;
}

// The first character of the text the code page cannot hold, converted one
// by one (a surrogate pair as one).
void FindUnconvertible(const wchar_t* units, unsigned codePage, Unconvertible& bad) {
    for (const wchar_t* u = units; *u; ++u) {
        int count = (*u >= 0xD800 && *u < 0xDC00 && u[1]) ? 2 : 1;
        char bytes[16];
        BOOL usedDefault = FALSE;
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, u, count, bytes, sizeof bytes, nullptr, &usedDefault);
        if (!usedDefault) {
            u += count - 1;
            continue;
        }
        bad.codePoint = count == 2 ? 0x10000 + ((u[0] - 0xD800) << 10) + (u[1] - 0xDC00) : *u;
        int length = WideCharToMultiByte(CP_UTF8, 0, u, count, bad.utf8, sizeof bad.utf8 - 1, nullptr, nullptr);
        bad.utf8[length > 0 ? length : 0] = '\0';
        return;
    }
}

Conversion Utf8ToCodePage(const char* utf8, unsigned codePage, Text& out, Unconvertible& bad) {
    static wchar_t units[4096];
    int count = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, units, 4096);
    if (count <= 0) return Conversion::NotText;
    for (int i = 0; i < count; ++i)
        if (units[i] == L'\n' || units[i] == L'\r') return Conversion::NotText;
    char bytes[8192];
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, units, -1, bytes, sizeof bytes, nullptr, &usedDefault);
    if (usedDefault) {
        FindUnconvertible(units, codePage, bad);
        return Conversion::NotInCodePage;
    }
    if (length <= 0) return Conversion::Refused;
    if (static_cast<std::size_t>(length - 1) >= out.Capacity()) return Conversion::TooLong;
    out.Set(bytes);
    return Conversion::Done;
}

bool WriteFileWhole(const char* path, const char* bytes, std::size_t size) {
    FixedText<kMaxPath + 8> beside(path);
    beside.Append(".part");
    // Made new: CREATE_NEW opens no existing name, a link among them.
    HANDLE file = CreateFileA(beside.Get(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr) && written == size &&
              FlushFileBuffers(file);
    ok = CloseHandle(file) && ok;
    ok = ok && MoveFileExA(beside.Get(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileA(beside.Get());
    return ok;
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

void ShowOnConsole(UINT codePage) {
    DWORD mode;
    if (!GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode)) return;  // not a console
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage == codePage || !SetConsoleOutputCP(codePage)) return;
    std::atexit(RestoreConsole);
}
}  // namespace

const Unseen* NotSeenHere(std::size_t& count) {
    count = 0;
    return nullptr;
}

void ShowFilesTextOnConsole() {
    ShowOnConsole(GetACP());
}

void ShowUtf8OnConsole() {
    ShowOnConsole(CP_UTF8);
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
