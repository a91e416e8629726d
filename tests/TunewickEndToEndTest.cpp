// The real Tunewick.exe in game folders, read and worked as a player would:
// what the dialog shows, what Save & Exit, Cancel, the close box, Enter and
// Escape do to the settings file, and what is opened after saving.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <map>
#include <string>
#include <vector>

#include "../editor/resource.h"
#include "GameFolder.h"
#include "ProgramDriver.h"

namespace {

using Items = std::vector<std::string>;
using Sections = std::map<std::string, std::vector<std::string>>;

// Every section with its key=value lines, as the platform reads the file.
Sections ReadSections(const std::string& file) {
    std::vector<char> names(65536);
    DWORD length = GetPrivateProfileSectionNamesA(names.data(), static_cast<DWORD>(names.size()), file.c_str());
    Sections sections;
    for (const char* name = names.data(); name < names.data() + length && *name; name += std::strlen(name) + 1) {
        std::vector<char> lines(65536);
        DWORD size = GetPrivateProfileSectionA(name, lines.data(), static_cast<DWORD>(lines.size()), file.c_str());
        auto& keys = sections[name];
        for (const char* line = lines.data(); line < lines.data() + size && *line; line += std::strlen(line) + 1)
            keys.push_back(line);
    }
    return sections;
}

std::string Read(const std::string& file, const char* section, const char* key) {
    char value[256];
    GetPrivateProfileStringA(section, key, "<missing>", value, sizeof value, file.c_str());
    return value;
}

// A window's client area as a bitmap file holds it: 24 bits a pixel, rows
// padded to four bytes, the bottom row first.
std::string ClientPixels(HWND window, long& width, long& height) {
    RECT area;
    GetClientRect(window, &area);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width = area.right, height = area.bottom, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC source = GetDC(window);
    HBITMAP picture = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(source);
    HGDIOBJ before = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    std::string pixels(static_cast<const char*>(bits), (width * 3 + 3) / 4 * 4 * height);
    SelectObject(memory, before);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(window, source);
    return pixels;
}

// Of the pixels of a control's place that are not the background's, the
// share that the other picture has too.
double ShareAlike(HWND control, const std::string& shown, const std::string& other, long width, long height) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    long row = (width * 3 + 3) / 4 * 4;
    auto at = [&](long x, long y) { return static_cast<std::size_t>((height - 1 - y) * row + x * 3); };
    const std::string background = shown.substr(at(1, 1), 3);
    double drawn = 0, alike = 0;
    for (long y = place.top; y < place.bottom && y < height; ++y)
        for (long x = place.left; x < place.right && x < width; ++x) {
            if (shown.compare(at(x, y), 3, background) == 0) continue;
            ++drawn;
            alike += shown.compare(at(x, y), 3, other, at(x, y), 3) == 0;
        }
    return drawn ? alike / drawn : 0;  // nothing drawn yet
}

class TunewickTest : public testing::Test {
protected:
    void SetUp() override {
        settingsFile = game.FullPath("System\\game.lxf");
        report = game.FullPath("report.txt");
        SetEnvironmentVariableA("STANDIN_GAME_REPORT", report.c_str());
        SetEnvironmentVariableA("STANDIN_GAME_SECONDS", "0.3");
        SetEnvironmentVariableA("STANDIN_GAME_CAPTION", "Stand-in");
    }

