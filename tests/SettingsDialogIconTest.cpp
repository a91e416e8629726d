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
    const char* files[] = {
        "[Settings]\r\nSI=FALSE\r\nSIcon=night.ico\r\n",
        "[Settings]\r\nSI=true\r\nSIcon=night.ico\r\n",
        "[Settings]\r\nSI=TRUE\r\nSIcon=not-an-icon.ico\r\n",
        "[Settings]\r\nSI=TRUE\r\nSIcon=missing.ico\r\n",
    };
    for (const char* file : files) {
        SCOPED_TRACE(file);
        game.Write("System/game.lxf", file);
        DialogIcons icons = OpenAndReadIcons();
        EXPECT_EQ(icons.bigIcon, nullptr);
        EXPECT_EQ(icons.smallIcon, nullptr);
    }
}

}  // namespace
