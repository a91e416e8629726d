#include "FixedText.h"

#include <cstring>

bool Text::Equals(const char* other) const {
    return std::strcmp(data_, other ? other : "") == 0;
}

void Text::Clear() {
    length_ = 0;
    data_[0] = '\0';
}

bool Text::Set(const char* value) {
    if (value == data_) return true;
    Clear();
    return Append(value);
}

bool Text::Append(const char* value) {
    return Append(value, value ? std::strlen(value) : 0);
}

bool Text::Append(const char* value, std::size_t count) {
    std::size_t room = capacity_ - 1 - length_;
    bool fits = count <= room;
    if (!fits) count = room;
    if (count) std::memmove(data_ + length_, value, count);
    length_ += count;
    data_[length_] = '\0';
    return fits;
}

void Text::Adopt(std::size_t count) {
    if (count > capacity_ - 1) count = capacity_ - 1;
    data_[count] = '\0';
    length_ = std::strlen(data_);
}
