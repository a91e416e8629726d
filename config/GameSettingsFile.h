#pragma once
// The game settings file, System/*.lxf: every key either program reads or
// writes, with its section, read capacity (terminator included) and the text
// used when it is missing. Both programs read it through this table alone.
#include <cstddef>

#include "FixedText.h"

enum class Setting {
    Title,
    GameExe,
    GamePath,
    ZPR,
    SettingsPic,
    SI,
    SIcon,
    QFV,
    RunGame,
    LaunchExe,
    Savedir,
    CommandLine,
    CardNo,
    Detail,
    Software,
    Win,
    JPd,
    MSd,
    Screen,
    WinTitleOld,
    IC,
    Icon,
};

enum class Program { Tunewick, Runwick };

struct SettingKey {
    Setting setting;
    const char* section;
    const char* name;
    std::size_t capacity;
    const char* tunewickFallback;
    const char* runwickFallback;
};

// clang-format off
inline constexpr SettingKey kSettingsFile[] = {
    {Setting::Title,       "Game",      "Title",       100, "",                    ""},
    {Setting::GameExe,     "Game",      "GameExe",     100, "no_game_exe_defined", "no_game_exe_defined"},
    {Setting::GamePath,    "Game",      "GamePath",    100, "",                    ""},
    {Setting::ZPR,         "Game",      "ZPR",         100, "",                    ""},
    {Setting::SettingsPic, "Settings",  "SettingsPic", 100, "",                    ""},
    {Setting::SI,          "Settings",  "SI",            6, "FALSE",               "FALSE"},
    {Setting::SIcon,       "Settings",  "SIcon",       100, "",                    ""},
    {Setting::QFV,         "Settings",  "QFV",          10, "Plenn",               "Plenn"},
    {Setting::RunGame,     "Settings",  "RunGame",       6, "TRUE",                "TRUE"},
    {Setting::LaunchExe,   "Settings",  "LaunchExe",   100, "",                    ""},
    {Setting::Savedir,     "Settings",  "Savedir",      50, "",                    ""},
    {Setting::CommandLine, "Settings",  "CommandLine", 100, "",                    ""},
    {Setting::CardNo,      "Tunewick",  "CardNo",        8, "",                    ""},
    {Setting::Detail,      "Tunewick",  "Detail",        5, "",                    ""},
    {Setting::Software,    "Tunewick",  "Software",      5, "",                    ""},
    {Setting::Win,         "Tunewick",  "Win",           5, "",                    ""},
    {Setting::JPd,         "Tunewick",  "JPd",           4, "",                    ""},
    {Setting::MSd,         "Tunewick",  "MSd",           4, "",                    ""},
    {Setting::Screen,      "Tunewick",  "Screen",       20, "",                    "-d 640x480x16"},
    {Setting::WinTitleOld, "Startup",   "WinTitleOld", 100, "Quillforge",          "Quillforge"},
    {Setting::IC,          "Icon",      "IC",            6, "TRUE",                "TRUE"},
    {Setting::Icon,        "Icon",      "Icon",        100, "LX.ico",              "LX.ico"},
};
// clang-format on

constexpr const SettingKey& KeyOf(Setting setting) {
    return kSettingsFile[static_cast<std::size_t>(setting)];
}

constexpr std::size_t LongestSetting() {
    std::size_t longest = 0;
    for (const SettingKey& key : kSettingsFile)
        if (key.capacity > longest) longest = key.capacity;
    return longest;
}

// A text that holds exactly what the key can deliver.
template <Setting S>
using SettingText = FixedText<KeyOf(S).capacity>;

// Where the game settings file is searched for, relative to the current directory.
inline constexpr char kSettingsFilePattern[] = "System/*.lxf";

// Reads one key of the game settings file with its capacity and the reading
// program's fallback. Returns the count delivered.
std::size_t ReadSetting(Setting setting, Program reader, Text& out, const char* settingsFile);

// As ReadSetting, for a key whose value names a file or folder: false when
// the value is longer than the key's capacity holds, so that what out holds
// is cut and names another file.
bool ReadWholeSetting(Setting setting, Program reader, Text& out, const char* settingsFile);

// A flag text counts as set only when it is exactly "TRUE".
bool IsFlagSet(const Text& flag);
