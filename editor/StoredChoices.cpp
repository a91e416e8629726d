#include "StoredChoices.h"

#include "../config/ProfileStore.h"

namespace {

constexpr Setting kReadOrder[] = {Setting::CardNo, Setting::Detail, Setting::Software, Setting::Win,
                                  Setting::JPd,    Setting::MSd,    Setting::Screen};

}  // namespace

void StoredChoices::Read(const char* settingsFile) {
    for (Setting setting : kReadOrder)
        ReadSetting(setting, Program::Tunewick, Value(setting), settingsFile);
}

const Text& StoredChoices::Value(Setting setting) const {
    return const_cast<StoredChoices*>(this)->Value(setting);
}

Text& StoredChoices::Value(Setting setting) {
    switch (setting) {
        case Setting::CardNo:
            return cardNo;
        case Setting::Detail:
            return detail;
        case Setting::Software:
            return software;
        case Setting::Win:
            return win;
        case Setting::JPd:
            return jpd;
        case Setting::MSd:
            return msd;
        default:
            return screen;
    }
}

bool TunewickWrites::WriteTo(const char* settingsFile) const {
    const char* section = KeyOf(Setting::CardNo).section;
    for (int i = 0; i < count; ++i)
        if (!ProfileStore::WriteValue(section, items[i].key, items[i].value, settingsFile)) return false;
    return true;
}
