// Wickcheck.exe against the real programs on generated game folders: what
// it foretells of Runwick (the program started, its parameters and working
// folder, or the box shown instead) is what the stand-in game receives or
// the player reads when Runwick.exe runs in the folder afterwards; what it
// shows of Tunewick is what Tunewick.exe's dialog shows.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>

#include "../editor/DialogTexts.h"
#include "../editor/resource.h"
#include "GeneratedGameFolders.h"
#include "ProgramDriver.h"

#include <shellapi.h>  // after windows.h

namespace {

// before, text and after in one, appended: GCC 12 mistakes "x" + text for an overlap.
std::string Framed(const char* before, const std::string& text, const char* after) {
    std::string framed = before;
    framed.append(text).append(after);
    return framed;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) joined += (joined.empty() ? "" : ", ") + item;
    return joined;
}

std::string Selected(HWND dialog, int id) {
    int selection = ComboSelection(GetDlgItem(dialog, id));
    return selection < 0 ? "(none)" : Framed("\"", ComboItems(GetDlgItem(dialog, id))[selection], "\"");
}

// The dialog's selections, in the words of Wickcheck's report.
std::string Selections(HWND dialog) {
    std::string line = "adapter " + Selected(dialog, IDC_ADAPTER) + ", resolution " + Selected(dialog, IDC_RESOLUTION) +
                       ", depth " + Selected(dialog, IDC_COLOUR_DEPTH) + ", detail " + Selected(dialog, IDC_DETAIL);
    line += IsChecked(GetDlgItem(dialog, IDC_SOFTWARE)) ? ", software rendering" : ", hardware rendering";
    if (IsChecked(GetDlgItem(dialog, IDC_WINDOWED))) line += ", windowed";
    if (IsChecked(GetDlgItem(dialog, IDC_DISABLE_JOYPAD))) line += ", joypad disabled";
    if (IsChecked(GetDlgItem(dialog, IDC_DISABLE_MOUSE))) line += ", mouse disabled";
    return line;
}

// The parameters with the save folder's path after -dir left out: the path
// given, or the short one the game received, which holds no blank.
std::string WithoutSaveFolderPath(std::string parameters, const std::string& path = "") {
    std::size_t at = parameters.find(" -dir ");
    if (at == std::string::npos) return parameters;
    std::size_t length = path.empty() ? parameters.find(' ', at + 6) - at - 6 : path.size();
    return parameters.erase(at + 6, length);
}

const char kNotPresent[] = "Game Executable Either Not Present or Defined Incorrectly in LXF File";
const char kCouldNotStart[] = "Game Executable Could Not Be Started: ";

// The box Wickcheck foretells, or "" for a start.
std::string ForetoldBox(const std::string& start) {
    const std::string shows = "nothing: Runwick shows \"";
    if (start.rfind(shows, 0) == 0) return start.substr(shows.size(), start.size() - shows.size() - 1);
    if (start.find(" (no such file)") != std::string::npos) return kNotPresent;
    if (start.find(", no program") != std::string::npos) return kCouldNotStart;  // under Wine: no program opens it
    return "";
}

