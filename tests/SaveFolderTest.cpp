// The save folder as Runwick makes it and passes it to the game with -dir.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../launcher/LaunchCommand.h"
#include "GameFolder.h"
#include "LaunchBuild.h"
#ifndef _WIN32
#include "FakeSystem.h"
#endif

namespace {

struct SaveFolderCase {
    const char* what;
    const char* existingFile;  // made before the build, when set
    std::string savedir;
    const char* madeFolder;    // the folder the build must make, or none
    bool option;               // "-dir " and the short form of Savedir's full path
    SaveFolder checked;        // what the authors' check foretells, making nothing
    SaveFolder launched;
};

TEST(LaunchCommand, TheSaveFolderOption) {
    const std::string fortyNine(49, 's');
#ifdef _WIN32
    const bool blanksSurvive = false;
    const bool systems[] = {true};
#else
    const bool blanksSurvive = true;
    const bool systems[] = {false, true};  // the second as a Windows drive with 8.3 names off
#endif
    const SaveFolder blankResult = blanksSurvive ? SaveFolder::ShortFormHasBlank : SaveFolder::Passed;
    // A blank in the part that exists stays, whatever short name the new folder would get.
    const SaveFolder blankAbove = blanksSurvive ? SaveFolder::ShortFormHasBlank : SaveFolder::ToBeMadeShortFormUnknown;
    for (bool keepsShortNames : systems) {
#ifndef _WIN32
        platform::UseDriveWithoutShortNames(keepsShortNames);
#endif
        SCOPED_TRACE(keepsShortNames ? "a system that keeps short names" : "no short names");
        // A long name gets its short name only when it is made, where there are short names.
        const SaveFolder unknown = SaveFolder::ToBeMadeShortFormUnknown;
        const SaveFolder longToBeMade = keepsShortNames ? unknown : SaveFolder::ToBeMade;
        const SaveFolder blankToBeMade = keepsShortNames ? unknown : SaveFolder::ShortFormHasBlank;
        const SaveFolderCase cases[] = {
            {"made and passed in short form", nullptr, "Saves", "Saves", true, SaveFolder::ToBeMade,
             SaveFolder::Passed},
            {"with a separator at its end", nullptr, "Saves\\", "Saves", true, SaveFolder::ToBeMade,
             SaveFolder::Passed},
            {"a short form with a blank is left out", nullptr, "My Saves", "My Saves", !blanksSurvive, blankToBeMade,
             blankResult},
            {"a valid short name in lower case", nullptr, "save.dat", "save.dat", true, SaveFolder::ToBeMade,
             SaveFolder::Passed},
            {"nine characters", nullptr, "SaveGames", "SaveGames", true, longToBeMade, SaveFolder::Passed},
            {"an extension of four", nullptr, "Save.game", "Save.game", true, longToBeMade, SaveFolder::Passed},
            {"a character short names forbid", nullptr, "Save+1", "Save+1", true, longToBeMade, SaveFolder::Passed},
            {"a blank above the new folder", "My Games/x", "My Games\\SaveGames", "My Games/SaveGames", !blanksSurvive,
             blankAbove, blankResult},

            {"a file is no save folder", "Saves.dat", "Saves.dat", nullptr, false, SaveFolder::NotAFolder,
             SaveFolder::NotAFolder},
            {"a folder that cannot be made", nullptr, "no\\such\\folder", nullptr, false, SaveFolder::NotAFolder,
             SaveFolder::NotAFolder},
            {"49 characters fit the key", nullptr, fortyNine, fortyNine.c_str(), true, longToBeMade,
             SaveFolder::Passed},
            {"49 characters quoted fit the key", nullptr, "\"" + fortyNine + "\"", fortyNine.c_str(), true, longToBeMade,
             SaveFolder::Passed},
            {"50 characters are never used cut", nullptr, fortyNine + "x", nullptr, false, SaveFolder::TooLongForItsKey,
             SaveFolder::TooLongForItsKey},
            {"50 characters quoted are never used cut", nullptr, "\"" + fortyNine + "x\"", nullptr, false,
             SaveFolder::TooLongForItsKey, SaveFolder::TooLongForItsKey},
        };
        for (const SaveFolderCase& c : cases) {
            SCOPED_TRACE(c.what);
            GameFolder game;
            if (c.existingFile) game.Write(c.existingFile, "not a folder");
            std::string settings = "[Game]\nGameExe=g.exe\nZPR=-zpr\n[Settings]\nSavedir=" + c.savedir + "\n";
            game.Write("System/game.lxf", settings);
            LaunchCommand checked;
            ASSERT_EQ(checked.Build(BuildMode::CheckOnly), LaunchOutcome::Ready);
            EXPECT_EQ(checked.saveFolder, c.checked);
            if (c.madeFolder) {
                EXPECT_FALSE(game.Exists(c.madeFolder)) << "the check makes nothing";
            }
            Launch launch = Build(game, settings);
            ASSERT_EQ(launch.outcome, LaunchOutcome::Ready);
            EXPECT_EQ(launch.command.saveFolder, c.launched);
            if (c.checked != SaveFolder::ToBeMadeShortFormUnknown) {
                EXPECT_STREQ(checked.parameters.Get(), launch.command.parameters.Get()) << "foretold exactly";
            }
            std::string expected = " -zpr ";
            std::string named = c.savedir[0] == '"' ? c.savedir.substr(1, c.savedir.size() - 2) : c.savedir;
            FixedText<kMaxPath> longPath;
            platform::FullPath(named.c_str(), longPath);
            if (c.checked == unknown) {
                EXPECT_NE(std::string(checked.parameters.Get()).find(std::string("-dir ") + longPath.Get() + " "),
                          std::string::npos) << "the long path where the short one is not known yet";
            }
            if (c.option) expected += "-dir " + ShortForm(game.FullPath(named)) + " ";
            EXPECT_EQ(launch.command.parameters.Get(), expected + "-d 640x480x16 ");
            std::size_t folders = 0;
            for (const auto& entry : std::filesystem::directory_iterator("."))
                if (entry.is_directory() && entry.path().filename() != "System") ++folders;
            EXPECT_EQ(folders, c.madeFolder ? 1u : 0u) << "no other folder is made";
            if (c.madeFolder) {
                EXPECT_TRUE(std::filesystem::is_directory(c.madeFolder));
            }
        }
    }
#ifndef _WIN32
    platform::UseDriveWithoutShortNames(false);
#endif
}

TEST(LaunchCommand, AnAbsoluteSaveFolderThatExists) {
    GameFolder game;
    std::filesystem::create_directory("saves");
    // Savedir keeps 49 characters: the short form of the game folder fits.
    std::string absolute = ShortForm(game.FullPath(".")) + "\\saves";
    ASSERT_LT(absolute.size(), 50u);
    Launch launch = Build(game, "[Game]\nGameExe=g.exe\n[Settings]\nSavedir=" + absolute + "\n");
    ASSERT_EQ(launch.outcome, LaunchOutcome::Ready);
    EXPECT_EQ(launch.command.parameters.Get(), " -dir " + ShortForm(absolute) + " -d 640x480x16 ");
}

}  // namespace
