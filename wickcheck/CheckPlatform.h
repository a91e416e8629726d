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
// or no such file. The portable back end reads icon files only: for a
// program or library it answers kIconsNotCounted.
inline constexpr unsigned kIconsNotCounted = ~0u;
unsigned CountIcons(const char* path);

// Whether the file loads as a Windows bitmap (LoadImageA), and its size.
bool BitmapSize(const char* path, long& width, long& height);

// The client area of Tunewick's picture frame in pixels, as the dialog lays
// it out here: on Windows from the dialog's own template and font.
void PictureFrameSize(long& width, long& height);

// The files' text (the system's ANSI code page on Windows, Windows-1252 on
// the portable back end) as UTF-16, terminated; cut to fit out. Returns the
// count of units.
std::size_t FilesTextToUtf16(const char* text, char16_t* out, std::size_t capacity);

// Makes a console show the files' text as Windows programs do: on Windows
// the console's code page becomes the ANSI one until the program ends.
void ShowFilesTextOnConsole();

}  // namespace check_platform
