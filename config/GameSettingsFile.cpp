#include "GameSettingsFile.h"

#include "ProfileStore.h"

namespace {

constexpr bool RowsFollowTheEnum() {
    for (std::size_t i = 0; i < sizeof kSettingsFile / sizeof kSettingsFile[0]; ++i)
        if (static_cast<std::size_t>(kSettingsFile[i].setting) != i) return false;
    return true;
}
static_assert(RowsFollowTheEnum(), "kSettingsFile rows must stand in the order of Setting");

}  // namespace

std::size_t ReadSetting(Setting setting, Program reader, Text& out, const char* settingsFile) {
    const SettingKey& key = KeyOf(setting);
    const char* fallback = reader == Program::Runwick ? key.runwickFallback : key.tunewickFallback;
    return ProfileStore::ReadValue(key.section, key.name, fallback, key.capacity, out, settingsFile);
}

bool IsFlagSet(const Text& flag) {
    return flag.Equals("TRUE");
}
