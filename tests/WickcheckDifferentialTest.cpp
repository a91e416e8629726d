// Wickcheck against the launch and the model themselves, on generated game
// folders: what it foretells of Runwick is what Runwick's own command,
// built for a launch afterwards, holds; what it shows of Tunewick is what
// the model loads. Every finding code comes up, and the exit status follows
// the levels and words the authors' guide gives.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <set>

#include "../launcher/LaunchCommand.h"
#include "../wickcheck/check/GameFolderCheck.h"
#include "AuthorsGuide.h"
#include "FakeControls.h"
#include "GeneratedGameFolders.h"

namespace {

std::string FactOf(const Report& report, Group group, const char* label) {
    for (std::size_t i = 0; i < report.FactCount(); ++i)
        if (report.FactAt(i).group == group && std::string(report.FactAt(i).label) == label)
            return report.FactAt(i).value.Get();
    return "<no fact>";
}

std::string Joined(const RecordedList& list) {
    std::string joined;
    for (const std::string& item : Items(list)) joined += (joined.empty() ? "" : ", ") + item;
    return joined;
}

// The boxes Runwick shows instead of starting, in its own words.
const std::map<LaunchOutcome, std::string> kBoxes = {
    {LaunchOutcome::NoExecutableDefined, "No Game Executable Defined in LXF File"},
    {LaunchOutcome::ExecutableNotFound, "Game Executable Either Not Present or Defined Incorrectly in LXF File"},
    {LaunchOutcome::GamePathUnusable, "Game Path Too Long or Defined Incorrectly in LXF File"},
};

TEST(WickcheckDifferential, ForetellsTheLaunchAndTheModelOnGeneratedFolders) {
    const auto levels = LevelsInTheGuide();
    ASSERT_EQ(levels.size(), kFindingKindCount) << "every finding is in the guide";
    std::set<std::string> seen;
#ifdef _WIN32
    const unsigned folders = 100;  // the platform's own file calls, under Wine: slower
#else
    const unsigned folders = 300;
#endif
    for (unsigned seed = 0; seed < folders; ++seed) {
        GameFolder game;
        game.Write("program", "");
        Planted planted;
        std::string settings = MakeGeneratedFolder(game, seed, game.FullPath("program"), &planted);
        SCOPED_TRACE("seed " + std::to_string(seed) + ":\n" + settings.substr(0, 2000));
        const bool savesStood = std::filesystem::is_directory(game.Root() / "Saves");
        auto report = std::make_unique<Report>();
        GameFolderCheck::Run(*report);
        // Each mistake planted is found, with its code, on its key and line.
        for (const PlantedMistake& mistake : planted.mistakes) {
            bool found = false;
            for (std::size_t i = 0; i < report->findings.Count(); ++i) {
                const Finding& f = report->findings[i];
                found = found || (f.kind->code == mistake.code && f.section.Get() == mistake.section &&
                                  f.key.Get() == mistake.key && f.line == mistake.line);
            }
            EXPECT_TRUE(found) << mistake.code << " [" << mistake.section << "] " << mistake.key << ", line "
                               << mistake.line;
        }

        int exitStatus = 0;
        for (std::size_t i = 0; i < report->findings.Count(); ++i) {
            const std::string code = report->findings[i].kind->code;
            seen.insert(code);
            ASSERT_TRUE(levels.count(code)) << code;
            const Level level = report->findings[i].level;
            const std::string name = level == Level::Error ? "error" : level == Level::Warning ? "warning" : "note";
            EXPECT_NE(levels.at(code).find(name), std::string::npos) << code << " at " << name;
            ExpectTheGuidesWords(report->findings[i]);
            exitStatus = std::max(exitStatus, static_cast<int>(level));
        }
        EXPECT_EQ(report->findings.ExitStatus(), exitStatus);

        // Tunewick: the model, loaded as the editor does, on lists that remember.
        FakeEditor editor;
        editor.Open();
        EXPECT_EQ(FactOf(*report, Group::Tunewick, "resolutions"), Joined(editor.ui.resolution));
        EXPECT_EQ(FactOf(*report, Group::Tunewick, "colour depths"), Joined(editor.ui.colourDepth));

        // Tunewick after a save, by what the folder was given.
        auto written = [&planted](const char* key, const char* otherwise) {
            return planted.values.count(key) ? planted.values.at(key) : std::string(otherwise);
        };
        const std::map<std::string, std::string> afterSave = {
            {"", "opens nothing: LaunchExe is empty"},
            {"bin", "opens nothing: LaunchExe names a folder"},
            {"game.exe", "opens \"game.exe\" (in the game folder)"},
            {"game", "opens \"game\" (in the game folder)"},
            {"readme.txt", "opens \"readme.txt\" (in the game folder), no program: opened with the program its type "
                           "belongs to, if any"},
            {"nothing.exe", "opens \"nothing.exe\" (not in the game folder)"},
            {std::string(99, 'p') + "x", "opens nothing: LaunchExe is too long for its key"}};
        std::string expected = written("RunGame", "TRUE") != "TRUE" ? "opens nothing (RunGame is not TRUE)"
                                                                      : afterSave.at(written("LaunchExe", ""));
        EXPECT_EQ(FactOf(*report, Group::Tunewick, "after Save & Exit"), expected);

        // Runwick: its command, built for a launch once the check is done.
        LaunchCommand launch;
        LaunchOutcome outcome = launch.Build();
        std::string start = FactOf(*report, Group::Runwick, "start");
        if (outcome != LaunchOutcome::Ready) {
            EXPECT_EQ(start, "nothing: Runwick shows \"" + kBoxes.at(outcome) + "\"");
            EXPECT_EQ(FactOf(*report, Group::Runwick, "working folder"), "<no fact>") << "nothing more of Runwick";
            continue;
        }
        // The save folder, by what the folder was given alone.
        std::string saves = FactOf(*report, Group::Runwick, "save folder");
        std::string savedir = written("Savedir", "");
        if (savedir.size() > 1 && savedir.front() == '"') savedir = savedir.substr(1, savedir.size() - 2);
        const std::string none = "none (Savedir is empty): no -dir", leftOut = "left out: no -dir";
        const std::string passed = ", passed with -dir in its short form, as shown";
        const std::string made = ": Runwick makes it at its start and passes it with -dir, as shown";
        const std::string longForm = ": Runwick makes it at its start and passes it with -dir in its short form, which "
                                     "Windows gives the folder only when it is made: the parameters show the long "
                                     "path instead (*)";
#ifdef _WIN32  // Windows gives a long name a short one, once the folder is made
        const std::string &notShort = longForm, &blank = longForm;
#else  // the portable back end keeps no 8.3 names: the long path is passed, where it holds no blank
        const std::string& notShort = made;
        const std::string blank = ": its short form holds a blank here, so it is left out: no -dir";
#endif
        const std::map<std::string, std::string> fates = {
            {"", none}, {"Saves", savesStood ? passed : made}, {"NewSaves", made}, {"My Saves", blank},
            {std::string(49, 's'), notShort}, {"SaveGames\\", notShort}, {"readme.txt", leftOut},
            {"no\\such\\x", leftOut}, {std::string(49, 's') + "x", leftOut}};
        ASSERT_TRUE(fates.count(savedir)) << savedir;
        const std::string& fate = fates.at(savedir);
        EXPECT_EQ(saves, fate == none || fate == leftOut ? fate : game.FullPath(savedir) + fate);
        // A blank: the answer hangs on the player's drive, and both builds say both.
        std::size_t dependsOnTheDrive = 0;
        for (std::size_t i = 0; i < report->findings.Count(); ++i)
            dependsOnTheDrive += std::string(report->findings[i].message.Get()).find("where the player's drive keeps "
                                                                                     "8.3 names, the game gets -dir") !=
                                 std::string::npos;
        EXPECT_EQ(dependsOnTheDrive, savedir == "My Saves" ? 1u : 0u);
        EXPECT_EQ(start.substr(0, launch.executablePath.Length() + 1), launch.executablePath.Get() + std::string(" "));
        // Marked where the platform names a new folder only when it makes it.
        std::string parameters = FactOf(*report, Group::Runwick, "parameters");
        if (parameters.find("(*)") == std::string::npos) {
            EXPECT_EQ(parameters, ">>" + std::string(launch.parameters.Get()) + "<<");
        }
        EXPECT_EQ(FactOf(*report, Group::Runwick, "working folder"),
                  launch.workingFolder.IsEmpty() ? "the game folder (GamePath is empty)" : launch.workingFolder.Get());
    }
#ifndef _WIN32  // the rarest come up only in the longer native run
    seen.insert("folder-not-in-code-page");  // the folder's own name: its own tests, natively and under Wine
    seen.insert("text-cut");                 // measured only where a dialog can be made: under Wine
    seen.insert("label-mnemonic");           // the generator marks no label: the mnemonic table's row
    for (const char* watched : {"game-not-started", "game-ended-early", "window-title-not-seen", "game-exe-ends-first",
                                "window-of-another-program"})
        seen.insert(watched);                // only a started game shows them: under Wine, with --watch
    for (const auto& [code, level] : levels) EXPECT_TRUE(seen.count(code)) << code << " never came up";
#endif
}

}  // namespace
