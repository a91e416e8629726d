// Icon and bitmap files read as Windows' loaders read them: the count of
// icons in an .ico file, a bitmap's size from its header.
#include "../PictureFiles.h"

#include <cstddef>
#include <cstdio>

#include "../Platform.h"
#include "OnDisk.h"

namespace platform {
namespace {

unsigned Little(const unsigned char* p, int bytes) {
    unsigned value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | p[i];
    return value;
}

// The file's first bytes, up to capacity; size is how many were read.
bool ReadStart(const char* path, unsigned char* out, std::size_t capacity, std::size_t& size) {
    FixedText<kMaxPath> full;
    if (!IsFile(path) || !FullPath(path, full)) return false;
    // Found without regard to letter case, as Windows finds it.
    std::FILE* in = std::fopen(OnDisk(full.Get()).c_str(), "rb");
    if (!in) return false;
    size = std::fread(out, 1, capacity, in);
    std::fclose(in);
    return true;
}

}  // namespace

unsigned CountIcons(const char* path) {
    unsigned char header[6];
    std::size_t size = 0;
    if (!ReadStart(path, header, sizeof header, size) || size < 2) return 0;
    if (header[0] == 'M' && header[1] == 'Z') return kIconsNotCounted;  // a program or library
    if (size < sizeof header) return 0;
    // An icon file: reserved 0, type 1, then the count of its images, which
    // are sizes of the one icon.
    return Little(header, 2) == 0 && Little(header + 2, 2) == 1 && Little(header + 4, 2) > 0 ? 1 : 0;
}

bool BitmapSize(const char* path, long& width, long& height) {
    unsigned char header[26];
    std::size_t size = 0;
    if (!ReadStart(path, header, sizeof header, size) || size < sizeof header) return false;
    if (header[0] != 'B' || header[1] != 'M') return false;
    unsigned infoSize = Little(header + 14, 4);
    if (infoSize == 12) {  // the old OS/2 header: 16-bit sizes
        width = static_cast<long>(Little(header + 18, 2));
        height = static_cast<long>(Little(header + 20, 2));
    } else if (infoSize >= 40) {
        width = static_cast<long>(static_cast<int>(Little(header + 18, 4)));
        height = static_cast<long>(static_cast<int>(Little(header + 22, 4)));
        if (height < 0) height = -height;  // top-down rows
    } else {
        return false;
    }
    return width > 0 && height > 0;
}

}  // namespace platform
