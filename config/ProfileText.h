#pragma once
// Reading and changing the text of a profile file in memory, the way the
// platform's profile functions read and write the file itself. The portable
// back end loads and replaces the file around these; the authors' check reads
// a file's lines with them on every platform; tests call them directly.
#include <cstddef>
#include <string>
#include <string_view>

namespace profile_text {

// Whether two section or key names are the same, letter case aside, as the
// profile functions match them.
bool SameName(std::string_view a, std::string_view b);

// The value of key in the first section named section (names compared
// without regard to case), quotes stripped, cut to capacity-1 characters; the
// fallback, quotes stripped too, when section or key is missing. A file that
// does not exist reads as an empty one; contents is null for a file that
// cannot even be opened (its folder is missing): the fallback then comes as
// it stands, quotes and all, as Wine gives it.
// Returns the count of characters delivered.
std::size_t ReadValue(const std::string* contents, const char* section, const char* key,
                      const char* fallback, char* out, std::size_t capacity);

// Whether a value written as it stands would read back otherwise: the
// profile functions trim blanks (0x1A among them) at its ends and strip a
// pair of quotes around it. Written inside quotes, it reads back as it is.
bool ReadsBackOnlyQuoted(std::string_view value);

// One change of a text: removed characters at at give way to inserted.
struct Edit {
    std::size_t at = 0;
    std::size_t removed = 0;
    std::string inserted;
};

// The change that sets key to value (as WriteValue below); false when the
// text already holds that value and nothing is to change.
bool PlanWrite(std::string_view contents, const char* section, const char* key, const char* value, Edit& edit);

// Sets key to value in the first section named section, keeping the key's and
// the section's spelling; adds the key at the end of its section, or the
// section at the end of the text. Every other line stays byte for byte.
void WriteValue(std::string& contents, const char* section, const char* key, const char* value);

// One heading or entry line of a text, numbered from 1, as the reader sees it.
struct OutlineLine {
    std::size_t number;
    bool heading;
    bool hasValue;          // an entry with '='
    bool comment;           // an entry whose first character is ';' or '#': a note of the author's
    std::string_view name;  // the section of a heading, the key of an entry
    std::string_view value; // an entry's value as it stands, quotes and all
};

// Calls visit for each heading and entry line, in order; blank lines are
// passed over. Lines end as ReadValue ends them.
void ForEachLine(std::string_view contents, void (*visit)(const OutlineLine& line, void* context), void* context);

// Profile files may be UTF-16, marked by their byte-order mark; the profile
// functions read them as text like any other.
enum class Encoding { Bytes, Utf16LittleEndian, Utf16BigEndian };
Encoding EncodingOf(std::string_view bytes);
// The text of UTF-16 bytes after their mark, one byte a character ('?' for
// those past 255); out has room for half the bytes. Returns its length.
std::size_t NarrowUtf16(std::string_view bytes, Encoding encoding, char* out);

}  // namespace profile_text
