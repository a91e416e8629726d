#pragma once
// What the authors' check asks of the platform beyond the shared calls:
// reading a file's bytes, Tunewick's dialog as it is laid out, the files'
// text as UTF-8 and letter case. win32/ calls the real functions; portable/
// stands in for them in the native build.
#include <cstddef>

#include "../../config/FixedText.h"
#include "../../editor/TextFit.h"

namespace check_platform {

// Makes the folder named by the program's argument number index the
// current one. On Windows the argument is taken again from the wide command
// line, so that a folder whose name the ANSI code page cannot hold (whose
// ANSI argument holds '?') can be named; argument is the ANSI one.
bool ChangeFolder(int index, const char* argument);

// Up to capacity bytes of the file into out; size is the file's whole size,
// which may be more. False when it cannot be read.
bool ReadFileBytes(const char* path, char* out, std::size_t capacity, std::size_t& size);

// Tunewick's dialog as it is laid out here, on Windows from its own
// template and font (editor/win32/OffScreenDialog.h); the portable back end
// makes no dialog, and each answers false.
// The client area of its picture frame, in pixels; width and height stay as
// they are without a dialog.
bool PictureFrameSize(long& width, long& height);
// The text's fit in the control; a list's items show '&' as it stands.
bool MeasureText(int controlId, const char* text, TextFit& fit);
// Writes a picture of the dialog as the players will see it here, a Windows
// bitmap of its client area; false where the file could not be written too.
bool WritePreview(const char* file);
// Destroys the dialog the three above use: no window of the check's is left.
void CloseDialog();

// The files' text (the system's ANSI code page on Windows, Windows-1252 on
// the portable back end) as UTF-8, terminated: out holds three bytes for
// each of the text's up to kMostUtf8Characters, and one more.
inline constexpr std::size_t kMostUtf8Characters = 4095;
void FilesTextToUtf8(const char* text, char* out);

// A catalogue's UTF-8 text in a code page, for a language file: at most 99
// bytes there and no line break. Where a character does not fit the code
// page, bad names the first such; NotText: no UTF-8 (overlong forms and
// surrogates are none); Refused: the code page's conversion failed.
enum class Conversion { Done, NotInCodePage, TooLong, NotText, Refused };
struct Unconvertible {
    char utf8[8] = {};
    unsigned long codePoint = 0;
};
// Whether this build converts to the code page: any Windows has on Windows;
// only Windows-1252 on the portable back end.
bool ConvertsToCodePage(unsigned codePage);
Conversion Utf8ToCodePage(const char* utf8, unsigned codePage, Text& out, Unconvertible& bad);

// Writes the file whole or not at all: into a file beside it (PATH.part,
// made new: where that name stands already, a link or a file left by an
// earlier write, nothing is written), then renamed over it in one step.
// False where it could not be written; nothing is changed then.
bool WriteFileWhole(const char* path, const char* bytes, std::size_t size);

// The letter in lower case, as the system's ANSI code page has it
// (CharLowerBuffA); Windows-1252 on the portable back end.
char LowerLetter(char letter);

// What this build cannot see, which only Windows shows, a line each: on
// Windows nothing; on the portable back end, the texts' room in Tunewick's
// dialog, the picture as drawn in its frame, and the watch.
struct Unseen {
    const char* label;
    const char* what;
};
const Unseen* NotSeenHere(std::size_t& count);

// Makes a console show the files' text as Windows programs do: on Windows
// the console's code page becomes the ANSI one until the program ends.
void ShowFilesTextOnConsole();
// The same for UTF-8 text, a catalogue's: on Windows the console's code page
// becomes UTF-8 until the program ends.
void ShowUtf8OnConsole();

}  // namespace check_platform
