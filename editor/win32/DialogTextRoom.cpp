// The room each kind of control in Tunewick's dialog gives its text, and
// how much of a text the player reads there.
#include <windows.h>
#include <commctrl.h>

#include "DialogControls.h"
#include "OffScreenDialog.h"

namespace OffScreenDialog {
namespace {

// The room a control gives its text, asked of the control where it can
// tell: a list's item area, which clips the text it shows; a button's
// ideal width for the text (its mark or edges, its margins) less the text
// itself; otherwise its width, a frame's margins aside. The button's own
// text is put back.
long Room(HWND control, const char* kind, const char* text, long width, const TEXTMETRICA& font) {
    RECT area;
    GetClientRect(control, &area);
    COMBOBOXINFO list = {};
    list.cbSize = sizeof list;
    if (lstrcmpiA(kind, "ComboBox") == 0 && GetComboBoxInfo(control, &list))
        return list.rcItem.right - list.rcItem.left;
    if (lstrcmpiA(kind, "Button") != 0) return area.right;
    if (IsFrame(control)) return area.right - 2 * font.tmAveCharWidth;
    char own[512];
    GetWindowTextA(control, own, sizeof own);
    SIZE ideal = {0, 0};
    SetWindowTextA(control, text);
    bool asked = SendMessageA(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0;
    SetWindowTextA(control, own);
    if (asked && ideal.cx > width) return area.right - (ideal.cx - width);
    return area.right - GetSystemMetrics(SM_CXMENUCHECK) - font.tmAveCharWidth;
}

// A left-aligned static breaks its text at blanks onto lines below, which
// its height does not show: the player reads the words of its first line.
// One that centres its text vertically keeps it to one line.
bool WrapsWords(HWND control, const char* kind) {
    LONG style = GetWindowLongA(control, GWL_STYLE);
    return lstrcmpiA(kind, "Static") == 0 && (style & SS_TYPEMASK) == SS_LEFT && !(style & SS_CENTERIMAGE);
}

}  // namespace

bool MeasureText(int controlId, const char* text, TextFit& fit) {
    HWND control = Dialog() ? GetDlgItem(Dialog(), controlId) : nullptr;
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
    fit.averageCharWidth = font.tmAveCharWidth;
    fit.showsEnd = (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    // The longest part that fits, from the side the control shows; a
    // double-byte character is never split. Where the control wraps, the
    // part ends before a blank, unless its first word alone is too wide.
    bool wraps = WrapsWords(control, kind);
    fit.shown = 0;
    std::size_t word = 0;
    for (const char* c = text; *c; c = CharNextA(c)) {
        std::size_t before = static_cast<std::size_t>(c - text);
        std::size_t through = static_cast<std::size_t>(CharNextA(c) - text);
        if (fit.showsEnd && widthOf(c, -1) <= fit.room) {
            fit.shown = static_cast<std::size_t>(length) - before;
            break;
        }
        if (fit.showsEnd) continue;
        if (widthOf(text, static_cast<int>(through)) > fit.room) break;
        fit.shown = through;
        if (*c != ' ' && (text[through] == ' ' || text[through] == '\0')) word = through;
    }
    if (wraps && word && fit.shown < static_cast<std::size_t>(length)) fit.shown = word;
    SelectObject(dc, before);
    ReleaseDC(control, dc);
    return true;
}

}  // namespace OffScreenDialog
