#pragma once
// The authors' check's whole report: what each program will do with the
// game folder's files, as facts in groups, and the findings.
#include <cstddef>

#include "../../config/Platform.h"  // kMaxPath
#include "../check/Findings.h"

// NotSeenHere: what this build cannot see, which only Windows shows.
enum class Group { SettingsFile, LanguageFile, Runwick, Tunewick, Watch, NotSeenHere };

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

    FixedText<kMaxPath> folderArgument;  // the game folder as the command line gave it; empty: the current one
    FixedText<kMaxPath> gameFolder;
    FixedText<kMaxPath> settingsFile;  // the full path the programs take, or empty
    FixedText<kMaxPath> languageFile;
    Findings findings;

private:
    Fact facts_[kMostFacts];
    Fact spare_;
    std::size_t factCount_ = 0;
};

const char* LevelName(Level level);  // "note", "warning", "error"
const char* GroupName(Group group);  // the JSON forms' name of the group

// Prints the report for a reader, grouped by file, with a summary line.
void PrintText(const Report& report);
// Prints one line a finding, FILE:LINE: LEVEL: [SECTION] KEY: MESSAGE
// [CODE], as editors and build logs link to (FILE: LEVEL: ... where no line
// is known; no section or key where the finding concerns none).
void PrintBrief(const Report& report);
// Prints it as one JSON object.
void PrintJson(const Report& report);
// Prints it as a SARIF 2.1.0 log of one run, for code scanning
// (report/Sarif.cpp).
void PrintSarif(const Report& report);
// The log of a run that checked nothing: the folder argument could not be
// opened, for the reason given.
void PrintSarifOfNoCheck(const char* folderArgument, const char* reason);
