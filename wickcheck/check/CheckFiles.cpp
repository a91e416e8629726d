// Which settings and language file the programs take, and the outline of
// each: what stands twice, what is misspelt, what no program reads.
#include <cstring>
#include <iterator>
#include <string_view>

#include "../../config/GameFolderName.h"
#include "../../config/SettingsFileLocator.h"
#include "../../editor/DialogTexts.h"
#include "CheckPlatform.h"
#include "GameFolderCheck.h"
#include "../watch/Watch.h"

namespace GameFolderCheck {

Done Run(Report& report, const Asked& asked) {
    Done done;
    Check check(report);
    // Last, after what each program does.
    auto sayWhatIsNotSeen = [&report] {
        std::size_t count = 0;
        const check_platform::Unseen* unseen = check_platform::NotSeenHere(count);
        for (std::size_t i = 0; i < count; ++i) report.Add(Group::NotSeenHere, unseen[i].label).Set(unseen[i].what);
    };
    if (!NameGameFolder(check)) {
        sayWhatIsNotSeen();
        return done;
    }
    done.dialogShown = true;
    LocateFiles(check);
    OutlineFiles(check);
    CheckSettingsKeys(check);
    CheckLanguageKeys(check);
    CheckRunwick(check);
    CheckTunewick(check);
    CheckTexts(check);
    if (asked.preview) done.previewWritten = check_platform::WritePreview(asked.preview);
    check_platform::CloseDialog();
    if (asked.watchSeconds) Watch::Run(check, asked.watchSeconds);
    sayWhatIsNotSeen();
    return done;
}

Finding* AddSettingsFinding(Check& check, Code code, Setting setting) {
    const SettingKey& key = KeyOf(setting);
    return check.report.findings.Add(code, CheckedFile::Settings, key.section, key.name,
                                     check.settingsOutline.LineOf(key.section, key.name));
}

namespace {

struct Candidates {
    Report* report;
    CheckedFile file;
    Code code;
    std::size_t count = 0;
};

void ReportIgnoredCandidates(Report& report, const char* pattern, CheckedFile file, Code code) {
    Candidates candidates{&report, file, code};
    SettingsFileLocator::ForEachCandidate(
        pattern,
        [](const char* name, void* context) {
            Candidates& c = *static_cast<Candidates*>(context);
            if (c.count++ == 0) return;  // the one the programs take
            Say(c.report->findings.Add(c.code, c.file)->message, "System\\", name,
                " is ignored: the programs take the first file the search returns.");
        },
        &candidates);
}

// The sections a file's tables name, each with its keys: built from the
// tables the programs read the files by, so nothing is typed twice. Its
// capacities are the tables' own counts: a larger table does not build.
template <std::size_t kSections, std::size_t kNames>
struct KnownSections {
    KnownSection sections[kSections];
    std::size_t count = 0;
    const char* names[kNames];
    std::size_t nameCount = 0;

