// The authors' check's own platform calls on Linux: '\' and '/' both
// separate folders, names are found in any letter case; no dialog is made.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "../../../config/Platform.h"
#include "../../../config/portable/OnDisk.h"
#include "../CheckPlatform.h"

namespace check_platform {
namespace {

// The path as it stands on disk, found without regard to letter case as
// Windows finds it; the shared platform's full path already folds
// separators and "..".
std::string OnDisk(const char* path) {
    FixedText<kMaxPath> full;
    return platform::FullPath(path, full) ? platform::OnDisk(full.Get()) : "";
}


}  // namespace

bool ChangeFolder(int, const char* argument) {
    std::string folder = OnDisk(argument);
    return !folder.empty() && chdir(folder.c_str()) == 0;
}

bool ReadFileBytes(const char* path, char* out, std::size_t capacity, std::size_t& size) {
    size = 0;
    if (!platform::IsFile(path)) return false;
    std::string file = OnDisk(path);
    FILE* in = std::fopen(file.c_str(), "rb");
    if (!in) return false;
    struct stat info;
    size = fstat(fileno(in), &info) == 0 ? static_cast<std::size_t>(info.st_size) : 0;
    std::size_t wanted = size < capacity ? size : capacity;
    bool ok = std::fread(out, 1, wanted, in) == wanted;
    std::fclose(in);
    return ok;
}

namespace {

// Windows-1252: Latin-1 but for 0x80-0x9F; the five it leaves free map to themselves.
constexpr char16_t k80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The Windows-1252 byte of a character; 0 where it has none.
unsigned char ByteOf(unsigned long codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<unsigned char>(codePoint);
    for (unsigned i = 0; i < 32; ++i)
        if (k80To9F[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// The next character of UTF-8 text, and its length; 0 where the bytes are
// no UTF-8: an overlong form (C0 A6 for '&'), a surrogate or past U+10FFFF
// is none, as Windows' own decoder says.
unsigned long NextCharacter(const unsigned char* c, int& length) {
    length = *c < 0x80 ? 1 : (*c >> 5) == 6 ? 2 : (*c >> 4) == 14 ? 3 : (*c >> 3) == 30 ? 4 : 0;
    if (!length) return 0;
    unsigned long code = length == 1 ? *c : *c & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((c[i] & 0xC0) != 0x80) return length = 0, 0;
        code = code << 6 | (c[i] & 0x3F);
    }
    constexpr unsigned long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return length = 0, 0;
    return code;
}

}  // namespace

bool ConvertsToCodePage(unsigned codePage) {
    return codePage == 1252;
}

Conversion Utf8ToCodePage(const char* utf8, unsigned, Text& out, Unconvertible& bad) {
    char bytes[4096];
    std::size_t n = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(utf8); *c && n + 1 < sizeof bytes;) {
        int length = 0;
        unsigned long code = NextCharacter(c, length);
        if (!length || code == '\n' || code == '\r') return Conversion::NotText;
        unsigned char byte = ByteOf(code);
        if (!byte) {
            bad.codePoint = code;
            std::memcpy(bad.utf8, c, static_cast<std::size_t>(length));
            bad.utf8[length] = '\0';
            return Conversion::NotInCodePage;
        }
        bytes[n++] = static_cast<char>(byte);
        c += length;
    }
    if (n >= out.Capacity()) return Conversion::TooLong;
    out.Clear();
    out.Append(bytes, n);
    return Conversion::Done;
}

bool WriteFileWhole(const char* path, const char* bytes, std::size_t size) {
    std::string file = OnDisk(path);
    std::string beside = file + ".part";
    // Made new: an existing name, a link among them, is never opened.
    int made = file.empty() ? -1 : open(beside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0644);
    FILE* out = made < 0 ? nullptr : fdopen(made, "wb");
    if (!out) {
        if (made >= 0) close(made), std::remove(beside.c_str());
        return false;
    }
    bool ok = std::fwrite(bytes, 1, size, out) == size;
    ok = std::fclose(out) == 0 && ok;
    ok = ok && std::rename(beside.c_str(), file.c_str()) == 0;
    if (!ok) std::remove(beside.c_str());
    return ok;
}

void FilesTextToUtf8(const char* text, char* out) {
    const unsigned char* c = reinterpret_cast<const unsigned char*>(text);
    for (std::size_t n = 0; *c && n < kMostUtf8Characters; ++c, ++n) {
        unsigned u = *c >= 0x80 && *c < 0xA0 ? k80To9F[*c - 0x80] : *c;
        if (u >= 0x800) *out++ = static_cast<char>(0xE0 | u >> 12);
        if (u >= 0x80 && u < 0x800) *out++ = static_cast<char>(0xC0 | u >> 6);
        if (u >= 0x800) *out++ = static_cast<char>(0x80 | (u >> 6 & 0x3F));
        *out++ = static_cast<char>(u < 0x80 ? u : 0x80 | (u & 0x3F));
    }
    *out = 0;
}

char LowerLetter(char letter) {
    // Windows-1252: Latin-1's capitals, and Š, Œ, Ž, Ÿ among 0x80-0x9F.
    unsigned char c = static_cast<unsigned char>(letter);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char>(c + 0x20);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<char>(c + 0x10);
    return c == 0x9F ? static_cast<char>(0xFF) : letter;
}

// Tunewick's dialog is laid out only by Windows, and only Windows starts the game.
const Unseen* NotSeenHere(std::size_t& count) {
    static const Unseen kUnseen[] = {
        {"texts' room", "how much of each text its control shows, which Windows measures as it lays Tunewick's "
                        "dialog out (text-cut)"},
        {"picture", "the picture as drawn in its frame, whose size Windows sets as it lays the dialog out: here "
                    "it is judged against a frame of 210 x 288 pixels (picture-stretched)"},
        {"watch", "the game started as Runwick starts it, and what it does (--watch): only the Windows build "
                  "starts it"},
    };
    count = sizeof kUnseen / sizeof kUnseen[0];
    return kUnseen;
}

void ShowFilesTextOnConsole() {}

void ShowUtf8OnConsole() {}

bool PictureFrameSize(long&, long&) {
    return false;
}

bool MeasureText(int, const char*, TextFit&) {
    return false;
}

bool WritePreview(const char*) {
    return false;
}

void CloseDialog() {}

}  // namespace check_platform