TEST(WickcheckEndToEnd, ForetellsWhatRunwickAndTunewickDo) {
    for (unsigned seed = 0; seed < 16; ++seed) {
        GameFolder game;
        std::string settings = MakeGeneratedFolder(game, seed, ProgramBeside("StandInGame.exe"));
        SCOPED_TRACE("seed " + std::to_string(seed) + ":\n" + settings.substr(0, 2000));
        std::string report = game.FullPath("report.txt");
        SetEnvironmentVariableA("STANDIN_GAME_REPORT", report.c_str());
        SetEnvironmentVariableA("STANDIN_GAME_SECONDS", "0.3");
        DWORD exitCode = 0;
        std::string check = RunForOutput(Framed("\"", ProgramBeside("Wickcheck.exe"), "\""), game.Root().string(), exitCode);
        ASSERT_LE(exitCode, 2u) << check;

        std::string box = ForetoldBox(Fact(check, "start"));
        {
            RunningProgram runwick(ProgramBeside("Runwick.exe"), game.Root().string());
            if (box.empty()) {
                ASSERT_TRUE(runwick.WaitForExit(30000)) << "a box, where a start was foretold";
                for (int i = 0; i < 200 && !ReadReport(report).count("ended"); ++i) Sleep(50);
                auto got = ReadReport(report);
                std::string start = Fact(check, "start");
                EXPECT_EQ(start.substr(0, got["program"].size() + 1), got["program"] + " ") << "the program started";
                // Where the save folder is yet to be made, its short path is known only then.
                std::string parameters = Fact(check, "parameters");
                std::string received = Framed(">>", got["parameters"], "<<");
                if (parameters.find(" (*)") != std::string::npos) {
                    std::string saves = Fact(check, "save folder");
                    parameters = WithoutSaveFolderPath(parameters.substr(0, parameters.find(" (*)")),
                                                       saves.substr(0, saves.find(": Runwick makes it")));
                    received = WithoutSaveFolderPath(received);
                }
                EXPECT_EQ(received, parameters);
                std::string folder = Fact(check, "working folder");
                EXPECT_EQ(got["folder"], folder.rfind("the game folder", 0) == 0 ? game.FullPath(".") : folder);
            } else {
                HWND shown = runwick.WaitForDialog(20000);
                ASSERT_NE(shown, nullptr) << "no box, where " << box << " was foretold";
                std::string message;
                for (int i = 0; i < 100 && message.empty(); ++i, Sleep(50)) message = WindowText(GetDlgItem(shown, 0xFFFF));
                EXPECT_EQ(message.substr(0, box.size()), box);
                PostMessageW(shown, WM_COMMAND, IDOK, 0);
                ASSERT_TRUE(runwick.WaitForExit(10000));
            }
        }

        RunningProgram tunewick(ProgramBeside("Tunewick.exe"), game.Root().string());
        HWND dialog = tunewick.WaitForDialog(20000);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Fact(check, "caption"), Framed("\"", WindowText(dialog), "\""));
        EXPECT_EQ(Fact(check, "resolutions"), Joined(ComboItems(GetDlgItem(dialog, IDC_RESOLUTION))));
        EXPECT_EQ(Fact(check, "colour depths"), Joined(ComboItems(GetDlgItem(dialog, IDC_COLOUR_DEPTH))));
        EXPECT_EQ(Fact(check, "selections"), Selections(dialog));
        // Save & Exit opens what the check foretold, where there is a file to save to.
        std::string after = Fact(check, "after Save & Exit");
        bool saves = Fact(check, "file") != "none";
        PostClick(dialog, saves ? IDOK : IDCANCEL);
        ASSERT_TRUE(tunewick.WaitForExit(10000));
        if (!saves) continue;
        if (after.rfind("opens nothing", 0) == 0 || after.find("(not in the game folder)") != std::string::npos) {
            EXPECT_EQ(tunewick.ProcessesStarted(), 0u) << after;
        } else if (after.find(", no program") == std::string::npos) {
            EXPECT_EQ(tunewick.ProcessesStarted(), 1u) << after;
        } else {  // a data file: opened by the program its type belongs to, where this system has one
            std::string file = after.substr(7, after.find('"', 7) - 7);
            char program[MAX_PATH] = "";
            bool typed = reinterpret_cast<INT_PTR>(FindExecutableA(file.c_str(), game.Root().string().c_str(), program)) > 32;
            EXPECT_EQ(tunewick.ProcessesStarted(), typed ? 1u : 0u) << after << ", " << file << ": " << program;
        }
        tunewick.EndWhatItStarted();  // a data file's program, where its type has one
    }
}

// The width of a control's text as the running dialog draws it, in the
// font its template names (8 point MS Sans Serif, as the dialog manager
// makes it on this system); a list's '&' stands as it is.
long TextWidth(HWND control, const std::wstring& text, bool list) {
    HDC dc = GetDC(control);
    HFONT font = CreateFontW(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, 0, 0, 0, 0, L"MS Sans Serif");
    HGDIOBJ before = SelectObject(dc, font);
    RECT extent = {0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &extent, DT_SINGLELINE | DT_CALCRECT | (list ? DT_NOPREFIX : 0));
    SelectObject(dc, before);
    DeleteObject(font);
    ReleaseDC(control, dc);
    return extent.right;
}

