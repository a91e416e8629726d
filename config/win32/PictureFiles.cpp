#include "../PictureFiles.h"

#include <windows.h>
#include <shellapi.h>

#include "../Platform.h"

namespace platform {

unsigned CountIcons(const char* path) {
    if (!IsFile(path)) return 0;
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

}  // namespace platform
