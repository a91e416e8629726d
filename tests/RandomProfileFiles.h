#pragma once
// Seeded random profile files, in every shape the profile functions meet:
// headings with and without ']', blanks, quotes, comments, every line end.
#include <cctype>
#include <cstdint>
#include <string>

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {  // splitmix64
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
    bool OneIn(int n) { return Below(n) == 0; }
    template <std::size_t N>
    const char* Pick(const char* const (&pool)[N]) { return pool[Below(static_cast<int>(N))]; }

private:
    std::uint64_t state_;
};

const char* const kSections[] = {"Game", "Tunewick", "Settings", "A"};
const char* const kKeys[] = {"Win", "Screen", "CardNo", "k", ";c", "Detail"};
const char* const kFallbacks[] = {"", "d", "fallback  ", "  x", "   ", "no_game_exe_defined"};
const char* const kBlanks[] = {"", "", " ", "  ", "\t", " \t "};

inline std::string MixCase(Random& random, const char* name) {
    std::string s(name);
    for (char& c : s)
        if (random.OneIn(3)) c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c));
    return s;
}

inline std::string RandomValue(Random& random) {
    static const char kChars[] = "abcXYZ019 -;#='\"x";
    std::string value;
    int length = random.OneIn(4) ? random.Below(45) : random.Below(12);
    for (int i = 0; i < length; ++i) value += kChars[random.Below(sizeof kChars - 1)];
    if (random.OneIn(3)) {
        char quote = random.OneIn(2) ? '"' : '\'';
        value = quote + value + quote;
    }
    return value;
}

inline std::string RandomLine(Random& random) {
    std::string line = random.Pick(kBlanks);
    switch (random.Below(10)) {
        case 0:
        case 1:
            line.append("[").append(random.Pick(kBlanks)).append(MixCase(random, random.Pick(kSections)));
            line.append(random.Pick(kBlanks)).append("]");
            if (random.OneIn(4)) line.append(" ; note");
            if (random.OneIn(8)) line.append("x]");
            return line;
        case 2:
            return std::string("[").append(MixCase(random, random.Pick(kSections)));  // no heading
        case 3:
            return line.append(MixCase(random, random.Pick(kKeys)));  // no '='
        case 4:
            return std::string("; ").append(RandomValue(random));
        case 5:
            return line;
        default:
            line.append(MixCase(random, random.Pick(kKeys))).append(random.Pick(kBlanks)).append("=");
            line.append(random.Pick(kBlanks)).append(RandomValue(random)).append(random.Pick(kBlanks));
            return line;
    }
}

inline std::string RandomFile(Random& random) {
    static const char* const kEndings[] = {"\r\n", "\n", "\r"};
    int style = random.Below(5);  // one of the three, mixed CRLF and LF, or all three mixed
    std::string file;
    int lines = random.Below(16);
    for (int i = 0; i < lines; ++i) {
        file += RandomLine(random);
        bool last = i + 1 == lines;
        if (last && random.OneIn(4)) break;
        file += style < 3 ? kEndings[style] : kEndings[random.Below(style == 3 ? 2 : 3)];
    }
    return file;
}
