// Wickcheck.exe against the real programs on generated game folders: what
// it foretells of Runwick (the program started, its parameters and working
// folder, or the box shown instead) is what the stand-in game receives or
// the player reads when Runwick.exe runs in the folder afterwards; what it
// shows of Tunewick is what Tunewick.exe's dialog shows.
#include <gtest/gtest.h>

#include <string>

#include "../editor/resource.h"
#include "GeneratedGameFolders.h"
#include "ProgramDriver.h"

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
        PostClick(dialog, IDCANCEL);
        ASSERT_TRUE(tunewick.WaitForExit(10000));
    }
}

}  // namespace
