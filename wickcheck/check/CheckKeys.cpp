// Every key of both files as the programs read it: its value, or the
// default where it is missing, and whether it was cut.
#include <cstring>

#include "../../config/ProfileStore.h"
#include "../../editor/DialogTexts.h"
#include "GameFolderCheck.h"

namespace GameFolderCheck {
namespace {

// "true", " True" and the like: meant as set, but not set.
bool LooksLikeTrue(const Text& value) {
    const char* v = value.Get();
    while (*v == ' ') ++v;
    const char* word = "true";
    for (; *word; ++word, ++v)
        if ((*v | 0x20) != *word) return false;
    while (*v == ' ') ++v;
    return *v == '\0';
}

// "[Section] " and the value as read, the default where the key is missing.
void DescribeRead(Text& line, const char* section, ValueState state, const Text& value, const char* fallback,
                  std::size_t capacity) {
    Say(line, "[", section, "] ");
    if (state == ValueState::Missing) {
        SayMore(line, "missing: ", Quoted(fallback));
        return;
    }
    SayMore(line, Quoted(value));
    if (state == ValueState::Cut) SayMore(line, " (cut: the value is longer than ", Count{capacity - 1}, " characters)");
}

// Who reads the key, as a message names them.
const char* Readers(const SettingKey& key) {
    switch (key.readBy) {
        case ReadBy::Tunewick:
            return "Tunewick";
        case ReadBy::Runwick:
            return "Runwick";
        case ReadBy::Both:
            break;
    }
    return "the programs";
}

void ReportCut(Check& check, const SettingKey& key, const Text& value) {
    if (key.kind != ValueKind::Path) {
        SettingsFinding(check, Code::ValueCut, key.setting, "The value is longer than the ", Count{key.capacity - 1},
                        " characters the key holds: the programs read ", Quoted(value), ".");
        return;
    }
    SettingsFinding(check, Code::PathCut, key.setting, "The value is longer than the ", Count{key.capacity - 1},
                    " characters the key holds: ", Readers(key), " does not use it",
                    key.setting == Setting::LaunchExe ? ", and opens nothing after a save." : ".");
}

void CheckLanguageKey(Check& check, const char* section, const char* name, const char* english) {
    Report& report = check.report;
    const char* file = report.languageFile.Get();
    LanguageText value;
    ValueState state = ProfileStore::ReadWholeValue(section, name, english, kLanguageTextCapacity, value, file);
    std::size_t whole = value.Length();
    DialogTexts::ReadText(section, name, english, value, file);  // as Tunewick shows it
    if (state == ValueState::Whole && value.Length() < whole) state = ValueState::Cut;
    DescribeRead(report.Add(Group::LanguageFile, name), section, state, value, english, kLanguageTextCapacity);
    if (state != ValueState::Cut) return;
    std::size_t line = check.languageOutline.LineOf(section, name);
    Say(report.findings.Add(Code::ValueCut, CheckedFile::Language, section, name, line)->message,
        "The text is longer than ", Count{kLanguageTextCapacity - 1}, " characters: Tunewick shows ", Quoted(value),
        ".");
}

}  // namespace

void CheckSettingsKeys(Check& check) {
    Report& report = check.report;
    const char* file = report.settingsFile.Get();
    for (const SettingKey& key : kSettingsFile) {
        // Both programs read with the same capacity; only Screen's default differs.
        FixedText<LongestSetting()> value;
        ValueState state = ReadSettingState(key.setting, Program::Tunewick, value, file);
        bool defaultsDiffer = std::strcmp(key.tunewickFallback, key.runwickFallback) != 0;
        Text& line = report.Add(Group::SettingsFile, key.name);
        if (state == ValueState::Missing && defaultsDiffer)
            Say(line, "[", key.section, "] missing: Tunewick ", Quoted(key.tunewickFallback), ", Runwick ",
                Quoted(key.runwickFallback));
        else
            DescribeRead(line, key.section, state, value, key.tunewickFallback, key.capacity);
        if (report.settingsFile.IsEmpty()) continue;
        if (state == ValueState::Missing) {
            Finding* f = report.findings.Add(Code::DefaultUsed, CheckedFile::Settings, key.section, key.name);
            if (defaultsDiffer)
                Say(f->message, "The key is not set: Tunewick reads ", Quoted(key.tunewickFallback), ", Runwick ",
                    Quoted(key.runwickFallback), ".");
            else
                Say(f->message, "The key is not set: ", Readers(key), key.readBy == ReadBy::Both ? " read " : " reads ",
                    Quoted(key.tunewickFallback), ".");
        } else if (state == ValueState::Cut) {
            ReportCut(check, key, value);
        } else if (key.kind == ValueKind::Flag && !IsFlagSet(value) && LooksLikeTrue(value)) {
            SettingsFinding(check, Code::FlagNotSet, key.setting, Quoted(value),
                            " does not count as set: only TRUE does.");
        }
    }
}

// Each key with the English text that stands in for it.
void CheckLanguageKeys(Check& check) {
    Report& report = check.report;
    if (report.languageFile.IsEmpty()) return;
    for (const LabelKey& label : kLabels) CheckLanguageKey(check, kLabelSection, label.name, label.fallback);
    for (const ListTextKey& key : kListTextKeys) CheckLanguageKey(check, key.section, key.name, key.fallback);
    for (const char* key : kCaptionKeys) CheckLanguageKey(check, kCaptionSection, key, "");
}

}  // namespace GameFolderCheck
