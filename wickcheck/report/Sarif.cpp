// The report as a SARIF 2.1.0 log, the form code-scanning services take:
// every finding code a rule, every finding a result at its file and line,
// the facts in the run's properties, what this build cannot see in the
// invocation's notifications.
#include <cstdio>

#include "../check/Message.h"
#include "JsonText.h"
#include "Report.h"
#include "SarifLocation.h"
#include "Version.h"

namespace {

void PrintRules() {
    for (std::size_t i = 0; i < kFindingKindCount; ++i) {
        const FindingKind& kind = kFindingKinds[i];
        static FixedText<1024> text;
        std::printf("%s\n            {\"id\": \"%s\", \"name\": \"%s\"", i ? "," : "", kind.code, kind.name);
        PrintJsonField(",\n             \"shortDescription\": {\"text\": ", kind.summary);
        PrintJsonField("},\n             \"fullDescription\": {\"text\": ", Say(text, kind.summary, " ", kind.advice).Get());
        Say(text, kind.summary, " What to do: ", kind.advice,
            " The messages of each finding stand in tools/wickcheck.md, the table of findings.");
        PrintJsonField("},\n             \"help\": {\"text\": ", text.Get());
        Say(text, "**", kind.summary, "**\n\nWhat to do: ", kind.advice,
            "\n\nThe messages of each finding stand in `tools/wickcheck.md`, the table of findings.");
        PrintJsonField(", \"markdown\": ", text.Get());
        std::printf("},\n             \"defaultConfiguration\": {\"level\": \"%s\"},", LevelName(kind.level));
        std::printf("\n             \"properties\": {\"seenBy\": \"%s\"}}",
                    kind.seen == Seen::Files ? "any build" : "the Windows build");
    }
}

void PrintHead() {
    std::printf("{\n  \"$schema\": \"https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/"
                "sarif-schema-2.1.0.json\",\n  \"version\": \"2.1.0\",\n  \"runs\": [\n    {\n"
                "      \"tool\": {\n        \"driver\": {\n          \"name\": \"Wickcheck\",\n"
                "          \"version\": \"%s\",\n          \"semanticVersion\": \"%s\",\n          \"rules\": [",
                TUNEWICK_VERSION, TUNEWICK_VERSION);
    PrintRules();
    std::printf("\n          ]\n        }\n      },\n");
}

void PrintNotification(bool first, const char* level, const char* text) {
    std::printf("%s\n            {\"level\": \"%s\"", first ? "" : ",", level);
    PrintJsonField(", \"message\": {\"text\": ", text);
    std::printf("}}");
}

void PrintResult(const Report& report, std::size_t index) {
    const Finding& f = report.findings[index];
    static FixedText<9 * 2 * kMaxPath + 16> uri;  // each byte of UTF-8 (up to three a character) as %XX
    static FixedText<48> fingerprint;
    ArtifactUri(report, f.file, uri);
    Fingerprint(report, index, fingerprint);
    std::printf("%s\n        {\"ruleId\": \"%s\", \"ruleIndex\": %d, \"level\": \"%s\"", index ? "," : "", f.kind->code,
                static_cast<int>(f.kind->id), LevelName(f.level));
    PrintJsonField(",\n         \"message\": {\"text\": ", f.message.Get());
    PrintJsonField("},\n         \"locations\": [{\"physicalLocation\": {\"artifactLocation\": {\"uri\": ", uri.Get());
    std::printf("}");
    if (f.line) std::printf(", \"region\": {\"startLine\": %zu}", f.line);
    std::printf("}}],\n         \"partialFingerprints\": {\"wickcheckFinding/v1\": \"%s\"}", fingerprint.Get());
    PrintJsonField(",\n         \"properties\": {\"section\": ", f.section.Get());
    PrintJsonField(", \"key\": ", f.key.Get());
    std::printf("}}");
}

}  // namespace

void PrintSarif(const Report& report) {
    const Findings& findings = report.findings;
    PrintHead();
    std::printf("      \"invocations\": [\n        {\n          \"executionSuccessful\": true,\n"
                "          \"exitCode\": %d,\n          \"toolExecutionNotifications\": [",
                findings.ExitStatus());
    bool first = true;
    for (std::size_t i = 0; i < report.FactCount(); ++i) {
        const Fact& fact = report.FactAt(i);
        if (fact.group != Group::NotSeenHere) continue;
        static FixedText<1200> text;
        PrintNotification(first, "note", Say(text, "Not seen by this build: ", fact.label, ": ", fact.value, ".").Get());
        first = false;
    }
    if (findings.Dropped()) {
        static FixedText<96> text;
        PrintNotification(first, "warning",
                          Say(text, Count{findings.Dropped()}, " more findings were found, and are not in this log.").Get());
    }
    std::printf("\n          ]\n        }\n      ],\n      \"results\": [");
    for (std::size_t i = 0; i < findings.Count(); ++i) PrintResult(report, i);
    PrintJsonField("\n      ],\n      \"properties\": {\n        \"gameFolder\": ", report.gameFolder.Get());
    PrintJsonField(",\n        \"settingsFile\": ", report.settingsFile.Get());
    PrintJsonField(",\n        \"languageFile\": ", report.languageFile.Get());
    std::printf(",\n        \"facts\": [");
    std::size_t printed = 0;
    for (std::size_t i = 0; i < report.FactCount(); ++i) {
        const Fact& fact = report.FactAt(i);
        if (fact.group == Group::NotSeenHere) continue;
        std::printf("%s\n          {\"group\": \"%s\"", printed++ ? "," : "", GroupName(fact.group));
        PrintJsonField(", \"label\": ", fact.label);
        PrintJsonField(", \"value\": ", fact.value.Get());
        std::printf("}");
    }
    std::printf("\n        ]\n      }\n    }\n  ]\n}\n");
}

void PrintSarifOfNoCheck(const char* folderArgument, const char* reason) {
    PrintHead();
    std::printf("      \"invocations\": [\n        {\n          \"executionSuccessful\": false,\n"
                "          \"exitCode\": 3,\n          \"toolExecutionNotifications\": [");
    PrintNotification(true, "error", reason);
    std::printf("\n          ]\n        }\n      ],\n      \"results\": [],\n      \"properties\": {");
    PrintJsonField("\n        \"folderArgument\": ", folderArgument);
    std::printf("\n      }\n    }\n  ]\n}\n");
}
