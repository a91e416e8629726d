// The real Tunewick.exe worked as a player would: what Save & Exit, Cancel,
// the close box, Enter and Escape do to the settings file, and what is
// opened after saving.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../editor/resource.h"
#include "TunewickDriver.h"

namespace {

TEST_F(TunewickTest, SaveChangesTheTunewickKeysAndNothingElse) {
    game.Write("System/game.lxf", AuthorsFile());
    Sections before = ReadSections(settingsFile);
    HWND dialog = Open();
    ChooseItem(dialog, IDC_ADAPTER, 2);
    ChooseItem(dialog, IDC_RESOLUTION, 5);
    ChooseItem(dialog, IDC_DETAIL, 1);  // advanced, on Maxor: 32 bits again
    Click(dialog, IDC_HARDWARE);
    Click(dialog, IDC_WINDOWED);
    Click(dialog, IDC_DISABLE_JOYPAD);
    EXPECT_EQ(ComboItems(Control(dialog, IDC_ACCELERATION)),
              Items{"Microsoft Direct3D Hardware acceleration through Direct3D HAL"});
    PostClick(dialog, IDOK);
    ExpectClosed();

    Sections after = ReadSections(settingsFile);
    EXPECT_EQ(after["Tunewick"], (std::vector<std::string>{"CardNo=-crd 2", "Detail=", "Software=", "Win=-wnd",
                                                           "JPd=", "MSd=", "Screen=-d 800x600x32"}));
    after.erase("Tunewick");
    before.erase("Tunewick");
    EXPECT_EQ(after, before);
    EXPECT_EQ(tunewick->ProcessesStarted(), 0u) << "RunGame is FALSE: nothing is opened";
}

TEST_F(TunewickTest, CancelEscapeAndTheCloseBoxLeaveTheFileAsItWas) {
    game.Write("System/game.lxf", AuthorsFile());
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        HWND dialog = Open();
        Click(dialog, IDC_WINDOWED);
        ChooseItem(dialog, IDC_RESOLUTION, 0);
        if (way == 0) PostClick(dialog, IDCANCEL);
        if (way == 1) PressKey(dialog, VK_ESCAPE);
        if (way == 2) PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        ExpectClosed();
        EXPECT_EQ(game.Read("System/game.lxf"), AuthorsFile());
    }
}

TEST_F(TunewickTest, EnterSavesAndOpensLaunchExe) {
    game.Write("System/game.lxf", "[Game]\r\nTitle=Night Run\r\n[Settings]\r\nLaunchExe=" +
                                      ProgramBeside("StandInGame.exe") + "\r\n[Tunewick]\r\nWin=-wnd\r\n");
    HWND dialog = Open();
    Click(dialog, IDC_WINDOWED);  // off again
    PressKey(dialog, VK_RETURN);
    ExpectClosed();
    EXPECT_EQ(Read(settingsFile, "Tunewick", "Win"), "");
    EXPECT_EQ(tunewick->ProcessesStarted(), 1u);
    for (int i = 0; i < 200 && !ReadReport(report).count("folder"); ++i) Sleep(50);
    auto opened = ReadReport(report);
    EXPECT_EQ(opened["parameters"], "") << "opened without parameters";
    EXPECT_EQ(opened["folder"], game.FullPath(".")) << "in Tunewick's own folder";
    for (int i = 0; i < 100 && !ReadReport(report).count("ended"); ++i) Sleep(50);
}

TEST_F(TunewickTest, AnEmptyMissingCutOrFolderLaunchExeStillSavesAndClosesAndOpensNothing) {
    // Cut to the 99 characters its key holds, it would name this program.
    std::string program(95, 'g');
    program += ".exe";
    std::filesystem::copy_file(ProgramBeside("StandInGame.exe"), game.Root() / program);
    // A folder is no program: the shell would open a file-manager window over the game.
    for (std::string launchExe : {std::string(""), std::string("missing.exe"), program + "x", std::string("System")}) {
        SCOPED_TRACE(launchExe);
        game.Write("System/game.lxf", "[Settings]\r\nQFV=Varo\r\nLaunchExe=" + launchExe + "\r\n");
        HWND dialog = Open();
        PostClick(dialog, IDOK);
        ExpectClosed();
        EXPECT_EQ(Read(settingsFile, "Tunewick", "Screen"), "-d 640x480x16");
        EXPECT_EQ(tunewick->ProcessesStarted(), 0u);
    }
}

TEST_F(TunewickTest, AModeThePlennEditionDoesNotOfferSurvivesASave) {
    game.Write("System/game.lxf", "[Settings]\r\nRunGame=FALSE\r\n[Tunewick]\r\nScreen=-d 1024x768x16\r\n");
    HWND dialog = Open();
    EXPECT_EQ(ComboSelection(Control(dialog, IDC_RESOLUTION)), CB_ERR);
    PostClick(dialog, IDOK);
    ExpectClosed();
    EXPECT_EQ(Read(settingsFile, "Tunewick", "Screen"), "-d 1024x768x16");
    EXPECT_EQ(Read(settingsFile, "Tunewick", "Detail"), "");
}

TEST_F(TunewickTest, AFailedSaveIsReportedAndTheChoicesStay) {
    std::filesystem::create_directory(game.Root() / "System");
    game.Write("System/deutsch.lng", "[TextB]\r\nOK=Speichern\r\n");
    HWND dialog = Open();
    Click(dialog, IDC_WINDOWED);
    PostClick(dialog, IDOK);
    HWND box = tunewick->WaitForDialog(10000, dialog);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Error!");
    std::string message;
    for (int i = 0; i < 100 && message.empty(); ++i, Sleep(50)) message = WindowText(GetDlgItem(box, 0xFFFF));
    EXPECT_EQ(message, "The settings could not be saved: there is no settings file (*.lxf) in\n" +
                           game.FullPath("System\\"));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(50);
    EXPECT_TRUE(IsChecked(Control(dialog, IDC_WINDOWED)));
    // The dialog stays open: a second save shows the box again.
    PostClick(dialog, IDOK);
    box = tunewick->WaitForDialog(10000, dialog);
    ASSERT_NE(box, nullptr) << "the dialog stays open";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(50);
    EXPECT_FALSE(std::filesystem::exists(game.Root() / "System" / "game.lxf"));
    PostClick(dialog, IDCANCEL);
    ExpectClosed();
}

// A file Tunewick can read but not write: another program holds it open
// without sharing it for writing. The save fails, and LaunchExe, which
// RunGame "TRUE" would open after a save, is not opened.
TEST_F(TunewickTest, AFailedSaveOpensNothing) {
    game.Write("System/game.lxf", AuthorsFile("TRUE"));
    HANDLE held = CreateFileA(settingsFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HWND dialog = Open();
    PostClick(dialog, IDOK);
    HWND box = tunewick->WaitForDialog(10000, dialog);
    ASSERT_NE(box, nullptr) << "the save must fail";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && IsWindow(box); ++i) Sleep(50);
    PostClick(dialog, IDCANCEL);
    ExpectClosed();
    CloseHandle(held);
    EXPECT_EQ(tunewick->ProcessesStarted(), 0u) << "nothing is opened after a failed save";
    EXPECT_EQ(game.Read("System/game.lxf"), AuthorsFile("TRUE"));
}

}  // namespace
