#pragma once
// What the authors' check asks of the platform beyond the shared calls:
// reading a file's bytes, counting icons and measuring a picture as the
// programs' own calls would take them. win32/ calls the real functions;
// portable/ reads the file formats itself, for the native build.
#include <cstddef>

namespace check_platform {

// SetCurrentDirectoryA.
bool ChangeFolder(const char* path);

// An existing file, not a folder.
bool IsFile(const char* path);

// Up to capacity bytes of the file into out; size is the file's whole size,
// which may be more. False when it cannot be read.
bool ReadFileBytes(const char* path, char* out, std::size_t capacity, std::size_t& size);

// How many icons the file holds, as ExtractIconExA counts them; 0 for none
// or no such file. The portable back end counts those of .ico files only.
unsigned CountIcons(const char* path);

// Whether the file loads as a Windows bitmap (LoadImageA), and its size.
bool BitmapSize(const char* path, long& width, long& height);

}  // namespace check_platform
