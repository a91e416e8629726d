#pragma once
// Reading and changing the text of a profile file in memory, the way the
// platform's profile functions read and write the file itself. The portable
// back end loads and replaces the file around these; tests call them directly.
#include <cstddef>
#include <string>

namespace profile_text {

// The value of key in the first section named section (names compared
// without regard to case), quotes stripped, cut to capacity-1 characters; the
// fallback when contents is null (no file), or section or key is missing.
// Returns the count of characters delivered.
std::size_t ReadValue(const std::string* contents, const char* section, const char* key,
                      const char* fallback, char* out, std::size_t capacity);

// Sets key to value in the first section named section, keeping the key's and
// the section's spelling; adds the key at the end of its section, or the
// section at the end of the text. Every other line stays byte for byte.
void WriteValue(std::string& contents, const char* section, const char* key, const char* value);

}  // namespace profile_text
