#pragma once
// Takes a fuzzer's bytes apart: small choices from the front, the rest as text.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // A name of 1 to 12 letters and digits: the kind the programs pass.
    std::string Name() {
        static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        std::string name;
        int length = 1 + Byte() % 12;
        for (int i = 0; i < length; ++i) name += kLetters[Byte() % (sizeof kLetters - 1)];
        return name;
    }

    // Up to the given length of bytes, stopping before any byte in stops.
    std::string Text(std::size_t most, const char* stops = "") {
        std::string text;
        while (pos_ < size_ && text.size() < most) {
            char c = static_cast<char>(data_[pos_++]);
            if (c == '\0' || std::string(stops).find(c) != std::string::npos) break;
            text += c;
        }
        return text;
    }

    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// What the target was doing, printed when an invariant breaks.
inline std::string fuzzContext;

inline std::string Escaped(const std::string& text) {
    std::string out;
    char hex[8];
    for (unsigned char c : text) {
        if (c >= 32 && c < 127 && c != '\\') {
            out += static_cast<char>(c);
        } else {
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

// An invariant that does not hold: the fuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                        \
    do {                                                                                             \
        if (!(condition)) {                                                                          \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n%s\n", __FILE__, __LINE__, #condition, \
                         fuzzContext.c_str());                                                       \
            std::abort();                                                                            \
        }                                                                                            \
    } while (0)
