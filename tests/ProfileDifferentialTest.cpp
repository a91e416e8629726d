// The portable profile reader and writer against the platform's own
// functions: the same seeded, randomised files and operations go through
// both, and every value and count read must be equal. Set
// TUNEWICK_PROFILE_SEED to replay a run; a mismatch prints seed and case.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "GameFolder.h"
#include "portable/ProfileText.h"

namespace {

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

std::string MixCase(Random& random, const char* name) {
    std::string s(name);
    for (char& c : s)
        if (random.OneIn(3)) c = static_cast<char>(std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c));
    return s;
}

std::string RandomValue(Random& random) {
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

std::string RandomLine(Random& random) {
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

std::string RandomFile(Random& random) {
    static const char* const kEndings[] = {"\r\n", "\n", "\r"};
    int style = random.Below(4);  // one of the three, or mixed CRLF and LF
    std::string file;
    int lines = random.Below(16);
    for (int i = 0; i < lines; ++i) {
        file += RandomLine(random);
        bool last = i + 1 == lines;
        if (last && random.OneIn(4)) break;
        file += style < 3 ? kEndings[style] : kEndings[random.Below(2)];
    }
    return file;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n\n";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

struct Tally {
    int cases = 0;
    int reads = 0;
    int writes = 0;
    int quotedTightBuffer = 0;
    int blankFallback = 0;
};

// Where Wine departs from the documented behaviour, the portable back end
// follows the documentation:
// - a quoted value whose inner text is exactly capacity-1 long fits the
//   buffer; Wine delivers one character less;
// - trailing blanks of the fallback are removed; Wine keeps one when the
//   fallback is all blanks.
bool KnownDeparture(const std::string& ours, const std::string& wine, std::size_t capacity, const char* fallback,
                    Tally& tally) {
    if (ours.size() == capacity - 1 && wine.size() + 1 == ours.size() && ours.compare(0, wine.size(), wine) == 0) {
        ++tally.quotedTightBuffer;
        return true;
    }
    if (ours.empty() && wine == " " && std::string(fallback).find_first_not_of(' ') == std::string::npos) {
        ++tally.blankFallback;
        return true;
    }
    return false;
}

TEST(ProfileDifferential, PortableBackEndReadsAndWritesAsThePlatform) {
    std::uint64_t seed = 20261208;
    if (const char* given = std::getenv("TUNEWICK_PROFILE_SEED")) seed = std::strtoull(given, nullptr, 10);
    const int kCases = 400;
    Random random(seed);
    GameFolder folder;
    Tally tally;

    for (int n = 0; n < kCases; ++n) {
        std::string original = RandomFile(random);
        std::string ours = original;
        // A new file for each case, so no cached copy of an earlier one is read.
        std::string path = folder.FullPath("case" + std::to_string(n) + ".ini");
        std::ofstream(path, std::ios::binary) << original;
        std::ostringstream history;

        for (int step = 0; step < 8; ++step) {
            bool write = random.OneIn(3);
            std::string section = random.Pick(kBlanks) + MixCase(random, random.Pick(kSections));
            std::string key = MixCase(random, random.Pick(kKeys));
            if (write) {
                std::string value = RandomValue(random);
                history << "write [" << section << "] " << key << " = <" << value << ">\n";
                ASSERT_TRUE(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()));
                profile_text::WriteValue(ours, section.c_str(), key.c_str(), value.c_str());
                ++tally.writes;
                continue;
            }
            const char* fallback = random.Pick(kFallbacks);
            std::size_t capacity = 1 + random.Below(40);
            char wine[64];
            char portable[64];
            DWORD wineCount = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback, wine,
                                                       static_cast<DWORD>(capacity), path.c_str());
            std::size_t portableCount =
                profile_text::ReadValue(&ours, section.c_str(), key.c_str(), fallback, portable, capacity);
            ++tally.reads;
            history << "read [" << section << "] " << key << " fallback <" << fallback << "> capacity " << capacity
                    << ": platform <" << wine << "> " << wineCount << ", portable <" << portable << "> "
                    << portableCount << "\n";
            bool same = std::string(wine) == portable && wineCount == portableCount;
            if (!same && portableCount == std::strlen(portable) &&
                KnownDeparture(portable, wine, capacity, fallback, tally))
                continue;
            ASSERT_TRUE(same) << "seed " << seed << ", case " << n << "\n--- file ---\n"
                              << Escaped(original) << "\n--- steps ---\n"
                              << history.str();
        }
        ++tally.cases;
    }
    std::printf("profile differential: seed %llu, %d cases, %d reads, %d writes; documented over Wine: "
                "%d quoted values in a tight buffer, %d all-blank fallbacks\n",
                static_cast<unsigned long long>(seed), tally.cases, tally.reads, tally.writes,
                tally.quotedTightBuffer, tally.blankFallback);
}

}  // namespace
