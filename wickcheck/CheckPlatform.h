#pragma once
// What the authors' check asks of the platform beyond the shared calls:
// reading a file's bytes, counting icons and measuring a picture as the
// programs' own calls would take them. win32/ calls the real functions;
// portable/ reads the file formats itself, for the native build.
#include <cstddef>

namespace check_platform {

// SetCurrentDirectoryA.
bool ChangeFolder(const char* path);

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

// How a text shows in a control of Tunewick's dialog, laid out from its own
// template with this system's font, never shown.
struct TextFit {
    long width = 0;          // the text's, in pixels
    long room = 0;           // what the control gives it: its width less a check box's mark, a button's
                             // edges, a frame's margins or a list's arrow
    std::size_t shown = 0;   // how many of its characters show where it is cut
    bool showsEnd = false;   // a right-aligned control shows the end, and loses the start
};

// The text's fit in the control; a list's items show '&' as it stands.
// False where no dialog can be made: the portable back end measures none.
bool MeasureText(int controlId, const char* text, TextFit& fit);

// Writes a picture of Tunewick's dialog as the players will see it here (its
// own dialog procedure on the game folder's files, shown far off the
// screen) to the file,
// a Windows bitmap of the dialog's client area. False where no dialog can be made
// (the portable back end) or the file could not be written.
bool WritePreview(const char* file);

// Makes the dialog's controls the current ones, as Tunewick does; once.
void PrepareDialogs();

// The files' text (the system's ANSI code page on Windows, Windows-1252 on
// the portable back end) as UTF-8, terminated: out holds three bytes for
// each of the text's up to kMostUtf8Characters, and one more.
inline constexpr std::size_t kMostUtf8Characters = 4095;
void FilesTextToUtf8(const char* text, char* out);

// Makes a console show the files' text as Windows programs do: on Windows
// the console's code page becomes the ANSI one until the program ends.
void ShowFilesTextOnConsole();

}  // namespace check_platform
