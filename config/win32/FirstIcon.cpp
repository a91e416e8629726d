#include "FirstIcon.h"

#include <shellapi.h>

void ExtractFirstIcon(const char* file, HICON& bigIcon, HICON& smallIcon) {
    bigIcon = smallIcon = nullptr;
    UINT extracted = ExtractIconExA(file, 0, &bigIcon, &smallIcon, 1);
    if (extracted == 0 || extracted == UINT_MAX) bigIcon = smallIcon = nullptr;
}
