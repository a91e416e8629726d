#include "DialogPicture.h"

void DrawPicture(HWND dialog, HDC dc, int frameId, const char* bitmapFile) {
    // An empty name is no picture: LoadImageA is not asked to look for it.
    HBITMAP picture =
        *bitmapFile ? static_cast<HBITMAP>(LoadImageA(nullptr, bitmapFile, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)) : nullptr;
    if (picture) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, picture);
        BITMAP size;
        GetObjectA(picture, sizeof size, &size);

        HWND frame = GetDlgItem(dialog, frameId);
        RECT area;
        GetClientRect(frame, &area);
        POINT corner = {area.left, area.top};
        ClientToScreen(frame, &corner);
        ScreenToClient(dialog, &corner);

        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);  // HALFTONE wants the brush origin set after it
        StretchBlt(dc, corner.x, corner.y, area.right - area.left, area.bottom - area.top, source, 0, 0,
                   size.bmWidth, size.bmHeight, SRCCOPY);

        // Released at every paint: a dialog left open must not run out of GDI handles.
        SelectObject(source, previous);
        DeleteDC(source);
        DeleteObject(picture);
    }
}

void PaintPicture(HWND dialog, int frameId, const char* bitmapFile) {
    PAINTSTRUCT paint;
    DrawPicture(dialog, BeginPaint(dialog, &paint), frameId, bitmapFile);
    EndPaint(dialog, &paint);
}
