#include "GameSettingsFile.h"

#include "ProfileStore.h"

namespace {

constexpr bool RowsFollowTheEnum() {
    for (std::size_t i = 0; i < sizeof kSettingsFile / sizeof kSettingsFile[0]; ++i)
        if (static_cast<std::size_t>(kSettingsFile[i].setting) != i) return false;
    return true;
}
static_assert(RowsFollowTheEnum(), "kSettingsFile rows must stand in the order of Setting");

const char* FallbackOf(const SettingKey& key, Program reader) {
    return reader == Program::Runwick ? key.runwickFallback : key.tunewickFallback;
}

}  // namespace

std::size_t ReadSetting(Setting setting, Program reader, Text& out, const char* settingsFile) {
    const SettingKey& key = KeyOf(setting);
    return ProfileStore::ReadValue(key.section, key.name, FallbackOf(key, reader), key.capacity, out, settingsFile);
}

bool ReadWholeSetting(Setting setting, Program reader, Text& out, const char* settingsFile) {
    const SettingKey& key = KeyOf(setting);
    if (ReadSetting(setting, reader, out, settingsFile) + 1 < key.capacity) return true;
    // It filled the text: read it once more with room to spare. Two more, not
    // one: Wine delivers a quoted value that just fills a buffer one short.
    FixedText<LongestSetting() + 2> roomier;
    ProfileStore::ReadValue(key.section, key.name, FallbackOf(key, reader), key.capacity + 2, roomier, settingsFile);
    return roomier.Length() < key.capacity;
}

bool IsFlagSet(const Text& flag) {
    return flag.Equals("TRUE");
}
