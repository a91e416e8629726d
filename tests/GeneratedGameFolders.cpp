#include "GeneratedGameFolders.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A value for a key, or none: the key is left out.
struct Choice {
    const char* key;
    std::vector<std::string> values;  // "<none>" leaves the key out
};

const std::string kNone = "<none>";

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::vector<Choice> Sections(const std::string& section) {
    const std::string fits(99, 'p');
    const std::string fitsSave(49, 's');
    if (section == "Game")
        return {
            {"Title", {kNone, "", "Night Run", "Nacht \xC4rger \xE9t\xE9", "Nacht \xC3\x84rger", "\xC0\xE1\xE2 \"q\"", std::string(120, 't')}},
            {"GameExe", {kNone, "game.exe", "game.exe", "game", "", "System", "readme.txt", "nothing.exe",
                         Quoted("game.exe"), fits, fits + "x", Quoted(fits + "x")}},
            {"GamePath", {kNone, "", "", ".", "bin", "nosuch", "readme.txt", Quoted("bin"), fits + "x"}},
            {"ZPR", {kNone, "", "+set fs_game night", std::string(101, 'z')}},
        };
    if (section == "Settings")
        return {
            {"SettingsPic", {kNone, "", "pic.bmp", "wide.bmp", "nothing.bmp", "game.ico", fits + "x"}},
            {"SI", {kNone, "TRUE", "true", "FALSE", " True "}},
            {"SIcon", {kNone, "game.ico", "nothing.ico", "readme.txt", fits + "x"}},
            {"QFV", {kNone, "Plenn", "Varo", "Tessi", "Maxor", "Maxor", "maxor", "Ultra"}},
            {"RunGame", {kNone, "FALSE", "TRUE"}},
            {"LaunchExe", {kNone, "", "game.exe", "game", "bin", "readme.txt", "nothing.exe", fits + "x"}},
            {"Savedir", {kNone, "", "Saves", "Saves", "NewSaves", "My Saves", "no\\such\\x", "readme.txt", fitsSave,
                         Quoted(fitsSave), fitsSave + "x", "SaveGames\\"}},
            {"CommandLine", {kNone, "", "-log \"a b\"", std::string(100, 'c')}},
        };
    if (section == "Tunewick")
        return {
            {"CardNo", {kNone, "", "-crd 1", "-crd 2", "-crd 3", "-crd 1234"}},
            {"Detail", {kNone, "", "-w3d", "-w3dx", "x"}},
            {"Software", {kNone, "", "-n3d", "-n3dx", "soft"}},
            {"Win", {kNone, "", "-wnd", "-wndx", "yes"}},
            {"JPd", {kNone, "", "-nj", "-njx"}},
            {"MSd", {kNone, "", "-nm", "-nmx"}},
            {"Screen", {kNone, "", "-d 640x480x16", "-d 800x600x16", "-d 1024x768x32", "-d 1600x1200x32",
                        "-d 1600x1200x16", "-d 999x999x16", "-d 1600x1200x32 and more"}},
        };
    if (section == "Startup") return {{"WinTitleOld", {kNone, "Night Run", "night run", ""}}};
    return {{"IC", {kNone, "TRUE", "FALSE", "true"}}, {"Icon", {kNone, "game.ico", "nothing.ico", "readme.txt"}}};
}

// A Windows bitmap of width x height pixels, 24 bits, all grey.
std::string Bitmap(unsigned width, unsigned height) {
    unsigned row = (width * 3 + 3) / 4 * 4;
    std::string bmp = "BM";
    auto number = [&bmp](unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i) bmp += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    number(54 + row * height, 4), number(0, 4), number(54, 4);
    number(40, 4), number(width, 4), number(height, 4), number(1, 2), number(24, 2);
    number(0, 4), number(row * height, 4), number(2835, 4), number(2835, 4), number(0, 4), number(0, 4);
    return bmp + std::string(row * height, '\x80');
}

}  // namespace

