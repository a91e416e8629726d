// Reads of any file bytes: never more than capacity-1 characters, and the
// count is the length of what was delivered.
#include <cstring>

#include "FuzzInput.h"
#include "ProfileText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    std::size_t capacity = 1 + input.Byte() % 64;
    std::string section = input.Byte() % 4 ? input.Name() : input.Text(12, "\n");
    std::string key = input.Byte() % 4 ? input.Name() : input.Text(12, "\n");
    std::string fallback = input.Text(80, "\n");
    std::string file = input.Rest();

    char out[80];
    std::memset(out, 'X', sizeof out);
    std::size_t count = profile_text::ReadValue(&file, section.c_str(), key.c_str(), fallback.c_str(), out, capacity);
    FUZZ_CHECK(count <= capacity - 1);
    FUZZ_CHECK(out[count] == '\0');
    FUZZ_CHECK(out[capacity] == 'X');  // nothing written past the buffer
    // A NUL inside the file may end the text early; otherwise count is its length.
    FUZZ_CHECK(std::strlen(out) <= count);
    if (file.find('\0') == std::string::npos) FUZZ_CHECK(std::strlen(out) == count);
    return 0;
}
