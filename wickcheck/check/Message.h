#pragma once
// A finding's message or a fact's line, composed from its parts in one call:
// texts, quoted texts and counts.
#include <cstddef>
#include <cstdio>

#include "../../config/FixedText.h"

struct Quoted {
    explicit Quoted(const char* text) : text(text) {}
    explicit Quoted(const Text& text) : text(text.Get()) {}
    const char* text;
};

struct Count {
    std::size_t number;
};

inline void AppendPart(Text& out, const char* text) {
    out.Append(text);
}
inline void AppendPart(Text& out, const Text& text) {
    out.Append(text);
}
inline void AppendPart(Text& out, Quoted quoted) {
    out.Append("\"");
    out.Append(quoted.text);
    out.Append("\"");
}
inline void AppendPart(Text& out, Count count) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%zu", count.number);
    out.Append(digits);
}

// Sets out to the parts, one after the other.
template <typename... Parts>
Text& Say(Text& out, const Parts&... parts) {
    out.Clear();
    (AppendPart(out, parts), ...);
    return out;
}

// Appends the parts to out.
template <typename... Parts>
Text& SayMore(Text& out, const Parts&... parts) {
    (AppendPart(out, parts), ...);
    return out;
}
