// Players in other countries: the real programs in game folders named in
// the player's script, or in one the system's code page cannot hold, with
// texts in the code page of their language. CTest runs this program once
// under each system code page (LANG); it takes the rows of that code page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../editor/resource.h"
#include "ProgramDriver.h"

namespace {

namespace fs = std::filesystem;

struct Row {
    unsigned codePage;
    const wchar_t* folder;  // the game folder's name
    const wchar_t* title;   // the game's title, and its window's caption
    const wchar_t* label;   // the windowed mode's check box
    const wchar_t* saves;   // Savedir
};

const Row kRows[] = {
    {1252, L"Spiele \u00c4rger", L"N\u00e4chte", L"Fenstermodus \u00e4\u00f6\u00fc", L"Spielst\u00e4nde"},
    {1251, L"\u0418\u0433\u0440\u044b", L"\u041d\u043e\u0447\u044c", L"\u041e\u043a\u043e\u043d\u043d\u044b\u0439",
     L"\u0421\u043e\u0445\u0440"},
    // Second bytes 0x5C, a backslash in ASCII: ソ and 表.
    {932, L"\u30bd\u30d5\u30c8\u8868", L"\u591c\u306e\u8868", L"\u30a6\u30a3\u30f3\u30c9\u30a6", L"\u30bb\u30fc\u30d6\u30bd"},
    {936, L"\u6e38\u620f", L"\u591c\u8dd1", L"\u7a97\u53e3\u6a21\u5f0f", L"\u5b58\u6863"},
    // Folders the code page cannot hold: the programs use their short form.
    {1252, L"\u0418\u0433\u0440\u044b", L"N\u00e4chte", L"Fenstermodus", L"Saves"},
    {1251, L"\u6e38\u620f \u00c4rger", L"\u041d\u043e\u0447\u044c", L"\u041e\u043a\u043e\u043d\u043d\u044b\u0439",
     L"Saves"},
};

std::string Ansi(const std::wstring& text) {
    char ansi[4096] = {};
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

// The long form of a path the programs handed out in the ANSI code page.
std::wstring LongForm(const std::string& path) {
    wchar_t longPath[MAX_PATH] = {};
    GetLongPathNameW(Wide(path).c_str(), longPath, MAX_PATH);
    return longPath;
}

std::wstring ReadSetting(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 256, file.c_str());
    return value;
}

TEST(CodePageEndToEnd, RunwickTunewickAndWickcheckInTheCodePagesRows) {
    fs::path base = fs::temp_directory_path() / ("tw-code-page-" + std::to_string(GetCurrentProcessId()));
    std::string report = Ansi((base / "report.txt").wstring());
    SetEnvironmentVariableA("STANDIN_GAME_REPORT", report.c_str());
    SetEnvironmentVariableA("STANDIN_GAME_SECONDS", "0.3");
    int rows = 0;
    for (const Row& row : kRows) {
        if (row.codePage != GetACP()) continue;
        ++rows;
        SCOPED_TRACE(Ansi(row.folder) + " on code page " + std::to_string(row.codePage));
        std::wstring game = (base / row.folder).wstring();
        fs::create_directories(base / row.folder / "System");
        fs::copy_file(ProgramBeside("StandInGame.exe"), base / row.folder / "game.exe");
        std::wstring settings = game + L"\\System\\game.lxf";
        std::ofstream(fs::path(settings)) << "[Game]\nTitle=" << Ansi(row.title) << "\nGameExe=game.exe\n[Settings]\nSavedir="
                                         << Ansi(row.saves) << "\nRunGame=FALSE\n[Tunewick]\nWin=-wnd\n[Startup]\n"
                                         << "WinTitleOld=" << Ansi(row.title) << "\n[Icon]\nIC=FALSE\n";
        // The label, translated in a catalogue and made into the language file in the row's code page.
        char utf8[256] = {};
        WideCharToMultiByte(CP_UTF8, 0, row.label, -1, utf8, sizeof utf8, nullptr, nullptr);
        std::ofstream(base / row.folder / "texts.po") << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
                                         << "msgctxt \"TextB/WindowMode\"\nmsgid \"Windowed Mode\"\nmsgstr \"" << utf8 << "\"\n";
        DWORD made = 0;
        std::string said = RunForOutput("\"" + ProgramBeside("Wickcheck.exe") +
                                            "\" --from-po texts.po System\\texts.lng --code-page " + std::to_string(row.codePage),
                                        game, made);
        ASSERT_EQ(made, 0u) << said;
        DeleteFileA(report.c_str());
        {
            RunningProgram runwick(ProgramBeside("Runwick.exe"), game);
            ASSERT_TRUE(runwick.WaitForExit(30000));
            for (int i = 0; i < 200 && !ReadReport(report).count("ended"); ++i) Sleep(50);
        }
        auto got = ReadReport(report);
        EXPECT_EQ((got["folder"] + got["parameters"]).find('?'), std::string::npos) << got["parameters"];
        EXPECT_EQ(LongForm(got["folder"]), game);
        std::size_t dir = got["parameters"].find("-dir ") + 5;
        std::string saves = got["parameters"].substr(dir, got["parameters"].find(' ', dir) - dir);
        EXPECT_EQ(LongForm(saves), game + L"\\" + row.saves) << "the save folder made, and passed";

        // Once the save folder stands, the check foretells -dir exactly.
        DWORD exitCode = 0;
        std::string check = RunForOutput(std::string("\"").append(ProgramBeside("Wickcheck.exe")).append("\""), game, exitCode);
        EXPECT_EQ(Fact(check, "parameters"), std::string(">>").append(got["parameters"]).append("<<")) << check;
        // Named as an argument, in any script, the folder gets the same check.
        std::wstring named = L"\"" + Wide(ProgramBeside("Wickcheck.exe")) + L"\" \"" + game + L"\"";
        EXPECT_EQ(Fact(RunForOutput(named, base.wstring(), exitCode), "parameters"), Fact(check, "parameters"));
        // A note: the short form serves.
        EXPECT_EQ(check.find("  note    folder-not-in-code-page: ") == std::string::npos, Wide(Ansi(game)) == game)
            << check;

        RunningProgram tunewick(ProgramBeside("Tunewick.exe"), game);
        HWND dialog = tunewick.WaitForDialog(20000);
        ASSERT_NE(dialog, nullptr);
        wchar_t caption[256] = {}, label[256] = {};
        GetWindowTextW(dialog, caption, 256);
        GetDlgItemTextW(dialog, IDC_WINDOWED, label, 256);
        EXPECT_EQ(std::wstring(caption) + L"|" + label, std::wstring(row.title) + L"|" + row.label);
        Click(dialog, IDC_WINDOWED);  // windowed no more
        PostClick(dialog, IDOK);
        ASSERT_TRUE(tunewick.WaitForExit(10000));
        EXPECT_EQ(ReadSetting(settings, L"Tunewick", L"Win"), L"") << "the player's choice saved";
        EXPECT_EQ(ReadSetting(settings, L"Game", L"Title"), row.title) << "the rest as it was";
    }
    std::error_code ignored;
    fs::remove_all(base, ignored);
    EXPECT_GT(rows, 0) << "no row for code page " << GetACP() << ": is LANG set?";
}

}  // namespace
