// What the watch makes of a start, from its timeline alone: the events
// written out by hand as a start may go, the findings and lines expected.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../wickcheck/watch/Watch.h"

namespace {

using Watch::Event;

struct Given {
    Event event;
    unsigned long long ms;
    unsigned long process;
    const char* text = "";
    const char* program = "";
    unsigned long number = 0;
    bool flag = false;  // ownedByGame for Matched, found for Window, endedByWickcheck for Ended
};

TEST(Watch, JudgesTheStartByItsTimeline) {
    const Given start{Event::Started, 0, 10, "", "game.exe"};
    const struct {
        const char* what;
        std::vector<Given> events;
        bool titleSeen, gameEnded;
        const char* codes;    // the findings' codes, in order
        const char* words;    // in the findings ("KEY: MESSAGE") or the report's lines ("label|value"); \n ends one
        const char* ic = "TRUE";
        LaunchOutcome outcome = LaunchOutcome::Ready;
        bool iconsTaken = true;
    } rows[] = {
        {"the caption matches", {start, {Event::Window, 90, 10, "Night Run", "game.exe", 0, true},
                                 {Event::Matched, 100, 10, "Night Run", "game.exe", 0, true}}, true, false, "",
         "\nRunwick's window|0.10 s  \"Night Run\"\n"},
        {"not started", {{Event::NotStarted, 0, 0, "No Game Executable Defined in LXF File"}}, false, false,
         "game-not-started", "GameExe: The game was not started: Runwick shows \"No Game Executable Defined in LXF File\"."},
        {"a working folder refused", {{Event::NotStarted, 0, 0, "Game Path Too Long"}}, false, false, "game-not-started",
         "GamePath: The game was not started", "TRUE", LaunchOutcome::GamePathUnusable},
        {"ends at once", {start, {Event::Ended, 50, 10, "", "game.exe", 3}}, false, true, "game-ended-early",
         "The game ended after 0.05 s with exit code 3, before Runwick found its window."},
        {"another caption, ends", {start, {Event::Window, 90, 10, "Night Run 1.2", "game.exe"},
                                   {Event::Ended, 6000, 10, "", "game.exe"}}, false, true, "window-title-not-seen",
         "came in 6.00 s; the game's windows: \"Night Run 1.2\".\n"},
        {"no window till the limit", {start, {Event::LimitPassed, 10000, 0, "", "", 1}}, false, false,
         "window-title-not-seen", "came in 10.00 s; the game's windows: none.\n"},
        {"the limit, one would not end", {start, {Event::LimitPassed, 10000, 0, "Wickcheck could not end every process"}},
         false, false, "window-title-not-seen", "time limit|10.00 s  passed: Wickcheck could not end every process"},
        {"interrupted", {start, {Event::Interrupted, 3000, 0, "", "", 2}}, false, false, "window-title-not-seen",
         "\ninterrupted|3.00 s  Ctrl+C: Wickcheck ended the 2 processes of the game still running\n"},
        {"outside the job", {start, {Event::OutsideJob, 0, 10, "", "game.exe"}, {Event::Ended, 50, 10}}, false, true,
         "game-ended-early", "\nprocess|0.00 s  game.exe (process 10) is outside Wickcheck's job (an elevated start, or "
         "a job that Windows 7 does not nest): watched and ended by its own handle; the processes it starts are not seen\n"},
        {"a start program, the game's window", {start, {Event::ProcessStarted, 20, 11, "", "child.exe"},
                                                {Event::Ended, 50, 10, "", "game.exe"},
                                                {Event::Window, 100, 11, "Night Run", "child.exe", 0, true}},
         true, false, "game-exe-ends-first",
         "\"game.exe\" ended after 0.05 s with exit code 0 while the game went on: Runwick ends with it, before it finds "
         "the game's window, and keeps no icon on it. The game's window \"Night Run\" is shown by \"child.exe\""},
        {"a start program, no window", {start, {Event::ProcessStarted, 20, 11, "", "child.exe"},
                                        {Event::Ended, 50, 10, "", "game.exe"}}, false, false,
         "game-exe-ends-first window-title-not-seen", "The game went on in \"child.exe\": put that program in "
         "GameExe.\nWinTitleOld: No window captioned \"Night Run\" came in 10.00 s; the game's windows: none.\n"},
        {"a start program, no window (lines)", {start, {Event::ProcessStarted, 20, 11, "", "child.exe"},
                                                {Event::Ended, 50, 10, "", "game.exe"}, {Event::RunwickEnds, 60, 0}},
         false, false, "game-exe-ends-first window-title-not-seen",
         "\nprocess|0.02 s  child.exe (process 11), started by a process of the game\nends|0.05 s  game.exe (process 10): "
         "exit code 0\nRunwick ends|0.06 s  the game goes on\n"},
        {"a start program ending after Runwick found the window",
         {start, {Event::ProcessStarted, 20, 11, "", "child.exe"}, {Event::Window, 30, 11, "Night Run", "child.exe", 0, true},
          {Event::Matched, 40, 11, "Night Run", "child.exe", 0, true}, {Event::Ended, 50, 10, "", "game.exe"}},
         true, false, "", "\nRunwick's window|0.04 s  \"Night Run\"\n"},
        {"a start program that ends last", {start, {Event::ProcessStarted, 20, 11, "", "child.exe"},
                                            {Event::Ended, 30, 11, "", "child.exe"}, {Event::Ended, 50, 10}},
         false, true, "game-ended-early", "after 0.05 s with exit code 0"},
        {"another program's window, icon kept", {start, {Event::Matched, 100, 99, "Night Run", "folder.exe"}}, true,
         false, "window-of-another-program",
         "Runwick takes the window \"Night Run\" of \"folder.exe\", no program of the game's: it puts the icon"},
        {"another program's window, IC off", {start, {Event::Matched, 100, 99, "Night Run", "folder.exe"}}, true, false,
         "window-of-another-program", "it sends no icon and ends at once.\n", "FALSE"},
        {"another program's window (lines)", {start, {Event::Matched, 100, 99, "Night Run", "folder.exe"}}, true, false,
         "window-of-another-program", "\nRunwick's window|0.10 s  \"Night Run\" of folder.exe (process 99), another "
         "program's: Runwick takes any window of its caption\n"},
        {"no window: why no icon", {start, {Event::Ended, 50, 10, "", "game.exe", 1}}, false, true, "game-ended-early",
         "\nicon|none sent: Runwick found no window\n"},
        {"IC off: why no icon", {start, {Event::Matched, 100, 10, "Night Run", "game.exe", 0, true}}, true, false, "",
         "\nicon|none kept (IC is not TRUE)\n", "FALSE"},
        {"ended by Wickcheck", {start, {Event::LimitPassed, 10000, 0, "", "", 1},
                                {Event::Ended, 10010, 10, "", "game.exe", 1, true}}, false, false, "window-title-not-seen",
         "\nends|10.01 s  game.exe (process 10): ended by Wickcheck\n"},
        {"the icon kept, an end's exit code", {start, {Event::IconKept, 200, 0, "kept on the window while the game runs"},
                                               {Event::Ended, 900, 10, "", "", 4}}, true, true, "",
         "\nicon|0.20 s  kept on the window while the game runs\nends|0.90 s  a program (process 10): exit code 4\n"},
        {"the start's lines", {start}, true, false, "",
         "\nstart|0.00 s  game.exe\nworking folder|the game folder (GamePath is empty)\nparameters|>><<\n"},
        {"no icon in the file", {start, {Event::Matched, 100, 10, "Night Run", "game.exe", 0, true}}, true, false, "",
         "\nicon|none kept: the icon file gave none\n", "TRUE", LaunchOutcome::Ready, false},
        {"the start program's own window passed over", {start, {Event::Window, 10, 10, "Night Run", "game.exe", 0, true},
                                                        {Event::ProcessStarted, 20, 11, "", "child.exe"},
                                                        {Event::Ended, 50, 10, "", "game.exe"},
                                                        {Event::Window, 100, 11, "Night Run", "child.exe", 0, true}},
         true, false, "game-exe-ends-first", "is shown by \"child.exe\": put that program in GameExe.\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        auto timeline = std::make_unique<Watch::Timeline>();
        for (const Given& g : row.events) {
            Watch::Happening& h = timeline->Add(g.event, g.ms);
            h.text.Set(g.text);
            h.program.Set(g.program);
            h.process = g.process;
            h.number = g.number;
            h.ownedByGame = h.found = h.endedByWickcheck = g.flag;
        }
        timeline->startedProcess = 10;
        timeline->iconsTaken = row.iconsTaken;
        timeline->titleSeen = row.titleSeen;
        timeline->gameEnded = row.gameEnded;
        auto report = std::make_unique<Report>();
        auto check = std::make_unique<GameFolderCheck::Check>(*report);
        check->command.windowTitle.Set("Night Run");
        check->command.iconFlag.Set(row.ic);
        Watch::Judge(*check, row.outcome, check->command, *timeline, 10);
        std::string codes, findings, lines;
        for (std::size_t i = 0; i < report->findings.Count(); ++i) {
            codes += std::string(i ? " " : "") + report->findings[i].kind->code;
            findings += std::string(report->findings[i].key.Get()) + ": " + report->findings[i].message.Get() + "\n";
        }
        for (std::size_t i = 0; i < report->FactCount(); ++i)
            lines += std::string(report->FactAt(i).label) + "|" + report->FactAt(i).value.Get() + "\n";
        EXPECT_EQ(codes, row.codes) << findings;
        EXPECT_NE(("\n" + findings + lines).find(row.words), std::string::npos) << findings << lines;
    }
}

}  // namespace
