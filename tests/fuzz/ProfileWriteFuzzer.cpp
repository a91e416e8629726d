// Writes into any file bytes: the key reads back as written, and the write
// changed at most one line's content besides the lines it added.
#include <cstring>

#include "FuzzInput.h"
#include "ProfileText.h"

namespace {

// A '\r' separates lines only where no '\n' follows it.
bool EndsALine(const std::string& text, std::size_t at, std::size_t length) {
    std::string part = text.substr(at, length);
    if (part.find('\n') != std::string::npos) return true;
    return part.find('\r') != std::string::npos && text.find('\n', at) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    std::string section = input.Name();
    std::string key = input.Name();
    // A value as the programs write it: no line break, no blank or quote at
    // its ends (those the reader takes off).
    std::string value = input.Text(60, "\r\n");
    while (!value.empty() && std::strchr(" \t\v\f\x1a\"'", value.front())) value.erase(0, 1);
    while (!value.empty() && std::strchr(" \t\v\f\x1a\"'", value.back())) value.pop_back();
    std::string before = input.Rest();

    std::string after = before;
    profile_text::WriteValue(after, section.c_str(), key.c_str(), value.c_str());

    fuzzContext = "[" + section + "] " + key + "=" + Escaped(value) + "\nbefore: " + Escaped(before) +
                  "\nafter:  " + Escaped(after);
    char out[128];
    std::size_t count = profile_text::ReadValue(&after, section.c_str(), key.c_str(), "<missing>", out, sizeof out);
    if (value.find('\0') == std::string::npos) {
        FUZZ_CHECK(count == value.size());
        FUZZ_CHECK(value == out);
    }

    // What the write changed: after the longest common start and end, the
    // old text holds at most part of one line, no line end.
    std::size_t start = 0;
    while (start < before.size() && start < after.size() && before[start] == after[start]) ++start;
    std::size_t end = 0;
    while (end < before.size() - start && end < after.size() - start &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    FUZZ_CHECK(!EndsALine(before, start, before.size() - start - end));

    // Writing the same again changes nothing.
    std::string again = after;
    profile_text::WriteValue(again, section.c_str(), key.c_str(), value.c_str());
    FUZZ_CHECK(again == after);
    return 0;
}
