#include "GameFolderCheck.h"

#include <cstdio>
#include <cstring>
#include <iterator>

#include "../config/GameSettingsFile.h"
#include "../config/ProfileStore.h"
#include "../config/SettingsFileLocator.h"
#include "../editor/DialogTexts.h"
#include "../editor/DisplayModes.h"
#include "../editor/SettingsModel.h"
#include "../launcher/LaunchCommand.h"
#include "../launcher/LaunchSupervisor.h"
#include "CheckPlatform.h"
#include "FileOutline.h"

namespace GameFolderCheck {
namespace {

// Kept for the process's life, as in the programs.
FileOutline settingsOutline;
FileOutline languageOutline;
LaunchCommand command;

void AppendNumber(Text& text, std::size_t number) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%zu", number);
    text.Append(digits);
}

void AppendQuoted(Text& text, const char* value) {
    text.Append("\"");
    text.Append(value);
    text.Append("\"");
}

// A finding about a key of the settings file, at the line it stands on.
Finding* SettingsFinding(Report& report, const char* code, Setting setting) {
    const SettingKey& key = KeyOf(setting);
    return report.findings.Add(code, CheckedFile::Settings, key.section, key.name,
                               settingsOutline.LineOf(key.section, key.name));
}

// --- which files ---

struct Candidates {
    Report* report;
    CheckedFile file;
    const char* code;
    std::size_t count = 0;
};

void ReportIgnoredCandidates(Report& report, const char* pattern, CheckedFile file, const char* code) {
    Candidates candidates{&report, file, code};
    SettingsFileLocator::ForEachCandidate(
        pattern,
        [](const char* name, void* context) {
            Candidates& c = *static_cast<Candidates*>(context);
            if (c.count++ == 0) return;  // the one the programs take
            Finding* f = c.report->findings.Add(c.code, c.file);
            f->message.Set("System\\");
            f->message.Append(name);
            f->message.Append(" is ignored: the programs take the first file the search returns.");
        },
        &candidates);
}

bool LocateFiles(Report& report) {
    FixedText<kMaxPath> path;
    bool settingsFound = SettingsFileLocator::Locate(kSettingsFilePattern, path);
    if (settingsFound) report.settingsFile.Set(path);
    Text& taken = report.Add(Group::SettingsFile, "file");
    if (settingsFound) {
        taken.Set(path);
    } else {
        bool tooLong = path.IsEmpty();
        taken.Set("none");
        Finding* f = report.findings.Add(tooLong ? "settings-path-too-long" : "settings-file-missing",
                                         CheckedFile::Settings);
        f->message.Set(tooLong ? "The settings file's full path is longer than Windows allows: both programs act as "
                                 "without one."
                               : "There is no System\\*.lxf: Runwick shows \"Game Executable Either Not Present or "
                                 "Defined Incorrectly in LXF File\" and Tunewick cannot save.");
    }
    ReportIgnoredCandidates(report, kSettingsFilePattern, CheckedFile::Settings, "settings-file-ignored");

    bool languageFound = SettingsFileLocator::Locate(kLanguageFilePattern, path);
    if (languageFound) report.languageFile.Set(path);
    report.Add(Group::LanguageFile, "file").Set(languageFound ? path.Get() : "none: Tunewick's English texts");
    if (!languageFound) {
        Finding* f = report.findings.Add("language-file-missing", CheckedFile::Language);
        f->message.Set("There is no System\\*.lng: Tunewick shows its English texts.");
    }
    ReportIgnoredCandidates(report, kLanguageFilePattern, CheckedFile::Language, "language-file-ignored");
    return settingsFound;
}

// --- the files' outlines ---

// The keys each section of the settings file has, from the key table.
const char* settingsKeyNames[std::size(kSettingsFile)];
KnownSection settingsSections[8];
std::size_t settingsSectionCount = 0;

void KnowSettingsSections() {
    settingsSectionCount = 0;
    std::size_t next = 0;
    for (const SettingKey& key : kSettingsFile) {
        KnownSection* section = nullptr;
        for (std::size_t i = 0; i < settingsSectionCount; ++i)
            if (std::strcmp(settingsSections[i].name, key.section) == 0) section = &settingsSections[i];
        if (!section) {
            // Keys of a section stand together in the table.
            section = &settingsSections[settingsSectionCount++];
            *section = KnownSection{key.section, &settingsKeyNames[next], 0};
        }
        settingsKeyNames[next++] = key.name;
        ++section->keyCount;
    }
}

const char* labelNames[std::size(kLabels)];
const char* dropdownNames[std::size(kListTextKeys)];
const char* resolutionNames[std::size(kListTextKeys)];
KnownSection languageSections[4];

void KnowLanguageSections() {
    for (std::size_t i = 0; i < std::size(kLabels); ++i) labelNames[i] = kLabels[i].name;
    std::size_t dropdowns = 0;
    std::size_t depths = 0;
    for (const ListTextKey& key : kListTextKeys) {
        if (std::strcmp(key.section, "Dropdown") == 0) dropdownNames[dropdowns++] = key.name;
        else resolutionNames[depths++] = key.name;
    }
    languageSections[0] = {kLabelSection, labelNames, std::size(kLabels)};
    languageSections[1] = {"Dropdown", dropdownNames, dropdowns};
    languageSections[2] = {"ResolutionsB", resolutionNames, depths};
    languageSections[3] = {kCaptionSection, kCaptionKeys, std::size(kCaptionKeys)};
}

// --- every key as it is read ---

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

void DescribeRead(Text& line, bool present, bool whole, const Text& value, const char* fallback, std::size_t capacity) {
    if (!present) {
        line.Set("missing: ");
        AppendQuoted(line, fallback);
        return;
    }
    AppendQuoted(line, value.Get());
    if (!whole) {
        line.Append(" (cut: the value is longer than ");
        AppendNumber(line, capacity - 1);
        line.Append(" characters)");
    }
}

void CheckSettingsKeys(Report& report) {
    const char* file = report.settingsFile.Get();
    for (const SettingKey& key : kSettingsFile) {
        // Both programs read with the same capacity; only Screen's default differs.
        FixedText<LongestSetting()> value;
        ValueState state = ReadSettingState(key.setting, Program::Tunewick, value, file);
        bool present = state != ValueState::Missing;
        bool whole = state != ValueState::Cut;
        bool defaultsDiffer = std::strcmp(key.tunewickFallback, key.runwickFallback) != 0;
        Text& line = report.Add(Group::SettingsFile, key.name);
        line.Set("[");
        line.Append(key.section);
        line.Append("] ");
        if (!present && defaultsDiffer) {
            line.Append("missing: Tunewick ");
            AppendQuoted(line, key.tunewickFallback);
            line.Append(", Runwick ");
            AppendQuoted(line, key.runwickFallback);
        } else {
            FixedText<600> read;
            DescribeRead(read, present, whole, value, key.tunewickFallback, key.capacity);
            line.Append(read);
        }
        if (report.settingsFile.IsEmpty()) continue;
        if (!present) {
            Finding* f = report.findings.Add("default-used", CheckedFile::Settings, key.section, key.name);
            f->message.Set("The key is not set: ");
            if (defaultsDiffer) {
                f->message.Append("Tunewick reads ");
                AppendQuoted(f->message, key.tunewickFallback);
                f->message.Append(", Runwick ");
                AppendQuoted(f->message, key.runwickFallback);
                f->message.Append(".");
            } else {
                f->message.Append("the programs read ");
                AppendQuoted(f->message, key.tunewickFallback);
                f->message.Append(".");
            }
        } else if (!whole) {
            bool path = key.kind == ValueKind::Path;
            Finding* f = SettingsFinding(report, path ? "path-cut" : "value-cut", key.setting);
            f->message.Set("The value is longer than the ");
            AppendNumber(f->message, key.capacity - 1);
            f->message.Append(" characters the key holds");
            if (path) {
                f->message.Append(key.readBy == ReadBy::Tunewick ? ": Tunewick does not use it" : ": Runwick does not use it");
                f->message.Append(key.setting == Setting::LaunchExe ? ", and opens nothing after a save." : ".");
            } else {
                f->message.Append(": the programs read ");
                AppendQuoted(f->message, value.Get());
                f->message.Append(".");
            }
        } else if (key.kind == ValueKind::Flag && !IsFlagSet(value) && LooksLikeTrue(value)) {
            Finding* f = SettingsFinding(report, "flag-not-set", key.setting);
            AppendQuoted(f->message, value.Get());
            f->message.Append(" does not count as set: only TRUE does.");
        }
    }
}

void CheckLanguageKey(Report& report, const char* section, const char* name, const char* english) {
    const char* file = report.languageFile.Get();
    LanguageText value;
    ValueState state = ProfileStore::ReadWholeValue(section, name, english, kLanguageTextCapacity, value, file);
    DialogTexts::ReadText(section, name, english, value, file);  // as Tunewick shows it
    bool present = state != ValueState::Missing;
    bool whole = state != ValueState::Cut;
    Text& line = report.Add(Group::LanguageFile, name);
    line.Set("[");
    line.Append(section);
    line.Append("] ");
    FixedText<600> read;
    DescribeRead(read, present, whole, value, english, kLanguageTextCapacity);
    line.Append(read);
    if (!present || whole) return;
    Finding* f = report.findings.Add("value-cut", CheckedFile::Language, section, name,
                                     languageOutline.LineOf(section, name));
    f->message.Set("The text is longer than 99 characters: Tunewick shows ");
    AppendQuoted(f->message, value.Get());
    f->message.Append(".");
}

// Each key with the English text that stands in for it.
void CheckLanguageKeys(Report& report) {
    if (report.languageFile.IsEmpty()) return;
    for (const LabelKey& label : kLabels) CheckLanguageKey(report, kLabelSection, label.name, label.fallback);
    for (const ListTextKey& key : kListTextKeys) CheckLanguageKey(report, key.section, key.name, key.fallback);
    for (const char* key : kCaptionKeys) CheckLanguageKey(report, kCaptionSection, key, "");
}

// --- Runwick ---

// The outcomes where Runwick starts nothing but shows its box.
struct Refusal {
    LaunchOutcome outcome;
    const char* code;
    Setting key;
    const char* cause;
    const char* message;
};

const Refusal kRefusals[] = {
    {LaunchOutcome::NoExecutableDefined, "game-exe-empty", Setting::GameExe, "GameExe is empty", kNoExecutableMessage},
    {LaunchOutcome::ExecutableNotFound, "game-exe-missing", Setting::GameExe, "GameExe is too long for its key or for Windows, or names a folder",
     kExecutableNotPresentMessage},
    {LaunchOutcome::GamePathUnusable, "game-path-unusable", Setting::GamePath, "GamePath is no existing folder, or too long",
     kGamePathUnusableMessage},
};

void AppendBox(Text& text, const char* message) {
    text.Append("Runwick shows \"");
    text.Append(message);
    text.Append("\"");
}

void CheckRunwick(Report& report) {
    LaunchOutcome outcome = command.Build(BuildMode::CheckOnly);
    for (const Refusal& refusal : kRefusals) {
        if (refusal.outcome != outcome) continue;
        Text& start = report.Add(Group::Runwick, "start");
        start.Set("nothing: ");
        AppendBox(start, refusal.message);
        Finding* f = SettingsFinding(report, refusal.code, refusal.key);
        f->message.Set(refusal.cause);
        f->message.Append(": ");
        AppendBox(f->message, refusal.message);
        f->message.Append(".");
        return;
    }
    bool exists = check_platform::IsFile(command.executablePath.Get());
    Text& start = report.Add(Group::Runwick, "start");
    start.Set(command.executablePath);
    start.Append(exists ? " (exists)" : " (no such file)");
    if (!exists) {
        Finding* f = SettingsFinding(report, "game-exe-missing", Setting::GameExe);
        f->message.Set("There is no file ");
        f->message.Append(command.executablePath);
        f->message.Append(": ");
        AppendBox(f->message, kExecutableNotPresentMessage);
        f->message.Append(".");
    }
    report.Add(Group::Runwick, "working folder")
        .Set(command.workingFolder.IsEmpty() ? "the game folder (GamePath is empty)" : command.workingFolder.Get());
    Text& parameters = report.Add(Group::Runwick, "parameters");
    parameters.Set(">>");
    parameters.Append(command.parameters);
    parameters.Append("<<");

    Text& saves = report.Add(Group::Runwick, "save folder");
    switch (command.saveFolder) {
        case SaveFolder::NotSet:
            saves.Set("none (Savedir is empty): no -dir");
            break;
        case SaveFolder::Passed: {
            FixedText<kMaxPath> shortForm;
            platform::ShortPath(command.saveFolderPath.Get(), shortForm);
            saves.Set(command.saveFolderPath);
            saves.Append(", passed with -dir in its short form ");
            saves.Append(shortForm);
            break;
        }
        case SaveFolder::ToBeMade:
            saves.Set(command.saveFolderPath);
            saves.Append(": Runwick makes it at its start and passes it in its short form with -dir, after ZPR");
            break;
        case SaveFolder::TooLongForItsKey:
        case SaveFolder::NotAFolder:
        case SaveFolder::ShortFormHasBlank: {
            saves.Set("left out: no -dir");
            if (command.saveFolder == SaveFolder::TooLongForItsKey) break;  // reported as a cut path
            Finding* f = SettingsFinding(report, "save-folder-left-out", Setting::Savedir);
            f->message.Set(command.saveFolder == SaveFolder::NotAFolder
                               ? "Savedir names no folder Runwick can make (it names a file, or its parent is "
                                 "missing): the game gets no -dir."
                               : "The save folder's short form still holds a blank (a drive without 8.3 names): the "
                                 "game gets no -dir.");
            break;
        }
    }

    Text& caption = report.Add(Group::Runwick, "waits for the window");
    if (command.windowTitle.IsEmpty()) {
        caption.Set("none: WinTitleOld is empty, and an empty caption matches no window");
        Finding* f = SettingsFinding(report, "window-title-empty", Setting::WinTitleOld);
        f->message.Set("WinTitleOld is empty: Runwick never finds the game's window, and keeps no icon on it.");
    } else {
        AppendQuoted(caption, command.windowTitle.Get());
        caption.Append(" (letter case aside)");
    }

    unsigned icons = command.iconFile.IsEmpty() ? 0 : check_platform::CountIcons(command.iconFile.Get());
    Text& icon = report.Add(Group::Runwick, "icon");
    if (!IsFlagSet(command.iconFlag)) {
        icon.Set("none kept (IC is not TRUE): Runwick leaves once the window is there");
        return;
    }
    AppendQuoted(icon, command.iconFile.Get());
    icon.Append(", ");
    AppendNumber(icon, icons);
    icon.Append(icons == 1 ? " icon in it" : " icons in it");
    if (icons) {
        icon.Append(": the first is kept on the game's window while the game runs");
        return;
    }
    icon.Append(": none is sent; Runwick leaves once the window is there");
    if (command.iconFile.IsEmpty()) return;  // reported as a cut path
    Finding* f = SettingsFinding(report, "icon-none", Setting::Icon);
    f->message.Set("IC is TRUE, but ");
    AppendQuoted(f->message, command.iconFile.Get());
    f->message.Append(" holds no icon: the game keeps its own and Runwick keeps none on it.");
}

// --- Tunewick ---

// Lists and check marks that only remember, for the settings model.
class RecordedList : public ListObject {
public:
    void Empty() override {
        count = 0;
        selection = kNoSelection;
    }
    void Add(const char* text) override {
        if (count < 16) items[count++] = text;
    }
    void Select(int position) override { selection = position >= 0 && position < count ? position : kNoSelection; }
    int Selected() const override { return selection; }

