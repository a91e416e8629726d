#pragma once
// Reading and changing the text of a profile file in memory, the way the
// platform's profile functions read and write the file itself. The portable
// back end loads and replaces the file around these; tests call them directly.
#include <cstddef>
#include <string>
#include <string_view>

namespace profile_text {

// The value of key in the first section named section (names compared
// without regard to case), quotes stripped, cut to capacity-1 characters; the
// fallback when contents is null (no file), or section or key is missing.
// Returns the count of characters delivered.
std::size_t ReadValue(const std::string* contents, const char* section, const char* key,
                      const char* fallback, char* out, std::size_t capacity);

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

}  // namespace profile_text
