#include "FileKinds.h"

#include <cstring>

namespace Catalogue {
namespace {

const char* SkipBlanks(const char* line) {
    while (*line == ' ' || *line == '\t') ++line;
    return line;
}

bool StartsWith(const char* text, const char* start) {
    return std::strncmp(text, start, std::strlen(start)) == 0;
}

bool IsUtf16Or32(const unsigned char* b, std::size_t size) {
    return (size >= 2 && ((b[0] == 0xFF && b[1] == 0xFE) || (b[0] == 0xFE && b[1] == 0xFF))) ||
           (size >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF);
}

// The line of the first NUL byte; 0 for none.
std::size_t LineOfNul(const char* bytes, std::size_t size) {
    const void* nul = std::memchr(bytes, '\0', size);
    if (!nul) return 0;
    std::size_t line = 1;
    for (const char* c = bytes; c != nul; ++c)
        if (*c == '\n' || (*c == '\r' && c[1] != '\n')) ++line;
    return line;
}

}  // namespace

char* NextLine(char*& at) {
    if (!at || !*at) return nullptr;
    char* line = at;
    char* end = line + std::strcspn(line, "\r\n");
    if (!*end) {
        at = end;
        return line;
    }
    at = end + (end[0] == '\r' && end[1] == '\n' ? 2 : 1);
    *end = '\0';
    return line;
}

const char* NotACatalogue(const char* bytes, std::size_t size, std::size_t& line) {
    line = 1;
    if (IsUtf16Or32(reinterpret_cast<const unsigned char*>(bytes), size))
        return "the file is UTF-16 or UTF-32 (its byte-order mark says so), not a catalogue in UTF-8";
    if ((line = LineOfNul(bytes, size)) != 0) return "the file holds a NUL byte, which no catalogue does";
    // A profile file starts its sections where a catalogue starts its entries.
    static char copy[1024 * 1024 + 1];
    std::size_t n = size < sizeof copy - 1 ? size : sizeof copy - 1;
    std::memcpy(copy, bytes, n);
    copy[n] = '\0';
    char* at = copy;
    line = 0;
    for (char* text; (text = NextLine(at));) {
        ++line;
        const char* t = SkipBlanks(text);
        if (StartsWith(t, "msgctxt") || StartsWith(t, "msgid")) return nullptr;
        if (*t == '[') return "a section heading before any entry: the file is a profile or language file, not a catalogue";
    }
    return nullptr;
}

const char* NotALanguageFile(const char* bytes, std::size_t size) {
    if (IsUtf16Or32(reinterpret_cast<const unsigned char*>(bytes), size)) return nullptr;
    if (LineOfNul(bytes, size)) return "holds a NUL byte, which no language file does";
    bool heading = false;
    bool content = false;
    const char* line = bytes;
    for (const char* end = bytes + size; line < end;) {
        const char* t = SkipBlanks(line);
        if (StartsWith(t, "msgid ") || StartsWith(t, "msgctxt ")) return "is a gettext catalogue (it has msgid lines)";
        if (*t == '[') heading = true;
        if (*t && *t != '\r' && *t != '\n' && *t != ';' && *t != '#') content = true;
        line += std::strcspn(line, "\r\n");
        line += std::strspn(line, "\r\n");
    }
    return content && !heading ? "has no section heading: it is no language file" : nullptr;
}

}  // namespace Catalogue
