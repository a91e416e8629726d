// The dialog's window icons, read from inside its own process (another
// process can't read them under Wine): the dialog runs on a thread of the
// test program from the same template and code as Tunewick.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "../editor/resource.h"
#include "../editor/win32/SettingsDialog.h"
#include "GameFolder.h"

namespace {

struct DialogIcons {
    HICON bigIcon;
    HICON smallIcon;
    COLORREF pictureCentre;  // the colour in the middle of the picture frame
    bool printDeclined;      // a picture of its client area is asked of the dialog: it answers its four messages alone
};

BOOL CALLBACK TakeVisibleWindow(HWND window, LPARAM found) {
    if (!IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Opens the dialog in the current game folder, reads its icons, cancels it.
DialogIcons OpenAndReadIcons() {
    DWORD threadId = 0;
    std::thread dialogThread([&threadId] {
        threadId = GetCurrentThreadId();
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, SettingsDialogProc, 0);
    });
    HWND dialog = nullptr;
    for (int i = 0; i < 500 && !dialog; ++i) {
        Sleep(10);
        EnumThreadWindows(threadId, TakeVisibleWindow, reinterpret_cast<LPARAM>(&dialog));
    }
    DialogIcons icons{};
    if (dialog) {
        icons.bigIcon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
        icons.smallIcon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HWND frame = GetDlgItem(dialog, IDC_PICTURE);
        RECT area;
        GetClientRect(frame, &area);
        HDC dc = GetDC(frame);
        icons.pictureCentre = GetPixel(dc, area.right / 2, area.bottom / 2);
        icons.printDeclined = !SettingsDialogProc(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        ReleaseDC(frame, dc);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    dialogThread.join();
    EXPECT_NE(dialog, nullptr);
    return icons;
}

std::string ArtFile(const char* name) {
    // The test runs from the build folder; the icons are sources of the repository.
    return (std::filesystem::path(TUNEWICK_SOURCE_DIR) / "art" / name).string();
}

TEST(SettingsDialogIcons, TheIconsOfSIconWhenSIIsTrue) {
    GameFolder game;
    std::filesystem::copy_file(ArtFile("demogame.ico"), game.Root() / "night.ico");
    game.Write("System/game.lxf", "[Settings]\r\nSI=TRUE\r\nSIcon=night.ico\r\n");
    DialogIcons icons = OpenAndReadIcons();
    EXPECT_NE(icons.bigIcon, nullptr);
    EXPECT_NE(icons.smallIcon, nullptr);
}

TEST(SettingsDialogIcons, NoIconsOtherwiseAndNeverTheProgramsOwn) {
    GameFolder game;
    std::filesystem::copy_file(ArtFile("demogame.ico"), game.Root() / "night.ico");
    game.Write("not-an-icon.ico", "plain text");
    // Cut to the 99 characters its key holds, it would name an icon file.
    std::string cut(95, 'i');
    std::filesystem::copy_file(ArtFile("demogame.ico"), game.Root() / (cut + ".ico"));
    const std::string files[] = {
        "[Settings]\r\nSI=FALSE\r\nSIcon=night.ico\r\n",
        "[Settings]\r\nSI=true\r\nSIcon=night.ico\r\n",
        "[Settings]\r\nSI=TRUE\r\nSIcon=not-an-icon.ico\r\n",
        "[Settings]\r\nSI=TRUE\r\nSIcon=missing.ico\r\n",
        "[Settings]\r\nSI=TRUE\r\nSIcon=" + cut + ".icox\r\n",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        game.Write("System/game.lxf", file);
        DialogIcons icons = OpenAndReadIcons();
        EXPECT_EQ(icons.bigIcon, nullptr);
        EXPECT_EQ(icons.smallIcon, nullptr);
    }
}

// A red Windows bitmap of 2 x 2 pixels.
std::string RedBitmap() {
    std::string bmp = "BM";
    auto number = [&bmp](unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i) bmp += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    number(54 + 16, 4), number(0, 4), number(54, 4);                     // file header
    number(40, 4), number(2, 4), number(2, 4), number(1, 2), number(24, 2);  // info header
    number(0, 4), number(16, 4), number(2835, 4), number(2835, 4), number(0, 4), number(0, 4);
    for (int row = 0; row < 2; ++row) bmp += std::string("\0\0\xFF\0\0\xFF\0\0", 8);  // blue, green, red; padded
    return bmp;
}

TEST(SettingsDialogIcons, ThePictureUnlessItsPathIsCut) {
    GameFolder game;
    std::string name(95, 'b');
    game.Write(name + ".bmp", RedBitmap());
    const struct {
        std::string pictureFile;
        bool shown;
    } cases[] = {{name + ".bmp", true}, {name + ".bmpx", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pictureFile);
        game.Write("System/game.lxf", "[Settings]\r\nSettingsPic=" + c.pictureFile + "\r\n");
        DialogIcons seen = OpenAndReadIcons();
        EXPECT_EQ(seen.pictureCentre == RGB(255, 0, 0), c.shown);
        EXPECT_TRUE(seen.printDeclined);
    }
}

}  // namespace
