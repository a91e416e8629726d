// The real Tunewick.exe in game folders, read as a player would: what the
// dialog shows.
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
#include "TunewickDriver.h"

namespace {

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

}  // namespace
