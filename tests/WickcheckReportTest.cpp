// The authors' check's three reports: the reference's sample, line for line;
// JSON in UTF-8; the brief form, one line a finding as build logs link.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "../wickcheck/check/GameFolderCheck.h"
#include "../wickcheck/report/SarifLocation.h"
#include "GameFolder.h"
#include "Platform.h"

namespace fs = std::filesystem;

namespace {

// The reference's sample run, the demo folder with the English spelling of a
// language key, is what Wickcheck prints where no dialog can be made (the
// native build), line for line, the folder's own path aside.
TEST(Wickcheck, PrintsTheReferencesSampleRun) {
    std::ifstream readme(fs::path(TUNEWICK_SOURCE_DIR) / "docs" / "wickcheck.md");
    std::string text((std::istreambuf_iterator<char>(readme)), std::istreambuf_iterator<char>());
    std::size_t begin = text.find("```\nWickcheck: the game folder");
    ASSERT_NE(begin, std::string::npos);
    begin += 4;
    std::string sample = text.substr(begin, text.find("```", begin) - begin);
#ifdef _WIN32  // the Windows build sees all the native one cannot
    std::size_t unseen = sample.find("\nNot seen by this build:\n");
    ASSERT_NE(unseen, std::string::npos);
    sample.erase(unseen, sample.find("\n\n", unseen + 1) + 1 - unseen);
#endif

    GameFolder game;
    for (auto& entry : fs::directory_iterator(fs::path(TUNEWICK_SOURCE_DIR) / "demo"))
        fs::copy(entry.path(), game.Root() / entry.path().filename(), fs::copy_options::recursive);
    fs::copy_file(fs::path(TUNEWICK_SOURCE_DIR) / "art" / "demogame.ico", game.Root() / "nightrun.ico");
    for (const char* program : {"StandInGame.exe", "Runwick.exe"}) game.Write(program, "");
    std::string language = game.Read("System/english.lng");
    language.replace(language.find("HadwareAcceleration="), 20, "HardwareAcceleration=");
    game.Write("System/english.lng", language);
    auto report = std::make_unique<Report>();
    report->gameFolder.Set(game.FullPath(".").c_str());
    GameFolderCheck::Run(*report);
    testing::internal::CaptureStdout();
    PrintText(*report);
    std::string printed = testing::internal::GetCapturedStdout();

    // The folder's path, long and short (in the -dir option), as in the reference's.
    FixedText<kMaxPath> shortForm;
    platform::ShortPath(game.FullPath(".").c_str(), shortForm);
    for (std::string folder : {game.FullPath("."), std::string(shortForm.Get())}) {
        while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
        for (std::size_t at; (at = printed.find(folder)) != std::string::npos;)
            printed.replace(at, folder.size(), "Z:\\tmp\\NightRun");
    }
    for (char& c : printed)
        if (c == '/') c = '\\';
    EXPECT_EQ(printed, sample);
}

bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t more = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : 9;
        if (more == 9 || i + more >= text.size() + (more ? 0 : 1)) return false;
        for (std::size_t k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += more + 1;
    }
    return true;
}

// The report for machines is UTF-8 whatever the files' code page, with
// JSON's escapes; the brief one is one line a finding, as build logs link.
TEST(Wickcheck, TheJsonReportIsUtf8AndTheBriefOneLinksEachFinding) {
    GameFolder game;
    // A title in code page 1252, a quote and a tab in it; IC in lower case on line 6; a section no program reads.
    game.Write("System/game.lxf", "[Game]\r\nTitle=Caf\xE9 \x80 \"q\"\t\\\r\nGameExe=g.exe\r\nZPR=" + std::string(100, 'z') +
                                      "\r\n[Icon]\r\nIC=true\r\n[Extra]\r\n");
    game.Write("g.exe", "");
    auto report = std::make_unique<Report>();
    GameFolderCheck::Run(*report);
    testing::internal::CaptureStdout();
    PrintJson(*report);
    std::string json = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(IsUtf8(json));
#ifndef _WIN32  // Windows converts from its own ANSI code page
    EXPECT_NE(json.find("Caf\xC3\xA9 \xE2\x82\xAC \\\"q\\\"\\u0009\\\\"), std::string::npos) << json;
#endif
    std::string settingsFile = game.FullPath("System\\game.lxf");
    std::string escaped;
    for (char c : settingsFile) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    // Each fact and finding one object a line, their fields in this order.
    const std::string parts[] = {
        "{\n  \"gameFolder\": \"",
        "\",\n  \"settingsFile\": \"" + escaped + "\",\n  \"languageFile\": \"\",\n  \"facts\": [\n    {\"group\": "
        "\"settingsFile\", \"label\": \"file\", \"value\": \"" + escaped + "\"},\n",
        "\n    {\"group\": \"tunewick\", \"label\": \"caption\", \"value\": ",
        "\n  ],\n  \"findings\": [\n    {\"level\": ",
        "\n    {\"level\": \"warning\", \"code\": \"flag-not-set\", \"file\": \"" + escaped +
            "\", \"section\": \"Icon\", \"key\": \"IC\", \"line\": 6, \"message\": \"\\\"true\\\" does not count as "
            "set: only TRUE does.\", \"advice\": \"Write TRUE in capitals, nothing else: only that counts as set.\"},\n",
        "}\n  ],\n  \"summary\": {\"errors\": 0, \"warnings\": "};
    for (const std::string& part : parts)
        EXPECT_NE(json.find(part), std::string::npos) << part << "\nin\n" << json;
    EXPECT_EQ(json.substr(json.size() - 19), "\"exitStatus\": 1}\n}\n") << "warnings only";

    testing::internal::CaptureStdout();
    PrintText(*report);
    std::string text = testing::internal::GetCapturedStdout();
    EXPECT_NE(text.find("\nIn " + settingsFile + ":\n  "), std::string::npos);
    EXPECT_NE(text.find("\n  warning flag-not-set [Icon] IC, line 6: \"true\" does not count as set: only TRUE does.\n"
                        "          Write TRUE in capitals, nothing else: only that counts as set.\n"),
              std::string::npos);

    testing::internal::CaptureStdout();
    PrintBrief(*report);
    std::string brief = testing::internal::GetCapturedStdout();
    EXPECT_NE(brief.find(settingsFile +
                         ":6: warning: [Icon] IC: \"true\" does not count as set: only TRUE does. [flag-not-set]\n"),
              std::string::npos)
        << brief;
    for (const std::string line : {": note: [Game] GamePath: The key is not set: Runwick reads \"\".",
                                   ": note: [Tunewick] Screen: The key is not set: Tunewick reads \"\", Runwick "
                                   "\"-d 640x480x16\".",
                                   ":4: warning: [Game] ZPR: The value is longer than the 99 characters the key holds",
                                   ":7: note: [Extra]: Neither program reads a section of this name. [unknown-section]"})
        EXPECT_NE(brief.find(settingsFile + line), std::string::npos) << line << " (no line where none is given)";
    EXPECT_NE(brief.find("System\\*.lng: note: There is no System"), std::string::npos) << "no key: none given";
}

