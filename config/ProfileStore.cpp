#include "ProfileStore.h"

#include <cstring>

#include "Platform.h"

namespace ProfileStore {

namespace {

// A line break would end the line early and leave the rest as a line of its own.
bool FitsOnOneLine(const char* text) {
    return text && std::strpbrk(text, "\r\n") == nullptr;
}

}  // namespace

std::size_t ReadValue(const char* section, const char* key, const char* fallback,
                      std::size_t capacity, Text& out, const char* path) {
    if (capacity > out.Capacity()) capacity = out.Capacity();
    // An empty path would send the platform to a profile in the Windows folder.
    // Like the platform, it drops the fallback's trailing blanks.
    if (!path || !*path) {
        std::size_t length = fallback ? std::strlen(fallback) : 0;
        while (length > 0 && fallback[length - 1] == ' ') --length;
        if (length > capacity - 1) length = capacity - 1;
        if (length) std::memcpy(out.Buffer(), fallback, length);
        out.Adopt(length);
        return out.Length();
    }
    std::size_t count = platform::ReadProfileValue(section, key, fallback, out.Buffer(), capacity, path);
    out.Adopt(count);
    return out.Length();
}

bool WriteValue(const char* section, const char* key, const char* value, const char* path) {
    if (!path || !*path) return false;
    if (!FitsOnOneLine(section) || !FitsOnOneLine(key) || !FitsOnOneLine(value)) return false;
    return platform::WriteProfileValue(section, key, value, path);
}

}  // namespace ProfileStore
