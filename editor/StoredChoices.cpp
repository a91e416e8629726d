#include "StoredChoices.h"

#include "../config/ProfileStore.h"

void StoredChoices::Read(const char* settingsFile) {
    for (std::size_t i = 0; i < kTunewickOptionCount; ++i)
        ReadSetting(kTunewickOptions[i], Program::Tunewick, values[i], settingsFile);
}

const Text& StoredChoices::Value(Setting setting) const {
    return const_cast<StoredChoices*>(this)->Value(setting);
}

Text& StoredChoices::Value(Setting setting) {
    std::size_t place = TunewickPlace(setting);
    return place < kTunewickOptionCount ? static_cast<Text&>(values[place]) : none_;
}

bool TunewickWrites::WriteTo(const char* settingsFile) const {
    const char* section = KeyOf(Setting::CardNo).section;
    for (int i = 0; i < count; ++i)
        if (!ProfileStore::WriteValue(section, items[i].key, items[i].value, settingsFile)) return false;
    return true;
}
