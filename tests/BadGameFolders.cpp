#include "BadGameFolders.h"

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace std::string_literals;

const char kNotPresentMessage[] = "Game Executable Either Not Present or Defined Incorrectly in LXF File";

namespace {

std::string Windowed(const std::string& gameExe, const char* ending = "\r\n") {
    return std::string("[Game]") + ending + "GameExe=" + gameExe + ending + "[Tunewick]" + ending + "Win=-wnd" + ending;
}

std::string Utf16(const std::string& text) {
    std::string bytes = "\xFF\xFE";
    for (char c : text) bytes.append({c, '\0'});
    return bytes;
}

std::string Garbage() {
    std::string bytes = "x";
    std::uint32_t state = 2026;
    while (bytes.size() < 4096) {
        state = state * 1664525u + 1013904223u;
        bytes += static_cast<char>(state >> 24);
    }
    return bytes;
}

void MakeReadOnly(const GameFolder& game, const std::string& relative) {
    fs::permissions(game.Root() / relative,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

const char kWindowedParameters[] = " -wnd -d 640x480x16 ";

}  // namespace

const std::vector<BadGameFolder>& BadGameFolders() {
    static const std::string longName(230, 'n');
    static const std::vector<BadGameFolder> folders = {
        {"an empty settings file", [](const GameFolder& game, const std::string&) { game.Write("System/game.lxf", ""); },
         "", kNotPresentMessage, true},
        {"binary garbage", [](const GameFolder& game, const std::string&) { game.Write("System/game.lxf", Garbage()); },
         "", kNotPresentMessage, true},
        {"NUL bytes in a value",
         [](const GameFolder& game, const std::string& exe) {
             game.Write("System/game.lxf", "[Game]\r\nGameExe=" + exe + "\r\nZPR=+zpr\0after NUL\r\n[Tunewick]\r\nWin=-wnd\r\n"s);
         },
         " +zpr -wnd -d 640x480x16 ", "", true},
        {"one line of 1 MiB",
         [](const GameFolder& game, const std::string& exe) {
             game.Write("System/game.lxf", "[Game]\r\nGameExe=" + exe + "\r\nZPR=" + std::string(1 << 20, 'z') +
                                               "\r\n[Tunewick]\r\nWin=-wnd\r\n");
         },
         " " + std::string(99, 'z') + kWindowedParameters, "", true},
        {"a UTF-8 byte-order mark",
         [](const GameFolder& game, const std::string& exe) {
             game.Write("System/game.lxf", "\xEF\xBB\xBF" + Windowed(exe));
         },
         kWindowedParameters, "", true},
        {"a UTF-16 byte-order mark",
         [](const GameFolder& game, const std::string& exe) { game.Write("System/game.lxf", Utf16(Windowed(exe))); },
         kWindowedParameters, "", true},
        {"CR line ends",
         [](const GameFolder& game, const std::string& exe) { game.Write("System/game.lxf", Windowed(exe, "\r")); },
         kWindowedParameters, "", true},
        {"LF line ends",
         [](const GameFolder& game, const std::string& exe) { game.Write("System/game.lxf", Windowed(exe, "\n")); },
         kWindowedParameters, "", true},
        {"duplicate sections and keys",
         [](const GameFolder& game, const std::string& exe) {
             game.Write("System/game.lxf", "[Game]\nGameExe=" + exe +
                                               "\n[Tunewick]\nWin=-wnd\nWIN=\n[tunewick]\nJPd=-nj\n[Game]\nGameExe=other.exe\n");
         },
         kWindowedParameters, "", true},
        {"values that just fit",
         [](const GameFolder& game, const std::string& exe) {
             game.Write("System/game.lxf", "[Game]\nGameExe=" + exe + "\n[Settings]\nCommandLine=" +
                                               std::string(99, 'c') +
                                               "\n[Tunewick]\nCardNo=-crd 1x\nDetail=-w3d\nSoftware=-n3d\nWin=-wnd\n"
                                               "JPd=-nj\nMSd=-nm\nScreen=-d 1600x1200x32abcd\n");
         },
         " -crd 1x -w3d -n3d -wnd -nj -nm -d 1600x1200x32abcd " + std::string(99, 'c'), "", true},
        {"values one too long",
         [](const GameFolder& game, const std::string& exe) {
             game.Write("System/game.lxf", "[Game]\nGameExe=" + exe + "\n[Settings]\nCommandLine=" +
                                               std::string(100, 'c') +
                                               "\n[Tunewick]\nCardNo=-crd 1xy\nDetail=-w3dx\nSoftware=-n3dx\n"
                                               "Win=-wndx\nJPd=-njx\nMSd=-nmx\nScreen=-d 1600x1200x32abcde\n");
         },
         " -crd 1x -w3d -n3d -wnd -nj -nm -d 1600x1200x32abcd " + std::string(99, 'c'), "", true},
        {"a settings file name too long for the platform",
         [](const GameFolder& game, const std::string& exe) {
             game.Write("System/" + longName + ".lxf", Windowed(exe));
         },
         "", kNotPresentMessage, false},
        {"System is a file", [](const GameFolder& game, const std::string&) { game.Write("System", "[Game]\n"); }, "",
         kNotPresentMessage, false},
        {"a folder named like the settings file",
         [](const GameFolder& game, const std::string&) { fs::create_directories(game.Root() / "System" / "game.lxf"); },
         "", kNotPresentMessage, false},
        {"a settings file that cannot be written",
         [](const GameFolder& game, const std::string& exe) {
             game.Write("System/game.lxf", Windowed(exe));
             MakeReadOnly(game, "System/game.lxf");
         },
         kWindowedParameters, "", false, true},
    };
    return folders;
}

std::map<std::string, std::string> Snapshot(const GameFolder& game) {
    std::map<std::string, std::string> files;
    std::error_code ignored;
    for (auto& entry : fs::recursive_directory_iterator(game.Root(), ignored))
        if (entry.is_regular_file() && entry.path().filename().string().rfind("report.txt", 0) != 0)
            files[entry.path().string()] = game.Read(fs::relative(entry.path(), game.Root()).string());
    return files;
}

bool ReadOnlyFilesHonoured(const GameFolder& game) {
#ifdef _WIN32
    game.Write("probe", "");
    fs::permissions(game.Root() / "probe", fs::perms::owner_write, fs::perm_options::remove);
    return !std::ofstream((game.Root() / "probe").string(), std::ios::app);
#else
    (void)game;
    return true;
#endif
}
