#pragma once
// Icon number 0 of a file (an icon file, or a program or library holding
// icon resources) in its large and small size.
#include <windows.h>

// Both none when the file has no icon: the platform may leave its outputs
// undefined then (Wine writes stray values), and they must never be used.
void ExtractFirstIcon(const char* file, HICON& bigIcon, HICON& smallIcon);
