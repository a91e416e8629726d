#pragma once
#include <windows.h>

// Paints the dialog: the bitmap file, loaded afresh, stretched smoothly into
// the client area of the frame control. Nothing without a readable bitmap.
void PaintPicture(HWND dialog, int frameId, const char* bitmapFile);
