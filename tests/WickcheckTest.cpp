// The authors' check on every bad game folder and on the demo folder: the
// findings each must produce, and that it changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>

#include "../launcher/LaunchCommand.h"
#include "../wickcheck/check/GameFolderCheck.h"
#include "Platform.h"
#include "AuthorsGuide.h"
#include "BadGameFolders.h"
#ifndef _WIN32
#include "FakeSystem.h"
#endif

namespace fs = std::filesystem;

namespace {

using Codes = std::set<std::string>;

// What a folder with only GameExe and a few [Tunewick] keys gives: the
// defaults, no language file, no picture, LX.ico missing while IC defaults
// to TRUE, RunGame defaulting to TRUE with no LaunchExe.
const Codes kSparse = {"default-used", "language-file-missing", "picture-none", "icon-none", "launch-exe-empty"};
// No settings file the programs can take: GameExe's placeholder names no file.
const Codes kNoSettings = {"language-file-missing", "game-exe-missing", "picture-none", "icon-none",
                           "launch-exe-empty"};

Codes With(Codes codes, std::initializer_list<const char*> more) {
    codes.insert(more.begin(), more.end());
    return codes;
}

struct Expected {
    std::string folder;
    Codes codes;
};

const Expected kExpected[] = {
    {"an empty settings file", With(kSparse, {"game-exe-missing"})},
    {"binary garbage", With(kSparse, {"game-exe-missing"})},
    {"NUL bytes in a value", kSparse},
    {"one line of 1 MiB", With(kSparse, {"value-cut"})},
    {"a UTF-8 byte-order mark", With(kSparse, {"utf8-mark"})},
    {"a UTF-16 byte-order mark", kSparse},
    {"CR line ends", kSparse},
    {"LF line ends", kSparse},
    {"duplicate sections and keys", With(kSparse, {"duplicate-section", "duplicate-key"})},
    {"values that just fit", With(kSparse, {"stored-value-rewritten"})},
    {"values one too long", With(kSparse, {"value-cut", "stored-value-rewritten"})},
    {"a settings file name too long for the platform", With(kNoSettings, {"settings-path-too-long"})},
    {"System is a file", With(kNoSettings, {"settings-file-missing"})},
    {"a folder named like the settings file", With(kNoSettings, {"settings-file-missing"})},
    {"a settings file that cannot be written", kSparse},
};

Codes Check(const GameFolder&, std::size_t* firstLine = nullptr, int* exitStatus = nullptr) {
    auto report = std::make_unique<Report>();
    GameFolderCheck::Run(*report);
    if (exitStatus) *exitStatus = report->findings.ExitStatus();
    if (report->settingsFile.IsEmpty()) {
        EXPECT_STREQ(report->FactAt(0).value.Get(), "none") << "the settings file taken";
    }
    for (std::size_t i = 0; i < report->findings.Count(); ++i) {
        ExpectTheGuidesWords(report->findings[i]);
        if (report->settingsFile.IsEmpty() && report->findings[i].file == CheckedFile::Settings) {
            EXPECT_EQ(report->findings[i].line, 0u) << "no file, no line: " << report->findings[i].message.Get();
        }
    }
    Codes codes;
    for (std::size_t i = 0; i < report->findings.Count(); ++i) codes.insert(report->findings[i].kind->code);
    if (firstLine) *firstLine = report->findings.Count() ? report->findings[0].line : 0;
    return codes;
}

TEST(Wickcheck, EachBadGameFolderGivesItsFindingsAndStaysAsItWas) {
    ASSERT_EQ(std::size(kExpected), BadGameFolders().size());
    for (const BadGameFolder& bad : BadGameFolders()) {
        SCOPED_TRACE(bad.name);
        const Expected* expected = nullptr;
        for (const Expected& e : kExpected)
            if (e.folder == bad.name) expected = &e;
        ASSERT_NE(expected, nullptr);
        GameFolder game;
        game.Write("game.exe", "");
        bad.make(game, "game.exe");
        auto before = Snapshot(game);
        EXPECT_EQ(Check(game), expected->codes);
        EXPECT_EQ(Snapshot(game), before) << "nothing written";
        std::size_t entries = 0;
        for (auto& entry : fs::recursive_directory_iterator(game.Root())) entries += entry.path().filename() != "";
        EXPECT_FALSE(fs::exists(game.Root() / "Saves"));
    }
}

// The demo game folder as the demo lays it out: no findings at all. Each
// mistake an author may make in it gives its finding.
TEST(Wickcheck, TheDemoFolderAndItsMistakes) {
    struct Mistake {
        const char* what;
        const char* file;  // below the game folder
        const char* find;
        std::string replace;
        Codes codes;
        std::size_t line = 0;  // where the first finding stands, when it matters
        int exitStatus = -1;   // when it matters
    };
    const char* demoHeader =
        "; Settings file of the demo game \"Night Run\". Tunewick writes [Tunewick];\n; Runwick reads everything "
        "else. See game-authors.md.\n\n";
    const Mistake mistakes[] = {
        {"none", "System/nightrun.lxf", "", "", {}},
        {"the English spelling of a language key", "System/english.lng", "HadwareAcceleration=",
         "HardwareAcceleration=", {"unknown-key"}, 11},
        {"a GameExe that is not there", "System/nightrun.lxf", "GameExe=StandInGame.exe", "GameExe=Night.exe",
         {"game-exe-missing"}},
        {"a Savedir one character too long", "System/nightrun.lxf", "Savedir=Saves",
         "Savedir=Saves_Of_The_Night_Run_Game_For_Every_Player_X1234", {"path-cut"}},
        {"a GamePath that is no folder", "System/nightrun.lxf", "GamePath=", "GamePath=NoSuchFolder",
         {"game-path-unusable"}},
        {"an empty WinTitleOld", "System/nightrun.lxf", "WinTitleOld=Night Run", "WinTitleOld=",
         {"window-title-empty"}},
        {"an icon file that is missing", "System/nightrun.lxf", "\nIcon=nightrun.ico", "\nIcon=LX.ico", {"icon-none"}},
        {"a picture that is no bitmap", "System/nightrun.lxf", "SettingsPic=nightrun.bmp",
         "SettingsPic=nightrun.ico", {"picture-not-bitmap"}},
        {"an edition in lower case", "System/nightrun.lxf", "QFV=Maxor", "QFV=maxor",
         {"edition-unknown", "stored-mode-kept"}},
        {"a flag in lower case", "System/nightrun.lxf", "IC=TRUE", "IC=true", {"flag-not-set"}},
        {"a stored mode the edition does not offer", "System/nightrun.lxf", "QFV=Maxor", "QFV=Plenn",
         {"stored-mode-kept"}},
        {"a second settings file", "System/zzz.lxf", "", "", {"settings-file-ignored"}},
        {"a misspelt section", "System/nightrun.lxf", "[Startup]", "[StartUp1]", {"misspelt-section", "default-used"},
         18},
        {"comments in sections", "System/nightrun.lxf", "[Icon]\n", "[Icon]\n; kept on the game\n  # and: Icon=x.ico\n", {}},
        {"a GameExe without its extension", "System/nightrun.lxf", "GameExe=StandInGame.exe", "GameExe=StandInGame",
         {}},
        {"a GameExe that is no program", "System/nightrun.lxf", "GameExe=StandInGame.exe", "GameExe=nightrun.bmp",
         {"game-exe-not-program"}, 0, 2},
#ifndef _WIN32  // (the platform counts a program's icons itself)
        {"a program as the icon file", "System/nightrun.lxf", "\nIcon=nightrun.ico", "\nIcon=StandInGame.exe",
         {}},  // not counted here, and no false warning
#endif
        {"a quoted title that just fills its key", "System/nightrun.lxf", "Title=Night Run",
         "Title=\"" + std::string(99, 't') + "\"",
#ifdef _WIN32
         {"value-cut"}},  // Wine delivers it one short
#else
         {}},
#endif
        {"a LaunchExe without its extension", "System/nightrun.lxf", "LaunchExe=Runwick.exe", "LaunchExe=Runwick", {}},
        {"a LaunchExe that is a folder", "System/nightrun.lxf", "LaunchExe=Runwick.exe", "LaunchExe=System",
         {"launch-exe-not-found"}, 0, 1},
        // Windows takes a UTF-8 mark for part of the first line; Wine skips it.
        {"a UTF-8 mark before [Game]", "System/nightrun.lxf", demoHeader, "\xEF\xBB\xBF", {"utf8-mark"}, 1, 2},
        {"a UTF-8 mark before a comment", "System/nightrun.lxf", "; Settings", "\xEF\xBB\xBF; Settings",
         {"utf8-mark"}, 1, 0},
        // There the section that stands again is the one read: no duplicate.
        {"a UTF-8 mark before [Game], which stands again", "System/nightrun.lxf", demoHeader,
         "\xEF\xBB\xBF[Game]\nTitle=Night Run\nGameExe=StandInGame.exe\nGamePath=\nZPR=\n", {"utf8-mark"}, 1, 2},
        {"a UTF-8 title", "System/nightrun.lxf", "Title=Night Run", "Title=Nacht \xC3\x84rger", {"utf8-text"}, 5, 1},
        {"a UTF-8 language text", "System/english.lng", "=&Windowed Mode", "=&Fenstermodus \xC3\xA4",
         {"utf8-text"}, 16},
        // Alt letters: letter case aside, "&&" no mark.
        {"two texts marking J for Alt", "System/english.lng", "=Disable &Mouse", "=Disable Mouse (&j)",
         {"mnemonic-clash"}, 20},
        {"a letter no other text marks", "System/english.lng", "=Disable &Mouse", "=&Disable Mouse", {}},
        {"a label marking A for Alt", "System/english.lng", "Resolution=Resolution", "Resolution=&Aufl\xF6sung",
         {"label-mnemonic"}, 12, 1},
        {"the adapter's own label marking A", "System/english.lng", "=Graphics Adapter", "=Graphics &Adapter", {}, 0, 0},
        {"a capital and its small letter past ASCII", "System/english.lng", "=Disable &Joypad\nDisableMouse=Disable &Mouse",
         "=&\xC4 Joypad\nDisableMouse=&\xE4 Mouse", {"mnemonic-clash"}, 20, 0},
        {"a doubled & before a free letter", "System/english.lng", "=Disable &Mouse", "=Disable &&Joypad &Mouse", {}},
        {"a Windows-1252 language text", "System/english.lng", "=&Windowed Mode", "=&Fenstermodus \xE4 \xC4\xA9",
         {}},
    };
    for (const Mistake& mistake : mistakes) {
        SCOPED_TRACE(mistake.what);
        GameFolder game;
        for (auto& entry : fs::directory_iterator(fs::path(TUNEWICK_SOURCE_DIR) / "demo"))
            fs::copy(entry.path(), game.Root() / entry.path().filename(), fs::copy_options::recursive);
        fs::copy_file(fs::path(TUNEWICK_SOURCE_DIR) / "art" / "demogame.ico", game.Root() / "nightrun.ico");
        for (const char* program : {"StandInGame.exe", "Runwick.exe"}) game.Write(program, "MZ");
        std::string text = game.Read(mistake.file);
        if (*mistake.find) {
            std::size_t at = text.find(mistake.find);
            ASSERT_NE(at, std::string::npos);
            text.replace(at, std::string(mistake.find).size(), mistake.replace);
        }
        game.Write(mistake.file, text);
        std::size_t line = 0;
        int exitStatus = 0;
        EXPECT_EQ(Check(game, &line, &exitStatus), mistake.codes);
        if (mistake.line) {
            EXPECT_EQ(line, mistake.line);
        }
        if (mistake.exitStatus >= 0) {
            EXPECT_EQ(exitStatus, mistake.exitStatus);
        }
    }
}