std::map<std::string, std::string> FingerprintsByFinding(const Report& report) {
    std::map<std::string, std::string> prints;
    FixedText<48> print;
    for (std::size_t i = 0; i < report.findings.Count(); ++i) {
        const Finding& f = report.findings[i];
        Fingerprint(report, i, print);
        prints[std::string(f.kind->code) + " " + f.section.Get() + " " + f.key.Get()] += print.Get() + std::string(" ");
    }
    return prints;
}

// A SARIF result points at the folder argument joined with the file's path
// in the folder, as on disk; its fingerprint holds when the file changes
// around it.
TEST(Wickcheck, SarifResultsPointAtTheFileAndKeepTheirFingerprints) {
    GameFolder game;
    // IC's twin names line 9, then 10: a fingerprint leaves every digit out.
    const std::string settings = "[Game]\r\nGameExe=g.exe\r\n;\r\n;\r\n;\r\n;\r\n;\r\n[Icon]\r\nIC=true\r\nIC=TRUE\r\n";
    game.Write("system/Game.LXF", settings);  // in letter case other than the programs write
    game.Write("g.exe", "");
    auto report = std::make_unique<Report>();
    GameFolderCheck::Run(*report);
    const struct {
        const char* argument;
        CheckedFile file;
        const char* uri;
    } rows[] = {
        {"", CheckedFile::Settings, "system/Game.LXF"},
        {".", CheckedFile::Settings, "system/Game.LXF"},
        {"games\\night run\\", CheckedFile::Settings, "games/night%20run/system/Game.LXF"},
        {"caf\xE9", CheckedFile::Language, "caf%C3%A9/System/*.lng"},  // no language file: the pattern
        {"game", CheckedFile::Other, "game/"},
        {"", CheckedFile::Other, "./"},
        {"C:\\Games 2.0\\x", CheckedFile::Settings, "file:///C:/Games%202.0/x/system/Game.LXF"},
        {"/srv/x/", CheckedFile::Settings, "file:///srv/x/system/Game.LXF"},
        {"/", CheckedFile::Other, "file:///"},
    };
    FixedText<2048> uri;
    for (const auto& row : rows) {
        report->folderArgument.Set(row.argument);
        ArtifactUri(*report, row.file, uri);
        EXPECT_STREQ(uri.Get(), row.uri) << row.argument;
    }
    report->folderArgument.Set("game");
    testing::internal::CaptureStdout();
    PrintSarif(*report);
    std::string sarif = testing::internal::GetCapturedStdout();
    for (const std::string located : {"\"ruleId\": \"flag-not-set\", \"ruleIndex\": 15, \"level\": \"warning\",\n"
                                      "         \"message\": {\"text\": \"\\\"true\\\" does not count as set: only TRUE "
                                      "does.\"},\n         \"locations\": [{\"physicalLocation\": {\"artifactLocation\": "
                                      "{\"uri\": \"game/system/Game.LXF\"}, \"region\": {\"startLine\": 9}}}]",
                                      "\"ruleId\": \"language-file-missing\", \"ruleIndex\": 3, \"level\": \"note\",\n"
                                      "         \"message\": {\"text\": \"There is no System\\\\*.lng: Tunewick shows its "
                                      "English texts.\"},\n         \"locations\": [{\"physicalLocation\": "
                                      "{\"artifactLocation\": {\"uri\": \"game/System/*.lng\"}}}]"})
        EXPECT_NE(sarif.find(located), std::string::npos) << located << "\nin\n" << sarif;

    // A key more above them, a finding more: each earlier finding keeps its
    // fingerprint, the twin's too, though its message names another line.
    const auto before = FingerprintsByFinding(*report);
    game.Write("system/Game.LXF", "[Game]\r\nBogus=1\r\n" + settings.substr(8));
    report = std::make_unique<Report>();
    GameFolderCheck::Run(*report);
    auto after = FingerprintsByFinding(*report);
    EXPECT_EQ(after.erase("unknown-key Game Bogus"), 1u);
    EXPECT_EQ(after, before);
}

}  // namespace