// German texts of many lengths, &-letters among few: in the running dialog,
// every text clearly wider than its control is text-cut, none that clearly
// fits is; every two texts marking one letter are a mnemonic-clash.
TEST(WickcheckEndToEnd, TranslationsAsTheRunningDialogShowsThem) {
    const std::string words[] = {"Grafik", "Einstellungen", "Hardware-Beschleunigung", "f\xFCr", "\xE4ltere", "Karten",
                                 "Fenster", "Modus", "deaktivieren", "empfohlen", "Joystick", "aus", "langsam", "Bit"};
    int judged = 0;
    for (unsigned seed = 0; seed < 4; ++seed) {
        std::mt19937 random(seed);
        auto text = [&](std::size_t most) {
            std::string t = words[random() % 14];
            for (std::size_t n = random() % most; n > 0; --n) t += " " + words[random() % 14];
            return t;
        };
        std::string language = "[TextB]\r\n";
        std::set<char> marked;
        std::set<std::string> clashes;
        std::map<std::string, std::string> labelTexts;
        for (const LabelKey& label : kLabels) {
            std::string t = text(6);
            std::size_t at = t.find_first_of("aems");  // few letters: clashes are many
            if (random() % 3 && at != std::string::npos) {
                if (!marked.insert(t[at]).second) clashes.insert(label.name);
                t.insert(at, "&");
            }
            language += std::string(label.name) + "=" + t + "\r\n";
            labelTexts[label.name] = t;
        }
        language += "[Dropdown]\r\n";
        for (const char* key : {"Primary", "Secondary1", "Secondary2", "NormalDetail", "AdvancedDetail", "Direct3D"})
            language += std::string(key) + "=" + key + " " + text(7) + "\r\n";
        GameFolder game;
        game.Write("System/game.lxf", "[Game]\r\nTitle=Nacht\r\n[Settings]\r\nQFV=Maxor\r\nRunGame=FALSE\r\n");
        game.Write("System/deutsch.lng", language);
        SCOPED_TRACE("seed " + std::to_string(seed) + ":\n" + language);
        DWORD exitCode = 0;
        std::string check = RunForOutput(Framed("\"", ProgramBeside("Wickcheck.exe"), "\" --brief"), game.Root().string(),
                                         exitCode);
        auto reported = [&check](const char* section, const std::string& key, const char* code) {
            const std::string at = Framed(" [", section, "] ") + key + ":";
            for (std::size_t line = check.find(at); line != std::string::npos; line = check.find(at, line + 1))
                if (check.substr(line, check.find('\n', line) - line).find(code) != std::string::npos) return true;
            return false;
        };
        for (const LabelKey& label : kLabels)
            EXPECT_EQ(reported("TextB", label.name, "[mnemonic-clash]"), clashes.count(label.name) > 0) << label.name;

        RunningProgram tunewick(ProgramBeside("Tunewick.exe"), game.Root().string());
        HWND dialog = tunewick.WaitForDialog(20000);
        ASSERT_NE(dialog, nullptr);
        // Each text against its control's room, judged only well clear of its edge.
        auto judge = [&](HWND control, const std::wstring& shown, long room, long decoration, bool list,
                         const char* section, const std::string& key) {
            long width = TextWidth(control, shown, list);
            if (width > room * 11 / 10 || width * 10 < (room - decoration) * 9) {
                ++judged;
                EXPECT_EQ(reported(section, key, "[text-cut]"), width > room) << key << ": " << width << " of " << room;
            }
        };
        for (const LabelKey& label : kLabels) {
            HWND control = GetDlgItem(dialog, label.controlId);
            RECT area;
            GetClientRect(control, &area);
            wchar_t shown[256] = {};
            GetWindowTextW(control, shown, 256);
            char kind[16] = {};
            GetClassNameA(control, kind, sizeof kind);
            judge(control, shown, area.right, std::string(kind) == "Button" ? 40 : 0, false, "TextB", label.name);
            // A label that wraps shows the words of its first line.
            const std::string reads = "the player reads \"";
            std::size_t at = check.find(reads, check.find(Framed(" [TextB] ", label.name, ": ")));
            bool wraps = std::string(kind) == "Static" && !(GetWindowLongA(control, GWL_STYLE) & SS_CENTERIMAGE);
            if (wraps && reported("TextB", label.name, "[text-cut]") && at != std::string::npos) {
                std::string read = check.substr(at + reads.size(), check.find("...\"", at) - at - reads.size());
                const std::string& text = labelTexts[label.name];
                EXPECT_EQ(text.substr(0, read.size() + 1), read + " ") << label.name << " reads " << read;
            }
        }
        for (int id : {IDC_ADAPTER, IDC_DETAIL, IDC_ACCELERATION}) {
            HWND list = GetDlgItem(dialog, id);
            RECT area;
            GetClientRect(list, &area);
            for (const std::string& item : ComboItems(list))  // the arrow aside
                judge(list, Wide(item), area.right - GetSystemMetrics(SM_CXVSCROLL), 10, true, "Dropdown",
                      item.substr(0, item.find(' ')));
        }
        PostClick(dialog, IDCANCEL);
        ASSERT_TRUE(tunewick.WaitForExit(10000));
    }
    EXPECT_GT(judged, 40) << "texts clear of their edges";
}

}  // namespace