std::string MakeGeneratedFolder(const GameFolder& game, unsigned seed, const std::string& program,
                                Planted* planted) {
    std::vector<PlantedMistake> mistakes;
    std::map<std::string, std::string> values;
    std::mt19937 random(seed);
    auto pick = [&random](std::size_t count) { return static_cast<std::size_t>(random() % count); };
    auto chance = [&random](unsigned percent) { return random() % 100 < percent; };

    fs::copy_file(program, game.Root() / "game.exe");
    game.Write("readme.txt", "Night Run\r\n");
    game.Write("pic.bmp", Bitmap(210, 288));
    game.Write("wide.bmp", Bitmap(64, 16));
    fs::create_directories(game.Root() / "bin");
    if (chance(50)) fs::create_directories(game.Root() / "Saves");
    fs::copy_file(fs::path(TUNEWICK_SOURCE_DIR) / "art" / "demogame.ico", game.Root() / "game.ico");

    const char* ends[] = {"\r\n", "\n", "\r"};
    std::string end = ends[pick(3)];
    std::string text = chance(20) ? "\xEF\xBB\xBF" : "";
    std::size_t line = 1;
    std::string hidden;  // on Windows the mark makes the first heading none: its keys are lost
    // Adds a line; where it is a mistake, the finding it must give.
    auto add = [&](const std::string& lineText, const char* code = nullptr, const std::string& section = "",
                   const std::string& key = "") {
        if (code && !(section == hidden && !key.empty())) mistakes.push_back({code, section, key, line});
        text += lineText + end;
        ++line;
    };
    if (!text.empty()) mistakes.push_back({"utf8-mark", "", "", 1});
    if (chance(50)) add("; Night Run's settings");
    for (const char* section : {"Game", "Settings", "Tunewick", "Startup", "Icon"}) {
        if (chance(5)) continue;  // the whole section missing
        if (line == 1 && !mistakes.empty()) hidden = mistakes.back().section = section;
        add(std::string("[") + section + "]");
        for (const Choice& choice : Sections(section)) {
            const std::string& value = choice.values[pick(choice.values.size())];
            if (chance(10)) add(std::string(chance(50) ? "; " : "  # ") + choice.key + " as it was");
            if (value == kNone) {
                if (chance(5)) add(choice.key, "line-without-equals", section, choice.key);  // its default
                continue;
            }
            const char* code = value == "true" || value == " True "       ? "flag-not-set"
                               : value == "maxor" || value == "Ultra"      ? "edition-unknown"
                               : value.find('\xC3') != std::string::npos ? "utf8-text"
                                                                          : nullptr;
            add(choice.key + std::string(chance(20) ? " = " : "=") + value, code, section, choice.key);
            values.emplace(choice.key, value);
            if (chance(5)) add(choice.key + std::string("=doubled"), "duplicate-key", section, choice.key);
        }
        if (chance(5)) {
            const char* key = chance(50) ? "Unknwn" : "Detal";
            add(std::string(key) + (key[0] == 'U' ? "=1" : "=-w3d"), "unknown-key", section, key);
        }
    }
    bool gameStands = text.find("[Game]") != std::string::npos && hidden != "Game";
    if (chance(10)) add("[Game]", gameStands ? "duplicate-section" : nullptr, "Game"), add("GameExe=other.exe");
    if (chance(10)) add("[Extras]", "unknown-section", "Extras"), add("Mod=1");
    if (chance(5)) add("[Startp]", "misspelt-section", "Startp"), add("WinTitleOld=x");
    if (chance(2)) text += "; " + std::string(2 * 1024 * 1024, 'z') + end;  // past what the check reads
    // Now and then no settings file the programs can take.
    const std::string settingsFile = chance(2) ? "System/game.txt"
                                     : chance(2) ? "System/" + std::string(250 - game.Root().string().size(), 'n') + ".lxf"
                                                 : "System/game.lxf";
    game.Write(settingsFile, text);
    if (planted && settingsFile == "System/game.lxf") *planted = Planted{mistakes, values};
    if (chance(5)) game.Write("System/second.lxf", "[Game]\r\nGameExe=other.exe\r\n");

    if (chance(60)) {
        std::string language = "[Titlebar]" + end + "PreTitle=" + (chance(50) ? "Setup:" : "") + end +
                                "PostTitle=" + (chance(50) ? "Settings" : "") + end + "[TextB]" + end +
                                (chance(30) ? "HardwareAcceleration=Hardware" : "OK=&Save") + end +
                                (chance(30) ? "DisableJoy=&Stick aus" : "DisableJoy=&Joypad aus") + end + "[Dropdown]" + end +
                                "Primary=" + (chance(20) ? std::string(120, 'P') : "First card") + end +
                                "[ResolutionsB]" + end + "32Bit=32 Bit Farbe" + end;
        game.Write("System/english.lng", language);
        if (chance(5)) game.Write("System/other.lng", "[TextB]\r\nOK=x\r\n");
    }
    return text;
}
