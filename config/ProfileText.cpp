#include "ProfileText.h"

#include <cstring>
#include <string_view>

#include "AsciiCase.h"

namespace profile_text {
namespace {

// The platform treats the end-of-file mark 0x1A as a blank too.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x1a;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

enum class LineKind { Blank, Heading, Entry };

struct Line {
    std::size_t begin = 0;       // first byte of the line
    std::size_t contentEnd = 0;  // where its terminator starts
    std::size_t end = 0;         // first byte of the next line
    LineKind kind = LineKind::Blank;
    std::string_view name;  // section name of a heading, key name of an entry
    std::string_view value;
    bool hasValue = false;  // an entry without '=' names a key that has no value
};

// Lines end at "\r\n", at '\n' and at a lone '\r', as the platform reads them.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text), pos_(ByteOrderMarkLength(text)) {}

    // A UTF-8 byte-order mark is no part of the first line.
    static std::size_t ByteOrderMarkLength(std::string_view text) {
        return text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    }

    bool Next(Line& line) {
        if (pos_ >= text_.size()) return false;
        std::size_t stop = text_.find_first_of("\r\n", pos_);
        line = Line{};
        line.begin = pos_;
        line.contentEnd = stop == std::string_view::npos ? text_.size() : stop;
        line.end = stop == std::string_view::npos ? text_.size() : stop + 1;
        if (stop != std::string_view::npos && text_[stop] == '\r' && stop + 1 < text_.size() && text_[stop + 1] == '\n')
            ++line.end;
        pos_ = line.end;
        Parse(text_.substr(line.begin, line.contentEnd - line.begin), line);
        return true;
    }

private:
    static void Parse(std::string_view content, Line& line) {
        std::string_view s = Trim(content);
        if (s.empty()) return;
        std::size_t close = s.rfind(']');
        if (s.front() == '[' && close != std::string_view::npos) {
            line.kind = LineKind::Heading;
            line.name = Trim(s.substr(1, close - 1));
            return;
        }
        line.kind = LineKind::Entry;
        std::size_t equals = s.find('=');
        if (equals == std::string_view::npos) {
            line.name = s;
            return;
        }
        line.name = Trim(s.substr(0, equals));
        line.value = Trim(s.substr(equals + 1));
        line.hasValue = true;
    }

    std::string_view text_;
    std::size_t pos_;
};

// Where a key stands: the first section of the name, and in it the first
// entry of the key.
struct Place {
    bool sectionFound = false;
    bool keyFound = false;
    Line keyLine;
    std::size_t sectionLastLineEnd = 0;  // end of the section's last non-blank line
};

Place Find(std::string_view text, std::string_view section, std::string_view key) {
    Place place;
    LineReader reader(text);
    Line line;
    bool inSection = section.empty();  // lines before any heading form a nameless section
    place.sectionFound = inSection;
    place.sectionLastLineEnd = LineReader::ByteOrderMarkLength(text);
    while (reader.Next(line)) {
        if (line.kind == LineKind::Heading) {
            if (place.sectionFound) break;
            inSection = SameName(line.name, section);
            if (!inSection) continue;
            place.sectionFound = true;
            place.sectionLastLineEnd = line.end;
            continue;
        }
        if (!inSection || line.kind == LineKind::Blank) continue;
        place.sectionLastLineEnd = line.end;
        if (SameName(line.name, key)) {
            place.keyFound = true;
            place.keyLine = line;
            break;
        }
    }
    return place;
}

// Quotes come off only when they enclose the whole value.
std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

bool ReadsBackOnlyQuoted(std::string_view value) {
    return !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) || Unquote(value) != value);
}

