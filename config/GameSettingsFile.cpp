#include "GameSettingsFile.h"

#include <string>

#include "ProfileStore.h"

namespace {

constexpr bool RowsFollowTheEnum() {
    for (std::size_t i = 0; i < sizeof kSettingsFile / sizeof kSettingsFile[0]; ++i)
        if (static_cast<std::size_t>(kSettingsFile[i].setting) != i) return false;
    return true;
}
static_assert(RowsFollowTheEnum(), "kSettingsFile rows must stand in the order of Setting");

// A default is read through the key's capacity: one longer would be read cut.
constexpr bool DefaultsFitTheirKeys() {
    for (const SettingKey& key : kSettingsFile)
        if (std::char_traits<char>::length(key.tunewickFallback) >= key.capacity ||
            std::char_traits<char>::length(key.runwickFallback) >= key.capacity)
            return false;
    return true;
}
static_assert(DefaultsFitTheirKeys(), "every default must fit its key");

const char* FallbackOf(const SettingKey& key, Program reader) {
    return reader == Program::Runwick ? key.runwickFallback : key.tunewickFallback;
}

}  // namespace

ValueState ReadSettingState(Setting setting, Program reader, Text& out, const char* settingsFile) {
    const SettingKey& key = KeyOf(setting);
    const char* fallback = FallbackOf(key, reader);
    ValueState state = ProfileStore::ReadWholeValue(key.section, key.name, fallback, key.capacity, out, settingsFile);
    if (key.kind == ValueKind::Path) return state;
    // Every other kind is used as the platform delivers it: where that is
    // short of the whole value (Wine's quoted value that just fills the
    // key), the programs use it cut.
    std::size_t whole = out.Length();
    ProfileStore::ReadValue(key.section, key.name, fallback, key.capacity, out, settingsFile);
    return state == ValueState::Whole && out.Length() < whole ? ValueState::Cut : state;
}

bool ReadSetting(Setting setting, Program reader, Text& out, const char* settingsFile) {
    const SettingKey& key = KeyOf(setting);
    if (key.kind != ValueKind::Path) {
        ProfileStore::ReadValue(key.section, key.name, FallbackOf(key, reader), key.capacity, out, settingsFile);
        return true;
    }
    if (ReadSettingState(setting, reader, out, settingsFile) != ValueState::Cut) return true;
    out.Clear();
    return false;
}

bool IsFlagSet(const Text& flag) {
    return flag.Equals("TRUE");
}