    // Starts Tunewick in the game folder and waits for its dialog.
    HWND Open() {
        tunewick = std::make_unique<RunningProgram>(ProgramBeside("Tunewick.exe"), game.Root().string());
        HWND dialog = tunewick->WaitForDialog(20000);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    void ExpectClosed() {
        ASSERT_TRUE(tunewick->WaitForExit(10000));
        EXPECT_EQ(tunewick->exitCode, 0u);
    }

    HWND Control(HWND dialog, int id) { return GetDlgItem(dialog, id); }

    GameFolder game;
    std::string settingsFile;
    std::string report;
    std::unique_ptr<RunningProgram> tunewick;
};

// With RunGame "FALSE" and a LaunchExe that would leave its report if opened.
std::string AuthorsFile(const char* runGame = "FALSE") {
    return "; Night Run, by its author\r\n"
           "[Game]\r\nTitle=Night Run\r\nGameExe=nightrun.exe\r\n\r\n"
           "[Settings]\r\nQFV=Maxor\r\nRunGame=" + std::string(runGame) + "\r\nLaunchExe=" +
           ProgramBeside("StandInGame.exe") + "\r\nSavedir=saves\r\n\r\n"
           "[Tunewick]\r\nCardNo=-crd 1\r\nDetail=-w3d\r\nSoftware=-n3d\r\nWin=\r\nJPd=-nj\r\nMSd=\r\n"
           "Screen=-d 1600x1200x32\r\n\r\n"
           "[Icon]\r\nIC=TRUE\r\n";
}

TEST_F(TunewickTest, ShowsTheLanguageFilesTextsAndTheStoredChoices) {
    game.Write("System/game.lxf", AuthorsFile());
    game.Write("System/deutsch.lng",
               "[Titlebar]\r\nPreTitle=Einstellungen:\r\n[TextB]\r\nOK=&Speichern\r\nDisableMouse=\r\n"
               "WindowMode=&Fenster\r\n[Dropdown]\r\nPrimary=Erste Karte\r\n[ResolutionsB]\r\n32Bit=32 Bit Farbe\r\n");
    DWORD exitCode = 0;
    RunForOutput("\"" + ProgramBeside("Wickcheck.exe") + "\" --preview preview.bmp", game.Root().string(), exitCode);
    std::string preview = game.Read("preview.bmp");
    ASSERT_GT(preview.size(), 54u) << "Wickcheck's picture of the dialog";
    HWND dialog = Open();
    // The picture is the dialog as the player sees it: its size, and each
    // control's texts and choices in its place.
    long width = 0, height = 0;
    std::string shown;
    int unlike = -1;
    for (int i = 0; i < 50 && unlike != 0; ++i, Sleep(100)) {
        shown = ClientPixels(dialog, width, height);
        unlike = 0;
        for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
            if (GetDlgCtrlID(control) != IDC_PICTURE && ShareAlike(control, shown, preview.substr(54), width, height) < 0.95)
                unlike = GetDlgCtrlID(control);
    }
    EXPECT_EQ(unlike, 0) << "the control that looks otherwise";
    EXPECT_EQ(std::to_string(width) + " x " + std::to_string(height),
              std::to_string(*reinterpret_cast<const int32_t*>(&preview[18])) + " x " +
                  std::to_string(*reinterpret_cast<const int32_t*>(&preview[22])));
    EXPECT_EQ(WindowText(dialog), "Einstellungen: Night Run");
    EXPECT_EQ(WindowText(Control(dialog, IDOK)), "&Speichern");
    EXPECT_EQ(WindowText(Control(dialog, IDC_DISABLE_MOUSE)), "");
    EXPECT_EQ(WindowText(Control(dialog, IDC_WINDOWED)), "&Fenster");
    EXPECT_EQ(WindowText(Control(dialog, IDC_DETAIL_LABEL)), "Graphics Detail") << "English where the file is silent";
    EXPECT_EQ(WindowText(Control(dialog, IDCANCEL)), "Cancel");

    EXPECT_EQ(ComboItems(Control(dialog, IDC_ADAPTER)),
              (Items{"Erste Karte", "Secondary Display Accelerator 1", "Secondary Display Accelerator 2"}));
    EXPECT_EQ(ComboSelection(Control(dialog, IDC_ADAPTER)), 1);
    EXPECT_EQ(ComboItems(Control(dialog, IDC_ACCELERATION)), Items{"Velmora Software Emulation"});
    EXPECT_EQ(ComboItems(Control(dialog, IDC_RESOLUTION)).size(), 9u);
    EXPECT_EQ(ComboSelection(Control(dialog, IDC_RESOLUTION)), 8);
    EXPECT_EQ(ComboItems(Control(dialog, IDC_COLOUR_DEPTH)), (Items{"16 Bit Colour", "32 Bit Farbe"}));
    EXPECT_EQ(ComboSelection(Control(dialog, IDC_COLOUR_DEPTH)), 1);
    EXPECT_EQ(ComboSelection(Control(dialog, IDC_DETAIL)), 0);
    EXPECT_TRUE(IsChecked(Control(dialog, IDC_SOFTWARE)));
    EXPECT_FALSE(IsChecked(Control(dialog, IDC_HARDWARE)));
    EXPECT_TRUE(IsChecked(Control(dialog, IDC_DISABLE_JOYPAD)));
    EXPECT_FALSE(IsChecked(Control(dialog, IDC_WINDOWED)));

    // Opening the detail list is a command too: normal detail allows 16 bits only.
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_DETAIL, CBN_DROPDOWN), 0);
    EXPECT_EQ(ComboItems(Control(dialog, IDC_COLOUR_DEPTH)), Items{"16 Bit Colour"});
    PressKey(dialog, VK_ESCAPE);
    ExpectClosed();
    EXPECT_EQ(game.Read("System/game.lxf"), AuthorsFile());
}

TEST_F(TunewickTest, EachEditionOffersItsModes) {
    const struct {
        const char* edition;
        std::size_t resolutions;
        std::size_t depths;
    } cases[] = {{"Plenn", 5, 1}, {"Varo", 6, 1}, {"Tessi", 7, 1}, {"Maxor", 9, 2}, {"MAXOR", 5, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        game.Write("System/game.lxf", std::string("[Settings]\r\nQFV=") + c.edition + "\r\n");
        HWND dialog = Open();
        Items resolutions = ComboItems(Control(dialog, IDC_RESOLUTION));
        ASSERT_EQ(resolutions.size(), c.resolutions);
        EXPECT_EQ(resolutions.back(), (Items{"640 x 480", "800 x 600", "1024 x 768", "", "1600 x 1200"}[c.resolutions - 5]));
        EXPECT_EQ(ComboItems(Control(dialog, IDC_COLOUR_DEPTH)).size(), c.depths);
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        ExpectClosed();
    }
}

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
