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
#include <vector>

#include "GameFolder.h"
#include "ProfileText.h"
#include "RandomProfileFiles.h"

namespace {

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
    int reads = 0;
    int writes = 0;
    int sectionsCompared = 0;
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

struct Step {
    bool write;
    std::string section;
    std::string key;
    std::string value;     // written; or the fallback of a read
    std::size_t capacity;  // of a read
};

// A file and what is done to it; no file at all where missing.
struct Case {
    const char* what;
    std::string file;
    bool missing;
    std::vector<Step> steps;
};

Step Read(const char* section, const char* key, const char* fallback = "d", std::size_t capacity = 40) {
    return Step{false, section, key, fallback, capacity};
}
Step Write(const char* section, const char* key, const char* value) {
    return Step{true, section, key, value, 0};
}

// Cases seen to go wrong once; the random ones follow them.
const Case kKnownCases[] = {
    {"a lone CR ends a line in a file with LF", "[S]\r\nk=1\rj=2\n", false,
     {Read("S", "j"), Write("S", "k", "5"), Read("S", "j"), Read("S", "k")}},
    {"a key after a lone CR heading is replaced", "[S]\rk=1\n[T]\nx=1\n", false,
     {Write("S", "k", "7"), Read("S", "k"), Read("T", "x")}},
    {"a quoted fallback with no file", "", true, {Read("S", "k", "\"q\""), Read("S", "k", "'q'  ")}},
    {"a missing file is made by a write", "", true, {Write("Tunewick", "Win", "-wnd"), Read("Tunewick", "Win")}},
    // Wine's written file has no mark and CR LF line ends; the values compare.
    {"a UTF-8 byte-order mark and a key before any heading", "\xEF\xBB\xBF[A]\r\nk=1\r\n", false,
     {Write("A", "n", "2"), Read("A", "n"), Read("A", "k")}},
};

class Differential {
public:
    explicit Differential(GameFolder& folder) : folder_(folder) {}

    // The portable text and the platform's file go through the same steps:
    // every read must agree, and afterwards the portable text, as a file of
    // its own, must read as the platform's file in every section and key.
    void Run(const Case& c, const std::string& label) {
        std::string ours = c.missing ? "" : c.file;
        std::string path = folder_.FullPath(label + ".ini");
        std::string oursPath = folder_.FullPath(label + "-portable.ini");
        // A new file for each case, so no cached copy of an earlier one is read.
        if (!c.missing) std::ofstream(path, std::ios::binary) << c.file;
        bool exists = !c.missing;
        std::ostringstream history;
        for (const Step& step : c.steps) {
            if (step.write) {
                history << "write [" << step.section << "] " << step.key << " = <" << step.value << ">\n";
                ASSERT_TRUE(WritePrivateProfileStringA(step.section.c_str(), step.key.c_str(), step.value.c_str(),
                                                       path.c_str()));
                profile_text::WriteValue(ours, step.section.c_str(), step.key.c_str(), step.value.c_str());
                exists = true;
                ++tally.writes;
                continue;
            }
            char wine[64];
            char portable[64];
            const char* fallback = step.value.c_str();
            DWORD wineCount = GetPrivateProfileStringA(step.section.c_str(), step.key.c_str(), fallback, wine,
                                                       static_cast<DWORD>(step.capacity), path.c_str());
            // A missing file in an existing folder reads as an empty one.
            std::size_t portableCount = profile_text::ReadValue(&ours, step.section.c_str(),
                                                                step.key.c_str(), fallback, portable, step.capacity);
            ++tally.reads;
            history << "read [" << step.section << "] " << step.key << " fallback <" << fallback << "> capacity "
                    << step.capacity << ": platform <" << wine << "> " << wineCount << ", portable <" << portable
                    << "> " << portableCount << "\n";
            bool same = std::string(wine) == portable && wineCount == portableCount;
            if (!same && portableCount == std::strlen(portable) &&
                KnownDeparture(portable, wine, step.capacity, fallback, tally))
                continue;
            ASSERT_TRUE(same) << c.what << "\n--- file ---\n" << Escaped(c.file) << "\n--- steps ---\n"
                              << history.str() << "--- the platform's file now ---\n" << Escaped(folder_.Read(label + ".ini"));
        }
        if (!exists) return;
        std::ofstream(oursPath, std::ios::binary) << ours;
        for (const char* section : kSections) {
            std::string platformSection = Section(section, path);
            std::string portableSection = Section(section, oursPath);
            ++tally.sectionsCompared;
            ASSERT_EQ(platformSection, portableSection)
                << c.what << ": [" << section << "] read back differs\n--- file ---\n" << Escaped(c.file)
                << "\n--- steps ---\n" << history.str() << "--- portable text ---\n" << Escaped(ours);
        }
    }

    Tally tally;

private:
    // Every key=value line of a section as the platform reads it.
    static std::string Section(const char* section, const std::string& path) {
        char lines[8192];
        DWORD count = GetPrivateProfileSectionA(section, lines, sizeof lines, path.c_str());
        return std::string(lines, count);
    }

    GameFolder& folder_;
};

TEST(ProfileDifferential, PortableBackEndReadsAndWritesAsThePlatform) {
    std::uint64_t seed = 20261208;
    if (const char* given = std::getenv("TUNEWICK_PROFILE_SEED")) seed = std::strtoull(given, nullptr, 10);
    const int kCases = 400;
    Random random(seed);
    GameFolder folder;
    Differential differential(folder);

    int known = 0;
    for (const Case& c : kKnownCases) {
        differential.Run(c, "known" + std::to_string(known++));
        if (HasFatalFailure()) return;
    }
    for (int n = 0; n < kCases; ++n) {
        bool missing = random.OneIn(20);
        Case c{"random", missing ? "" : RandomFile(random), missing, {}};
        for (int step = 0; step < 8; ++step) {
            std::string section = random.Pick(kBlanks) + MixCase(random, random.Pick(kSections));
            std::string key = MixCase(random, random.Pick(kKeys));
            if (random.OneIn(3)) {
                c.steps.push_back(Step{true, section, key, RandomValue(random), 0});
            } else {
                const char* fallback = random.Pick(kFallbacks);
                c.steps.push_back(Step{false, section, key, fallback, static_cast<std::size_t>(1 + random.Below(40))});
            }
        }
        differential.Run(c, "case" + std::to_string(n));
        ASSERT_FALSE(HasFatalFailure()) << "seed " << seed << ", case " << n;
    }
    const Tally& tally = differential.tally;
    std::printf("profile differential: seed %llu, %zu known and %d random cases, %d reads, %d writes, %d sections "
                "read back; documented over Wine: %d quoted values in a tight buffer, %d all-blank fallbacks\n",
                static_cast<unsigned long long>(seed), std::size(kKnownCases), kCases, tally.reads, tally.writes,
                tally.sectionsCompared, tally.quotedTightBuffer, tally.blankFallback);
}

}  // namespace
