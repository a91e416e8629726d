#pragma once
// The game settings file, System/*.lxf: every key either program reads or
// writes, with its section, read capacity (terminator included) and the text
// used when it is missing. Both programs read it through this table alone.
#include <cstddef>
#include <string_view>

#include "FixedText.h"
#include "ProfileStore.h"  // ValueState

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
enum class ReadBy { Tunewick, Runwick, Both };

// What a value is to the programs that read it.
enum class ValueKind {
    Text,    // used as it stands
    Flag,    // set only when exactly "TRUE"
    Option,  // an engine option of [Tunewick], copied into the game's parameters
    Path,    // names a file or folder: never used cut, since cut it names another
};

struct SettingKey {
    Setting setting;
    const char* section;
    const char* name;
    std::size_t capacity;
    const char* tunewickFallback;
    const char* runwickFallback;
    ReadBy readBy;
    ValueKind kind;
};

// clang-format off
inline constexpr SettingKey kSettingsFile[] = {
    {Setting::Title,       "Game",     "Title",       100, "",                    "",                    ReadBy::Tunewick, ValueKind::Text},
    {Setting::GameExe,     "Game",     "GameExe",     100, "no_game_exe_defined", "no_game_exe_defined", ReadBy::Runwick,  ValueKind::Path},
    {Setting::GamePath,    "Game",     "GamePath",    100, "",                    "",                    ReadBy::Runwick,  ValueKind::Path},
    {Setting::ZPR,         "Game",     "ZPR",         100, "",                    "",                    ReadBy::Runwick,  ValueKind::Text},
    {Setting::SettingsPic, "Settings", "SettingsPic", 100, "",                    "",                    ReadBy::Tunewick, ValueKind::Path},
    {Setting::SI,          "Settings", "SI",          6,   "FALSE",               "FALSE",               ReadBy::Tunewick, ValueKind::Flag},
    {Setting::SIcon,       "Settings", "SIcon",       100, "",                    "",                    ReadBy::Tunewick, ValueKind::Path},
    {Setting::QFV,         "Settings", "QFV",         10,  "Plenn",               "Plenn",               ReadBy::Tunewick, ValueKind::Text},
    {Setting::RunGame,     "Settings", "RunGame",     6,   "TRUE",                "TRUE",                ReadBy::Tunewick, ValueKind::Flag},
    {Setting::LaunchExe,   "Settings", "LaunchExe",   100, "",                    "",                    ReadBy::Tunewick, ValueKind::Path},
    {Setting::Savedir,     "Settings", "Savedir",     50,  "",                    "",                    ReadBy::Runwick,  ValueKind::Path},
    {Setting::CommandLine, "Settings", "CommandLine", 100, "",                    "",                    ReadBy::Runwick,  ValueKind::Text},
    {Setting::CardNo,      "Tunewick", "CardNo",      8,   "",                    "",                    ReadBy::Both,     ValueKind::Option},
    {Setting::Detail,      "Tunewick", "Detail",      5,   "",                    "",                    ReadBy::Both,     ValueKind::Option},
    {Setting::Software,    "Tunewick", "Software",    5,   "",                    "",                    ReadBy::Both,     ValueKind::Option},
    {Setting::Win,         "Tunewick", "Win",         5,   "",                    "",                    ReadBy::Both,     ValueKind::Option},
    {Setting::JPd,         "Tunewick", "JPd",         4,   "",                    "",                    ReadBy::Both,     ValueKind::Option},
    {Setting::MSd,         "Tunewick", "MSd",         4,   "",                    "",                    ReadBy::Both,     ValueKind::Option},
    {Setting::Screen,      "Tunewick", "Screen",      20,  "",                    "-d 640x480x16",       ReadBy::Both,     ValueKind::Option},
    {Setting::WinTitleOld, "Startup",  "WinTitleOld", 100, "Quillforge",          "Quillforge",          ReadBy::Runwick,  ValueKind::Text},
    {Setting::IC,          "Icon",     "IC",          6,   "TRUE",                "TRUE",                ReadBy::Runwick,  ValueKind::Flag},
    {Setting::Icon,        "Icon",     "Icon",        100, "LX.ico",              "LX.ico",              ReadBy::Runwick,  ValueKind::Path},
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

// The seven keys of [Tunewick]: the engine options Tunewick stores, in the
// order both programs read them and Runwick passes them to the game.
inline constexpr Setting kTunewickOptions[] = {Setting::CardNo, Setting::Detail, Setting::Software,
                                               Setting::Win,    Setting::JPd,    Setting::MSd,
                                               Setting::Screen};
inline constexpr std::size_t kTunewickOptionCount = sizeof kTunewickOptions / sizeof kTunewickOptions[0];

// The table's options are these seven, and they are what [Tunewick] holds.
constexpr bool OptionsAreTheTunewickKeys() {
    for (const SettingKey& key : kSettingsFile) {
        bool listed = false;
        for (Setting option : kTunewickOptions) listed = listed || option == key.setting;
        bool inTunewick = std::string_view(key.section) == "Tunewick";
        if (listed != (key.kind == ValueKind::Option) || listed != inTunewick) return false;
    }
    return true;
}
static_assert(OptionsAreTheTunewickKeys(), "the keys of kind Option are kTunewickOptions, the keys of [Tunewick]");

// Its place in kTunewickOptions; kTunewickOptionCount for a key of another section.
constexpr std::size_t TunewickPlace(Setting setting) {
    std::size_t place = 0;
    while (place < kTunewickOptionCount && kTunewickOptions[place] != setting) ++place;
    return place;
}

constexpr std::size_t LongestTunewickOption() {
    std::size_t longest = 0;
    for (Setting option : kTunewickOptions)
        if (KeyOf(option).capacity > longest) longest = KeyOf(option).capacity;
    return longest;
}

// A text that holds exactly what the key can deliver.
template <Setting S>
using SettingText = FixedText<KeyOf(S).capacity>;

// Where the game settings file is searched for, relative to the current directory.
inline constexpr char kSettingsFilePattern[] = "System/*.lxf";

// Reads one key of the game settings file as the programs use it: with its
// capacity and the reading program's fallback; a path (its kind in the
// table) only whole: false when it is longer than the key holds, and out is
// then empty, since cut it names another file.
bool ReadSetting(Setting setting, Program reader, Text& out, const char* settingsFile);

// What the reader uses, as above, and whether the key stands in the file
// and its value fit the key's capacity (a path's cut value is left in out).
ValueState ReadSettingState(Setting setting, Program reader, Text& out, const char* settingsFile);

// A flag text counts as set only when it is exactly "TRUE".
bool IsFlagSet(const Text& flag);
