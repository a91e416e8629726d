// Prints how fast single values are read from a settings file of 10,000
// lines: the portable back end when built natively, the platform's own
// profile functions when built for Windows.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "GameSettingsFile.h"
#include "ProfileStore.h"
#include "SettingsFileLocator.h"

int main() {
    namespace fs = std::filesystem;
    fs::path folder = fs::temp_directory_path() / "tw-profile-benchmark";
    fs::create_directories(folder / "System");
    fs::current_path(folder);
    {
        // 999 sections of 9 keys before the game's own: the keys read stand last.
        std::ofstream file("System/big.lxf", std::ios::binary);
        for (int section = 0; section < 999; ++section) {
            file << "[Section" << section << "]\r\n";
            for (int key = 0; key < 9; ++key) file << "Key" << key << "=value " << section << "/" << key << "\r\n";
        }
        file << "[Tunewick]\r\nCardNo=\r\nDetail=-w3d\r\nSoftware=\r\nWin=-wnd\r\nJPd=\r\nMSd=\r\nScreen=-d 800x600x16\r\n";
    }
    FixedText<kMaxPath> path;
    SettingsFileLocator::Locate(kSettingsFilePattern, path);

    const int kReads = 2000;
    SettingText<Setting::Screen> screen;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kReads; ++i) ReadSetting(Setting::Screen, Program::Runwick, screen, path.Get());
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

#ifdef _WIN32
    const char* through = "Win32 profile functions under Wine";
#else
    const char* through = "portable back end";
#endif
    std::printf("profile reads, 10,000-line file, %s: %d reads in %.3f s = %.1f us a read (value \"%s\")\n", through,
                kReads, elapsed.count(), 1e6 * elapsed.count() / kReads, screen.Get());
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(folder);
    return screen.Equals("-d 800x600x16") ? 0 : 1;
}
