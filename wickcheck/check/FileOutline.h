#pragma once
// The lines of a profile file, as the profile functions read them: which
// sections and keys stand where. The check takes its values through the
// programs' own reads; this outline tells it line numbers, what stands
// twice, and what no program reads.
#include <cstddef>

#include "../../config/FixedText.h"
#include "Findings.h"

// A section the programs read, and the keys they read in it.
struct KnownSection {
    const char* name;
    const char* const* keys;
    std::size_t keyCount;
};

class FileOutline {
public:
    // Reads the file (the first kMostBytes of it) and finds what stands
    // twice, what is misspelt, lines without '=' and a UTF-8 mark. A file
    // that cannot be read has no lines: the programs read their defaults.
    void Check(const char* path, const KnownSection* known, std::size_t knownCount, CheckedFile file,
               Findings& findings);

    // The line of the first key of that name in the first section of that
    // name (of the section's heading for the key ""); 0 when it is not there.
    std::size_t LineOf(const char* section, const char* key) const;

    // Forgets the file: no lines known.
    void Clear() { entryCount_ = 0; }

    static constexpr std::size_t kMostBytes = 2 * 1024 * 1024;

private:
    struct Walk;
    struct Entry {
        FixedText<64> section;
        FixedText<64> key;
        std::size_t line;
    };
    static constexpr std::size_t kMostEntries = 512;
    Entry entries_[kMostEntries];
    std::size_t entryCount_ = 0;
};