#ifndef _WIN32
// On a code page of ASCII alone, with no short names, no path names a folder
// in another script: Runwick reads and makes nothing there, and the check
// says what both programs show instead. A folder of ASCII names is as before.
TEST(Wickcheck, AGameFolderTheCodePageCannotName) {
    GameFolder game;
    platform::UseAsciiCodePage(true);
    for (const char* folder : {"Night Run", "\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B", "Caf\xC3\xA9"}) {
        SCOPED_TRACE(folder);
        bool ascii = folder[0] == 'N';
        game.Write(std::string(folder) + "/System/game.lxf", "[Game]\nGameExe=g.exe\n[Settings]\nSavedir=Saves\n");
        fs::current_path(game.Root() / folder);
        LaunchCommand command;
        EXPECT_EQ(command.Build(), ascii ? LaunchOutcome::Ready : LaunchOutcome::FolderNotNameable);
        EXPECT_EQ(fs::exists("Saves"), ascii);
        auto report = std::make_unique<Report>();
        GameFolderCheck::Run(*report);
        EXPECT_EQ(report->findings[0].kind->code == std::string("folder-not-in-code-page"), !ascii);
        if (ascii) continue;
        EXPECT_EQ(report->findings.Count(), 1u);
        EXPECT_EQ(report->findings.ExitStatus(), 2);
        const std::string box = "\"The game folder's path holds letters this system cannot give to the game: move the "
                                "game to a folder whose path uses only this system's letters.\"";
        EXPECT_EQ(report->FactAt(0).value.Get(), "nothing: Runwick shows " + box);
        EXPECT_EQ(report->FactAt(1).value.Get(), "none: Tunewick shows " + box);
        testing::internal::CaptureStdout();
        PrintText(*report);
        std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_NE(printed.find("\nIn the game folder:\n  error   folder-not-in-code-page: The game folder's path holds "
                               "letters that code page 20127 cannot hold, and"), std::string::npos) << printed;
        EXPECT_NE(printed.find("\n\nSummary: 1 error, 0 warnings, 0 notes.\n"), std::string::npos) << printed;
    }
    platform::UseAsciiCodePage(false);
}
#endif

}  // namespace
