#pragma once
#include <windows.h>

// Draws the bitmap file, loaded afresh, stretched smoothly into the client
// area of the frame control, on the dialog's DC. Nothing without a readable
// bitmap.
void DrawPicture(HWND dialog, HDC dc, int frameId, const char* bitmapFile);

// Paints the dialog: the picture, as above.
void PaintPicture(HWND dialog, int frameId, const char* bitmapFile);
