// The authors' check's own platform calls, made plainly on Win32.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <cstdlib>

#include "../../config/Platform.h"
#include "../../editor/resource.h"
#include "../CheckPlatform.h"

namespace check_platform {

bool ChangeFolder(const char* path) {
    return SetCurrentDirectoryA(path) != FALSE;
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
    if (!platform::IsFile(path)) return 0;
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

void FilesTextToUtf8(const char* text, char* out) {
    // No code page's character needs a surrogate pair: one unit each, three bytes at most.
    static wchar_t units[kMostUtf8Characters + 1];
    int count = MultiByteToWideChar(CP_ACP, 0, text, -1, units, kMostUtf8Characters + 1);
    units[count > 0 ? count - 1 : kMostUtf8Characters] = 0;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, units, -1, out, 3 * kMostUtf8Characters + 1, nullptr, nullptr);
    if (bytes <= 0) out[0] = 0;
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

void PrepareDialogs() {
    // The current controls, as Tunewick takes them from the common controls library.
    static INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    static bool prepared = InitCommonControlsEx(&controls);
    (void)prepared;
}

namespace {
INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Tunewick's dialog from its own template, linked into this program, made
// once and never shown: its controls as this system's font lays them out.
HWND SettingsDialog() {
    static HWND dialog = nullptr;
    static bool made = false;
    if (!made) {
        made = true;
        PrepareDialogs();
        dialog = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, IgnoreMessages,
                                    0);
    }
    return dialog;
}

// The room a control gives its text, asked of the control where it can
// tell: a list's item area, which clips the text it shows; a
// button's ideal width for the text (its mark or edges, its margins) less
// the text itself; otherwise its width, a frame's margins aside.
long Room(HWND control, const char* kind, const char* text, long width, const TEXTMETRICA& font) {
    RECT area;
    GetClientRect(control, &area);
    COMBOBOXINFO list = {};
    list.cbSize = sizeof list;
    if (lstrcmpiA(kind, "ComboBox") == 0 && GetComboBoxInfo(control, &list))
        return list.rcItem.right - list.rcItem.left;
    if (lstrcmpiA(kind, "Button") != 0) return area.right;
    if ((GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) return area.right - 2 * font.tmAveCharWidth;
    SIZE ideal = {0, 0};
    SetWindowTextA(control, text);
    if (SendMessageA(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) && ideal.cx > width)
        return area.right - (ideal.cx - width);
    return area.right - GetSystemMetrics(SM_CXMENUCHECK) - font.tmAveCharWidth;
}

}  // namespace

void PictureFrameSize(long& width, long& height) {
    width = 2 * 105;  // where no window can be made: as Wine lays it out
    height = 2 * 144;
    RECT area;
    if (SettingsDialog() && GetClientRect(GetDlgItem(SettingsDialog(), IDC_PICTURE), &area)) {
        width = area.right - area.left;
        height = area.bottom - area.top;
    }
}

bool MeasureText(int controlId, const char* text, TextFit& fit) {
    HWND control = SettingsDialog() ? GetDlgItem(SettingsDialog(), controlId) : nullptr;
    if (!control) return false;
    char kind[16] = {};
    GetClassNameA(control, kind, sizeof kind);
    // A list shows '&' as it stands; every other control marks the next letter with it.
    UINT format = DT_SINGLELINE | DT_CALCRECT | (lstrcmpiA(kind, "ComboBox") == 0 ? DT_NOPREFIX : 0);
    HDC dc = GetDC(control);
    HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA font;
    GetTextMetricsA(dc, &font);
    auto widthOf = [&](const char* part, int count) {
        RECT extent = {0, 0, 0, 0};
        DrawTextA(dc, part, count, &extent, format);
        return extent.right - extent.left;
    };
    // Its ink: a last character's blank after its glyph may fall outside.
    fit.width = widthOf(text, -1);
    ABC last;
    int length = lstrlenA(text);
    if (length && !IsDBCSLeadByte(static_cast<BYTE>(text[length - 1])) &&
        GetCharABCWidthsA(dc, static_cast<BYTE>(text[length - 1]), static_cast<BYTE>(text[length - 1]), &last) &&
        last.abcC > 0)
        fit.width -= last.abcC;
    fit.room = Room(control, kind, text, fit.width, font);
    fit.showsEnd = (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    // The longest part that fits, from the side the control shows; a
    // double-byte character is never split.
    fit.shown = 0;
    for (const char* c = text; *c; c = CharNextA(c)) {
        std::size_t before = static_cast<std::size_t>(c - text);
        std::size_t through = static_cast<std::size_t>(CharNextA(c) - text);
        if (fit.showsEnd && widthOf(c, -1) <= fit.room) {
            fit.shown = static_cast<std::size_t>(length) - before;
            break;
        }
        if (!fit.showsEnd && widthOf(text, static_cast<int>(through)) > fit.room) break;
        if (!fit.showsEnd) fit.shown = through;
    }
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return true;
}

}  // namespace check_platform
