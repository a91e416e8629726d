// A picture of Tunewick's dialog as the players will see it on this system:
// the dialog and its controls print themselves into a bitmap of its client
// area, and the game's picture is drawn into its frame as the dialog draws it.
#include <windows.h>

#include <initializer_list>

#include "../DialogLoad.h"
#include "../resource.h"
#include "DialogControls.h"
#include "DialogPicture.h"
#include "OffScreenDialog.h"
#include "SettingsDialog.h"

namespace OffScreenDialog {
namespace {

bool WriteBitmap(const char* file, const BITMAPINFOHEADER& format, const void* pixels, DWORD pixelBytes) {
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof header + sizeof format;
    header.bfSize = header.bfOffBits + pixelBytes;
    HANDLE out = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(out, &header, sizeof header, &written, nullptr) &&
              WriteFile(out, &format, sizeof format, &written, nullptr) &&
              WriteFile(out, pixels, pixelBytes, &written, nullptr) && written == pixelBytes;
    return CloseHandle(out) && ok;
}

// The dialog's client area, then its frames, then every other control, the
// lowest first. A themed control paints its parent's background behind it
// first: each paints only within its own place.
void PrintDialog(HWND dialog, HDC dc) {
    SendMessageA(dialog, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    for (bool frames : {true, false}) {
        for (HWND control = GetWindow(GetWindow(dialog, GW_CHILD), GW_HWNDLAST); control;
             control = GetWindow(control, GW_HWNDPREV)) {
            if (!(GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) || IsFrame(control) != frames) continue;
            RECT place;
            GetWindowRect(control, &place);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
            // Each control prints into a picture of its own size, then goes into its place.
            int width = place.right - place.left;
            int height = place.bottom - place.top;
            HDC own = CreateCompatibleDC(dc);
            HBITMAP ownPicture = CreateCompatibleBitmap(dc, width, height);
            HGDIOBJ before = SelectObject(own, ownPicture);
            BitBlt(own, 0, 0, width, height, dc, place.left, place.top, SRCCOPY);
            SendMessageA(control, WM_PRINT, reinterpret_cast<WPARAM>(own), PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN);
            BitBlt(dc, place.left, place.top, width, height, own, 0, 0, SRCCOPY);
            SelectObject(own, before);
            DeleteObject(ownPicture);
            DeleteDC(own);
        }
    }
}

}  // namespace

bool WritePicture(const char* file) {
    HWND dialog = Dialog();
    if (!dialog) return false;
    RECT area;
    GetClientRect(dialog, &area);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = area.right;
    info.bmiHeader.biHeight = area.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ before = SelectObject(memory, picture);
    bool ok = picture != nullptr;
    if (ok) PrintDialog(dialog, memory);
    if (ok) DrawPicture(dialog, memory, IDC_PICTURE, SettingsDialogFiles().pictureFile.Get());
    GdiFlush();
    DWORD rowBytes = (static_cast<DWORD>(info.bmiHeader.biWidth) * 3 + 3) & ~3u;
    ok = ok && WriteBitmap(file, info.bmiHeader, pixels, rowBytes * static_cast<DWORD>(info.bmiHeader.biHeight));
    SelectObject(memory, before);
    DeleteDC(memory);
    if (picture) DeleteObject(picture);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace OffScreenDialog