namespace {

std::size_t Deliver(std::string_view value, char* out, std::size_t capacity) {
    if (capacity == 0) return 0;
    std::size_t count = value.size() < capacity - 1 ? value.size() : capacity - 1;
    if (count) std::memcpy(out, value.data(), count);
    out[count] = '\0';
    return count;
}

// The line end for lines added at position at: that of the line before it,
// or else the file's first, so a file keeps the line ends it has.
std::string_view LineEndingAt(std::string_view text, std::size_t at) {
    if (at > 0 && text[at - 1] == '\n') return at > 1 && text[at - 2] == '\r' ? "\r\n" : "\n";
    if (at > 0 && text[at - 1] == '\r') return "\r";
    std::size_t first = text.find_first_of("\r\n");
    if (first == std::string_view::npos) return "\r\n";
    if (text[first] == '\n') return "\n";
    return text.substr(first, 2) == "\r\n" ? "\r\n" : "\r";
}

bool EndsLine(std::string_view text) {
    return text.empty() || text.back() == '\n' || text.back() == '\r';
}

std::string_view DropLastEnding(std::string_view text) {
    if (text.size() >= 2 && text.substr(text.size() - 2) == "\r\n") return text.substr(0, text.size() - 2);
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.remove_suffix(1);
    return text;
}

// A new section is set off from the text before it by one blank line.
bool NeedsSeparator(std::string_view text) {
    std::string_view previous = DropLastEnding(text);
    return !previous.empty() && !EndsLine(previous);
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::size_t ReadValue(const std::string* contents, const char* section, const char* key,
                      const char* fallback, char* out, std::size_t capacity) {
    std::string_view fallbackText = fallback ? fallback : "";
    // Trailing blanks of the fallback are dropped.
    while (!fallbackText.empty() && fallbackText.back() == ' ') fallbackText.remove_suffix(1);
    if (!contents) return Deliver(fallbackText, out, capacity);

    std::string_view keyName = Trim(key ? key : "");
    if (!keyName.empty()) {
        Place place = Find(*contents, Trim(section ? section : ""), keyName);
        if (place.keyFound && place.keyLine.hasValue)
            return Deliver(Unquote(place.keyLine.value), out, capacity);
    }
    return Deliver(Unquote(fallbackText), out, capacity);
}

bool PlanWrite(std::string_view contents, const char* section, const char* key, const char* value, Edit& edit) {
    std::string_view sectionName = Trim(section);
    std::string_view keyName = Trim(key);
    Place place = Find(contents, sectionName, keyName);

    if (place.keyFound) {
        const Line& line = place.keyLine;
        if (line.hasValue && line.value == value) return false;
        edit.at = line.begin;
        edit.removed = line.contentEnd - line.begin;
        edit.inserted.assign(line.name).append("=").append(value);
        return true;
    }

    std::size_t at = place.sectionFound ? place.sectionLastLineEnd : contents.size();
    std::string ending(LineEndingAt(contents, at));
    std::string& added = edit.inserted;
    added.clear();
    bool lineStart = at == LineReader::ByteOrderMarkLength(contents) || EndsLine(contents.substr(0, at));
    if (!lineStart) added.append(ending);
    if (!place.sectionFound) {
        if (NeedsSeparator(std::string(contents) + added)) added.append(ending);
        added.append("[").append(sectionName).append("]").append(ending);
    }
    added.append(keyName).append("=").append(value).append(ending);
    edit.at = at;
    edit.removed = 0;
    return true;
}

void WriteValue(std::string& contents, const char* section, const char* key, const char* value) {
    Edit edit;
    if (PlanWrite(contents, section, key, value, edit)) contents.replace(edit.at, edit.removed, edit.inserted);
}

void ForEachLine(std::string_view contents, void (*visit)(const OutlineLine& line, void* context), void* context) {
    LineReader reader(contents);
    Line line;
    std::size_t number = 0;
    while (reader.Next(line)) {
        ++number;
        if (line.kind == LineKind::Blank) continue;
        bool heading = line.kind == LineKind::Heading;
        bool comment = !heading && !line.name.empty() && (line.name[0] == ';' || line.name[0] == '#');
        visit(OutlineLine{number, heading, line.hasValue, comment, line.name, line.value}, context);
    }
}

Encoding EncodingOf(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE") return Encoding::Utf16LittleEndian;
    if (bytes.substr(0, 2) == "\xFE\xFF") return Encoding::Utf16BigEndian;
    return Encoding::Bytes;
}

std::size_t NarrowUtf16(std::string_view bytes, Encoding encoding, char* out) {
    bool little = encoding == Encoding::Utf16LittleEndian;
    std::size_t length = 0;
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        unsigned char low = static_cast<unsigned char>(bytes[little ? i : i + 1]);
        unsigned char high = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
        out[length++] = high ? '?' : static_cast<char>(low);
    }
    return length;
}

}  // namespace profile_text
