#pragma once
// Texts with their storage inside the object. Text is the capacity-free view
// that functions take; FixedText<N> holds N bytes, terminator included, so at
// most N-1 characters. A text that would not fit is cut, and the call that
// cut it says so by returning false.
#include <cstddef>

class Text {
public:
    Text(const Text&) = delete;
    Text& operator=(const Text&) = delete;

    const char* Get() const { return data_; }
    std::size_t Length() const { return length_; }
    std::size_t Capacity() const { return capacity_; }
    bool IsEmpty() const { return length_ == 0; }

    bool Equals(const char* other) const;
    bool Equals(const Text& other) const { return Equals(other.data_); }

    void Clear();
    bool Set(const char* value);
    bool Set(const Text& value) { return Set(value.data_); }
    bool Append(const char* value);
    bool Append(const char* value, std::size_t count);
    bool Append(const Text& value) { return Append(value.data_); }

    // For platform calls that fill the buffer themselves: they get Capacity()
    // bytes at Buffer(), then Adopt() takes the count they report.
    char* Buffer() { return data_; }
    void Adopt(std::size_t count);

protected:
    Text(char* storage, std::size_t capacity) : data_(storage), capacity_(capacity) { data_[0] = '\0'; }

private:
    char* data_;
    std::size_t capacity_;
    std::size_t length_ = 0;
};

template <std::size_t N>
class FixedText : public Text {
    static_assert(N >= 1, "a text needs room for its terminator");

public:
    FixedText() : Text(storage_, N) {}
    explicit FixedText(const char* value) : Text(storage_, N) { Set(value); }
    FixedText(const FixedText& other) : Text(storage_, N) { Set(other); }
    FixedText& operator=(const FixedText& other) {
        if (this != &other) Set(other);
        return *this;
    }

private:
    char storage_[N];
};

// Length of a string literal, for capacities computed at compile time.
template <std::size_t N>
constexpr std::size_t LiteralLength(const char (&)[N]) {
    return N - 1;
}
