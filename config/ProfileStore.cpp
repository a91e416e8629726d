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
    // Like the platform, it drops the fallback's trailing blanks, then a pair
    // of quotes around it.
    if (!path || !*path) {
        std::size_t begin = 0;
        std::size_t end = fallback ? std::strlen(fallback) : 0;
        while (end > 0 && fallback[end - 1] == ' ') --end;
        if (end >= 2 && (fallback[0] == '"' || fallback[0] == '\'') && fallback[end - 1] == fallback[0]) {
            ++begin;
            --end;
        }
        std::size_t length = end - begin;
        if (length > capacity - 1) length = capacity - 1;
        if (length) std::memcpy(out.Buffer(), fallback + begin, length);
        out.Adopt(length);
        return out.Length();
    }
    std::size_t count = platform::ReadProfileValue(section, key, fallback, out.Buffer(), capacity, path);
    out.Adopt(count);
    return out.Length();
}

ValueState ReadWholeValue(const char* section, const char* key, const char* fallback, std::size_t capacity,
                          Text& out, const char* path) {
    if (capacity > out.Capacity()) capacity = out.Capacity();
    if (capacity > kMaxPath) capacity = kMaxPath;
    std::size_t count = ReadValue(section, key, fallback, capacity, out, path);
    // A fallback no file holds tells a missing key. Read with room to spare
    // whenever the first read may be cut: two more than the capacity, since
    // Wine delivers a quoted value that just fills a buffer one short.
    constexpr char kAbsent[] = "\x7f(absent)\x7f";
    FixedText<kMaxPath + 2> roomier;
    std::size_t room = capacity + 2 > sizeof kAbsent ? capacity + 2 : sizeof kAbsent;
    ReadValue(section, key, kAbsent, room, roomier, path);
    if (roomier.Equals(kAbsent)) return ValueState::Missing;
    if (count + 2 < capacity) return ValueState::Whole;
    if (roomier.Length() >= capacity) return ValueState::Cut;
    out.Set(roomier);
    return ValueState::Whole;
}

bool WriteValue(const char* section, const char* key, const char* value, const char* path) {
    if (!path || !*path) return false;
    if (!FitsOnOneLine(section) || !FitsOnOneLine(key) || !FitsOnOneLine(value)) return false;
    return platform::WriteProfileValue(section, key, value, path);
}

}  // namespace ProfileStore
