#include "Report.h"

#include <cstdio>

#include "JsonText.h"

Text& Report::Add(Group group, const char* label) {
    Fact& fact = factCount_ < kMostFacts ? facts_[factCount_++] : spare_;
    fact.group = group;
    fact.label = label;
    fact.value.Clear();
    return fact.value;
}

const char* LevelName(Level level) {
    constexpr const char* kNames[] = {"note", "warning", "error"};  // in the order of Level
    return kNames[static_cast<int>(level)];
}

const char* GroupName(Group group) {
    // In the order of Group.
    constexpr const char* kNames[] = {"settingsFile", "languageFile", "runwick", "tunewick", "watch", "notSeenHere"};
    return kNames[static_cast<int>(group)];
}

namespace {

const char* FileName(const Report& report, CheckedFile file) {
    switch (file) {
        case CheckedFile::Settings:
            return report.settingsFile.IsEmpty() ? "System\\*.lxf" : report.settingsFile.Get();
        case CheckedFile::Language:
            return report.languageFile.IsEmpty() ? "System\\*.lng" : report.languageFile.Get();
        case CheckedFile::Other:
            return "the game folder";
    }
    return "";
}

void PrintFindings(const Report& report, CheckedFile file) {
    const Findings& findings = report.findings;
    bool headed = false;
    for (std::size_t i = 0; i < findings.Count(); ++i) {
        const Finding& f = findings[i];
        if (f.file != file) continue;
        if (!headed) std::printf("\nIn %s:\n", FileName(report, file));
        headed = true;
        std::printf("  %-7s %s", LevelName(f.level), f.kind->code);
        if (!f.section.IsEmpty()) std::printf(" [%s]", f.section.Get());
        if (!f.key.IsEmpty()) std::printf(" %s", f.key.Get());
        if (f.line) std::printf(", line %zu", f.line);
        std::printf(": %s\n          %s\n", f.message.Get(), f.kind->advice);
    }
}

// A group without facts (the watch's, when there was none) has no heading.
void PrintGroup(const Report& report, Group group, const char* heading) {
    bool headed = false;
    for (std::size_t i = 0; i < report.FactCount(); ++i) {
        const Fact& fact = report.FactAt(i);
        if (fact.group != group) continue;
        if (!headed) std::printf("\n%s\n", heading);
        headed = true;
        std::printf("  %-22s %s\n", fact.label, fact.value.Get());
    }
}


}  // namespace

void PrintText(const Report& report) {
    std::printf("Wickcheck: the game folder %s\n", report.gameFolder.Get());
    PrintGroup(report, Group::SettingsFile, "The settings file, as both programs read it:");
    PrintGroup(report, Group::LanguageFile, "The language file, as Tunewick reads it:");
    PrintGroup(report, Group::Runwick, "What Runwick will do:");
    PrintGroup(report, Group::Tunewick, "What Tunewick will show and do:");
    PrintGroup(report, Group::Watch, "Watched: the game started as Runwick starts it:");
    PrintGroup(report, Group::NotSeenHere, "Not seen by this build:");
    PrintFindings(report, CheckedFile::Settings);
    PrintFindings(report, CheckedFile::Language);
    PrintFindings(report, CheckedFile::Other);
    const Findings& findings = report.findings;
    std::size_t errors = findings.CountOf(Level::Error);
    std::size_t warnings = findings.CountOf(Level::Warning);
    std::size_t notes = findings.CountOf(Level::Note);
    std::printf("\nSummary: %zu error%s, %zu warning%s, %zu note%s.\n", errors, errors == 1 ? "" : "s", warnings,
                warnings == 1 ? "" : "s", notes, notes == 1 ? "" : "s");
    if (findings.Dropped()) std::printf("(%zu more findings not shown)\n", findings.Dropped());
}

void PrintBrief(const Report& report) {
    const Findings& findings = report.findings;
    for (std::size_t i = 0; i < findings.Count(); ++i) {
        const Finding& f = findings[i];
        std::printf("%s:", FileName(report, f.file));
        if (f.line) std::printf("%zu:", f.line);
        std::printf(" %s:", LevelName(f.level));
        if (!f.section.IsEmpty()) std::printf(" [%s]", f.section.Get());
        if (!f.key.IsEmpty()) std::printf(" %s", f.key.Get());
        std::printf("%s %s [%s]\n", f.section.IsEmpty() && f.key.IsEmpty() ? "" : ":", f.message.Get(), f.kind->code);
    }
}

void PrintJson(const Report& report) {
    PrintJsonField("{\n  \"gameFolder\": ", report.gameFolder.Get());
    PrintJsonField(",\n  \"settingsFile\": ", report.settingsFile.Get());
    PrintJsonField(",\n  \"languageFile\": ", report.languageFile.Get());
    std::printf(",\n  \"facts\": [");
    for (std::size_t i = 0; i < report.FactCount(); ++i) {
        const Fact& fact = report.FactAt(i);
        std::printf("%s\n    {\"group\": \"%s\"", i ? "," : "", GroupName(fact.group));
        PrintJsonField(", \"label\": ", fact.label);
        PrintJsonField(", \"value\": ", fact.value.Get());
        std::printf("}");
    }
    std::printf("\n  ],\n  \"findings\": [");
    const Findings& findings = report.findings;
    for (std::size_t i = 0; i < findings.Count(); ++i) {
        const Finding& f = findings[i];
        std::printf("%s\n    {\"level\": \"%s\", \"code\": \"%s\"", i ? "," : "", LevelName(f.level), f.kind->code);
        PrintJsonField(", \"file\": ", FileName(report, f.file));
        PrintJsonField(", \"section\": ", f.section.Get());
        PrintJsonField(", \"key\": ", f.key.Get());
        std::printf(", \"line\": %zu", f.line);
        PrintJsonField(", \"message\": ", f.message.Get());
        PrintJsonField(", \"advice\": ", f.kind->advice);
        std::printf("}");
    }
    std::printf("\n  ],\n  \"summary\": {\"errors\": %zu, \"warnings\": %zu, \"notes\": %zu, \"exitStatus\": %d}\n}\n",
                findings.CountOf(Level::Error), findings.CountOf(Level::Warning), findings.CountOf(Level::Note),
                findings.ExitStatus());
}