    const char* items[16] = {};
    int count = 0;
    int selection = kNoSelection;
};

class RecordedCheck : public CheckObject {
public:
    void Check() override { checked = true; }
    bool IsChecked() const override { return checked; }
    bool checked = false;
};

struct RecordedChoices {
    RecordedList adapter, acceleration, detail, resolution, colourDepth;
    RecordedCheck hardware, software, windowed, joypadDisabled, mouseDisabled;
} recorded;

SettingsModel model(ChoiceControls{recorded.adapter, recorded.acceleration, recorded.detail, recorded.resolution,
                                   recorded.colourDepth, recorded.hardware, recorded.software, recorded.windowed,
                                   recorded.joypadDisabled, recorded.mouseDisabled});
StoredChoices stored;
ListTexts listTexts;

void AppendList(Text& line, const RecordedList& list) {
    for (int i = 0; i < list.count; ++i) {
        if (i) line.Append(", ");
        line.Append(list.items[i]);
    }
}

void AppendSelection(Text& line, const RecordedList& list) {
    if (list.selection == ListObject::kNoSelection)
        line.Append("(none)");
    else
        AppendQuoted(line, list.items[list.selection]);
}

const Text* StoredValueOf(const char* key) {
    const struct {
        Setting setting;
        const Text& value;
    } values[] = {{Setting::CardNo, stored.cardNo}, {Setting::Detail, stored.detail}, {Setting::Software, stored.software},
                  {Setting::Win, stored.win},       {Setting::JPd, stored.jpd},       {Setting::MSd, stored.msd},
                  {Setting::Screen, stored.screen}};
    for (const auto& v : values)
        if ((std::strcmp(KeyOf(v.setting).name, key) == 0) || (std::strcmp(key, kWindowedKeyWhenSet) == 0 &&
                                                                v.setting == Setting::Win))
            return &v.value;
    return nullptr;
}

void CheckPicture(Report& report, const char* settingsFile) {
    SettingText<Setting::SettingsPic> picture;
    ReadSetting(Setting::SettingsPic, Program::Tunewick, picture, settingsFile);
    Text& line = report.Add(Group::Tunewick, "picture");
    if (picture.IsEmpty()) {
        line.Set("none: an empty frame");
        Finding* f = SettingsFinding(report, "picture-none", Setting::SettingsPic);
        f->message.Set("SettingsPic is empty: Tunewick's picture frame stays empty.");
        return;
    }
    AppendQuoted(line, picture.Get());
    long width = 0;
    long height = 0;
    if (!check_platform::IsFile(picture.Get())) {
        line.Append(": no such file, an empty frame");
        Finding* f = SettingsFinding(report, "picture-missing", Setting::SettingsPic);
        f->message.Set("There is no file ");
        AppendQuoted(f->message, picture.Get());
        f->message.Append(": Tunewick's picture frame stays empty.");
        return;
    }
    if (!check_platform::BitmapSize(picture.Get(), width, height)) {
        line.Append(": not a Windows bitmap, an empty frame");
        Finding* f = SettingsFinding(report, "picture-not-bitmap", Setting::SettingsPic);
        AppendQuoted(f->message, picture.Get());
        f->message.Append(" is not a Windows bitmap: Tunewick's picture frame stays empty.");
        return;
    }
    line.Append(", a Windows bitmap of ");
    AppendNumber(line, static_cast<std::size_t>(width));
    line.Append(" x ");
    AppendNumber(line, static_cast<std::size_t>(height));
    line.Append(" pixels, stretched to the frame of 105 x 144 dialog units");
    // Off the frame's shape by more than a tenth: visibly stretched.
    long long frame = static_cast<long long>(width) * 144;
    long long picturesOwn = static_cast<long long>(height) * 105;
    long long off = frame > picturesOwn ? frame - picturesOwn : picturesOwn - frame;
    if (off * 10 > picturesOwn) {
        Finding* f = SettingsFinding(report, "picture-stretched", Setting::SettingsPic);
        f->message.Set("The picture's shape differs from the frame's: it is shown stretched.");
    }
}

// The window icon SI and SIcon give Tunewick.
void CheckWindowIcon(Report& report, const char* settingsFile) {
    SettingText<Setting::SI> iconFlag;
    SettingText<Setting::SIcon> iconFile;
    ReadSetting(Setting::SI, Program::Tunewick, iconFlag, settingsFile);
    ReadSetting(Setting::SIcon, Program::Tunewick, iconFile, settingsFile);
    Text& icon = report.Add(Group::Tunewick, "window icon");
    if (!IsFlagSet(iconFlag)) {
        icon.Set("its own (SI is not TRUE)");
    } else {
        unsigned icons = check_platform::CountIcons(iconFile.Get());
        AppendQuoted(icon, iconFile.Get());
        icon.Append(icons ? ": its first icon" : ": no icon in it, so none");
        if (!icons) {
            Finding* f = SettingsFinding(report, "window-icon-none", Setting::SIcon);
            f->message.Set("SI is TRUE, but ");
            AppendQuoted(f->message, iconFile.Get());
            f->message.Append(" holds no icon: Tunewick's window has none.");
        }
    }
}

// What Save & Exit opens.
void CheckLaunchExe(Report& report, const char* settingsFile) {
    SettingText<Setting::RunGame> runGame;
    SettingText<Setting::LaunchExe> launchExe;
    ReadSetting(Setting::RunGame, Program::Tunewick, runGame, settingsFile);
    ReadSetting(Setting::LaunchExe, Program::Tunewick, launchExe, settingsFile);
    Text& after = report.Add(Group::Tunewick, "after Save & Exit");
    if (!IsFlagSet(runGame)) {
        after.Set("opens nothing (RunGame is not TRUE)");
        return;
    }
    if (launchExe.IsEmpty()) {
        after.Set("opens nothing: LaunchExe is empty");
        Finding* f = SettingsFinding(report, "launch-exe-empty", Setting::LaunchExe);
        f->message.Set("RunGame is TRUE but LaunchExe is empty: nothing is opened after a save.");
        return;
    }
    bool exists = check_platform::IsFile(launchExe.Get());
    after.Set("opens ");
    AppendQuoted(after, launchExe.Get());
    after.Append(exists ? " (in the game folder)" : " (not in the game folder)");
    if (!exists) {
        Finding* f = SettingsFinding(report, "launch-exe-not-found", Setting::LaunchExe);
        AppendQuoted(f->message, launchExe.Get());
        f->message.Append(" is not in the game folder: unless Windows finds it elsewhere, nothing is opened.");
    }
}

void CheckTunewick(Report& report) {
    const char* settingsFile = report.settingsFile.Get();
    const char* languageFile = report.languageFile.Get();
    SettingText<Setting::Title> title;
    ReadSetting(Setting::Title, Program::Tunewick, title, settingsFile);
    FixedText<kCaptionCapacity> caption;
    DialogTexts::ComposeCaption(languageFile, title, caption);
    AppendQuoted(report.Add(Group::Tunewick, "caption"), caption.Get());

    SettingText<Setting::QFV> edition;
    ReadSetting(Setting::QFV, Program::Tunewick, edition, settingsFile);
    bool known = false;
    for (const char* name : {"Plenn", "Varo", "Tessi", "Maxor"}) known = known || edition.Equals(name);
    Text& editionLine = report.Add(Group::Tunewick, "edition");
    AppendQuoted(editionLine, edition.Get());
    if (!known) {
        editionLine.Append(", taken as \"Plenn\"");
        Finding* f = SettingsFinding(report, "edition-unknown", Setting::QFV);
        AppendQuoted(f->message, edition.Get());
        f->message.Append(" is no edition: Tunewick offers what \"Plenn\" offers.");
    }

    for (RecordedCheck* check : {&recorded.hardware, &recorded.software, &recorded.windowed, &recorded.joypadDisabled,
                                 &recorded.mouseDisabled})
        check->checked = false;  // the model only ever sets them
    stored.Read(settingsFile);
    DialogTexts::ReadListTexts(languageFile, listTexts);
    model.Load(stored, edition, listTexts);
    AppendList(report.Add(Group::Tunewick, "resolutions"), recorded.resolution);
    AppendList(report.Add(Group::Tunewick, "colour depths"), recorded.colourDepth);
    Text& selections = report.Add(Group::Tunewick, "selections");
    selections.Set("adapter ");
    AppendSelection(selections, recorded.adapter);
    selections.Append(", resolution ");
    AppendSelection(selections, recorded.resolution);
    selections.Append(", depth ");
    AppendSelection(selections, recorded.colourDepth);
    selections.Append(", detail ");
    AppendSelection(selections, recorded.detail);
    selections.Append(recorded.software.checked ? ", software rendering" : ", hardware rendering");
    if (recorded.windowed.checked) selections.Append(", windowed");
    if (recorded.joypadDisabled.checked) selections.Append(", joypad disabled");
    if (recorded.mouseDisabled.checked) selections.Append(", mouse disabled");

    // What an unchanged save writes, against what is stored.
    TunewickWrites writes = model.Save();
    bool screenWritten = false;
    for (int i = 0; i < writes.count; ++i) {
        const TunewickWrite& write = writes.items[i];
        const Text* before = StoredValueOf(write.key);
        if (std::strcmp(write.key, KeyOf(Setting::Screen).name) == 0) screenWritten = true;
        // An empty value is no choice yet: a save makes the first.
        if (!before || before->IsEmpty() || before->Equals(write.value)) continue;
        const char* name = std::strcmp(write.key, kWindowedKeyWhenSet) == 0 ? KeyOf(Setting::Win).name : write.key;
        Finding* f = report.findings.Add("stored-value-rewritten", CheckedFile::Settings, "Tunewick", name,
                                         settingsOutline.LineOf("Tunewick", name));
        AppendQuoted(f->message, before->Get());
        f->message.Append(" is no option Tunewick offers for it: a save writes ");
        AppendQuoted(f->message, write.value);
        f->message.Append(".");
    }
    if (!screenWritten && !stored.screen.IsEmpty()) {
        Finding* f = SettingsFinding(report, "stored-mode-kept", Setting::Screen);
        AppendQuoted(f->message, stored.screen.Get());
        f->message.Append(" is a mode this edition does not offer: Tunewick shows no selection and a save keeps it.");
    }

    CheckPicture(report, settingsFile);
    CheckWindowIcon(report, settingsFile);
    CheckLaunchExe(report, settingsFile);
}

}  // namespace

void Run(Report& report) {
    KnowSettingsSections();
    KnowLanguageSections();
    bool settingsFound = LocateFiles(report);
    if (settingsFound)
        settingsOutline.Check(report.settingsFile.Get(), settingsSections, settingsSectionCount, CheckedFile::Settings,
                              report.findings);
    if (!report.languageFile.IsEmpty())
        languageOutline.Check(report.languageFile.Get(), languageSections, std::size(languageSections),
                              CheckedFile::Language, report.findings);
    CheckSettingsKeys(report);
    CheckLanguageKeys(report);
    CheckRunwick(report);
    CheckTunewick(report);
}

}  // namespace GameFolderCheck
