#include "JsonText.h"

#include <cstdio>

#include "../check/CheckPlatform.h"

void PrintJsonString(const char* text) {
    static char utf8[3 * check_platform::kMostUtf8Characters + 1];
    check_platform::FilesTextToUtf8(text, utf8);
    std::putchar('"');
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(utf8); *c; ++c) {
        if (*c == '"' || *c == '\\')
            std::printf("\\%c", *c);
        else if (*c < 0x20 || *c == 0x7f)
            std::printf("\\u%04x", *c);
        else
            std::putchar(*c);
    }
    std::putchar('"');
}

void PrintJsonField(const char* before, const char* text) {
    std::fputs(before, stdout);
    PrintJsonString(text);
}
