#pragma once
// The authors' check's whole report: what each program will do with the
// game folder's files, as facts in groups, and the findings.
#include <cstddef>

#include "../../config/Platform.h"  // kMaxPath
#include "../check/Findings.h"

enum class Group { SettingsFile, LanguageFile, Runwick, Tunewick, Watch };

struct Fact {
    Group group;
    const char* label;
    FixedText<1024> value;
};

class Report {
public:
    static constexpr std::size_t kMostFacts = 160;

    // A fact to fill with Text's Set and Append; past kMostFacts, a spare.
    Text& Add(Group group, const char* label);

    std::size_t FactCount() const { return factCount_; }
    const Fact& FactAt(std::size_t i) const { return facts_[i]; }

    FixedText<kMaxPath> gameFolder;
    FixedText<kMaxPath> settingsFile;  // the full path the programs take, or empty
    FixedText<kMaxPath> languageFile;
    Findings findings;

private:
    Fact facts_[kMostFacts];
    Fact spare_;
    std::size_t factCount_ = 0;
};

// Prints the report for a reader, grouped by file, with a summary line.
void PrintText(const Report& report);
// Prints one line a finding, FILE:LINE: LEVEL: [SECTION] KEY: MESSAGE
// [CODE], as editors and build logs link to (FILE: LEVEL: ... where no line
// is known; no section or key where the finding concerns none).
void PrintBrief(const Report& report);
// Prints it as one JSON object.
void PrintJson(const Report& report);
