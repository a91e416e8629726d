#include "StoredChoices.h"

#include "../config/ProfileStore.h"

void StoredChoices::Read(const char* settingsFile) {
    const struct {
        Setting setting;
        Text& value;
    } keys[] = {
        {Setting::CardNo, cardNo}, {Setting::Detail, detail}, {Setting::Software, software},
        {Setting::Win, win},       {Setting::JPd, jpd},       {Setting::MSd, msd},
        {Setting::Screen, screen},
    };
    for (const auto& key : keys) ReadSetting(key.setting, Program::Tunewick, key.value, settingsFile);
}

bool TunewickWrites::WriteTo(const char* settingsFile) const {
    const char* section = KeyOf(Setting::CardNo).section;
    for (int i = 0; i < count; ++i)
        if (!ProfileStore::WriteValue(section, items[i].key, items[i].value, settingsFile)) return false;
    return true;
}