    // The keys of one section stand together in each table.
    void Add(const char* section, const char* key) {
        KnownSection* known = count ? &sections[count - 1] : nullptr;
        if (!known || std::strcmp(known->name, section) != 0) {
            known = &sections[count++];
            *known = KnownSection{section, &names[nameCount], 0};
        }
        names[nameCount++] = key;
        ++known->keyCount;
    }
};

// How many runs of one section a table's keys make.
template <typename Key, std::size_t N>
constexpr std::size_t SectionRuns(const Key (&keys)[N]) {
    std::size_t runs = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (i == 0 || std::string_view(keys[i].section) != keys[i - 1].section) ++runs;
    return runs;
}

constexpr std::size_t kLanguageNames = std::size(kLabels) + std::size(kListTextKeys) + std::size(kCaptionKeys);
constexpr std::size_t kLanguageSections = 1 + SectionRuns(kListTextKeys) + 1;
using SettingsKnown = KnownSections<SectionRuns(kSettingsFile), std::size(kSettingsFile)>;
using LanguageKnown = KnownSections<kLanguageSections, kLanguageNames>;

// Each built once, in place: its sections point into its own names.
const SettingsKnown& SettingsSections() {
    static SettingsKnown known;
    if (!known.count)
        for (const SettingKey& key : kSettingsFile) known.Add(key.section, key.name);
    return known;
}

const LanguageKnown& LanguageSections() {
    static LanguageKnown known;
    if (known.count) return known;
    for (const LabelKey& label : kLabels) known.Add(kLabelSection, label.name);
    for (const ListTextKey& key : kListTextKeys) known.Add(key.section, key.name);
    for (const char* key : kCaptionKeys) known.Add(kCaptionSection, key);
    return known;
}

}  // namespace

bool NameGameFolder(Check& check) {
    Report& report = check.report;
    platform::FolderNaming naming = platform::NameCurrentFolder();
    if (!platform::FullPath(".", report.gameFolder)) report.gameFolder.Set(".");
    if (naming == platform::FolderNaming::InCodePage) return true;
    Count codePage{platform::AnsiCodePage()};
    if (naming == platform::FolderNaming::ShortForm) {
        Say(report.findings.Add(Code::FolderNotInCodePage, CheckedFile::Other, "", "", 0, Level::Note)->message,
            "The game folder's path holds letters that code page ", codePage,
            " cannot hold: the programs and the game use ", report.gameFolder, ".");
        return true;
    }
    Say(report.findings.Add(Code::FolderNotInCodePage, CheckedFile::Other)->message,
        "The game folder's path holds letters that code page ", codePage,
        " cannot hold, and it has no short form that does: Runwick and Tunewick show \"",
        kFolderNotInCodePageMessage, "\" and end, writing nothing.");
    Say(report.Add(Group::Runwick, "start"), "nothing: Runwick shows \"", kFolderNotInCodePageMessage, "\"");
    Say(report.Add(Group::Tunewick, "dialog"), "none: Tunewick shows \"", kFolderNotInCodePageMessage, "\"");
    return false;
}

void LocateFiles(Check& check) {
    Report& report = check.report;
    FixedText<kMaxPath> path;
    bool settingsFound = SettingsFileLocator::Locate(kSettingsFilePattern, path);
    if (settingsFound) report.settingsFile.Set(path);
    Text& taken = report.Add(Group::SettingsFile, "file");
    if (settingsFound) {
        taken.Set(path);
    } else if (path.IsEmpty()) {
        taken.Set("none");
        Say(report.findings.Add(Code::SettingsPathTooLong, CheckedFile::Settings)->message,
            "The settings file's full path is longer than Windows allows: both programs act as without one.");
    } else {
        taken.Set("none");
        Say(report.findings.Add(Code::SettingsFileMissing, CheckedFile::Settings)->message,
            "There is no System\\*.lxf: Runwick shows \"Game Executable Either Not Present or Defined Incorrectly "
            "in LXF File\" and Tunewick cannot save.");
    }
    ReportIgnoredCandidates(report, kSettingsFilePattern, CheckedFile::Settings, Code::SettingsFileIgnored);

    bool languageFound = SettingsFileLocator::Locate(kLanguageFilePattern, path);
    if (languageFound) report.languageFile.Set(path);
    report.Add(Group::LanguageFile, "file").Set(languageFound ? path.Get() : "none: Tunewick's English texts");
    if (!languageFound)
        Say(report.findings.Add(Code::LanguageFileMissing, CheckedFile::Language)->message,
            "There is no System\\*.lng: Tunewick shows its English texts.");
    ReportIgnoredCandidates(report, kLanguageFilePattern, CheckedFile::Language, Code::LanguageFileIgnored);
}

void OutlineFiles(Check& check) {
    Report& report = check.report;
    const SettingsKnown& settingsSections = SettingsSections();
    const LanguageKnown& languageSections = LanguageSections();
    if (!report.settingsFile.IsEmpty())
        check.settingsOutline.Check(report.settingsFile.Get(), settingsSections.sections, settingsSections.count,
                                    CheckedFile::Settings, report.findings);
    if (!report.languageFile.IsEmpty())
        check.languageOutline.Check(report.languageFile.Get(), languageSections.sections, languageSections.count,
                                    CheckedFile::Language, report.findings);
}

}  // namespace GameFolderCheck
