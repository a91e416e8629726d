#pragma once
// What the authors' check found: each finding with its level, code, the
// file, section, key and line it concerns, one sentence of what happens and
// one of advice. Kept in a table of fixed size, as every text here.
#include <cstddef>

#include "../config/FixedText.h"

enum class Level { Note, Warning, Error };

// Every kind of finding; a mistyped one does not build.
enum class Code {
    SettingsFileMissing,
    SettingsPathTooLong,
    SettingsFileIgnored,
    LanguageFileMissing,
    LanguageFileIgnored,
    FileTooLarge,
    DuplicateSection,
    DuplicateKey,
    UnknownKey,
    UnknownSection,
    MisspeltSection,
    LineWithoutEquals,
    ValueCut,
    PathCut,
    DefaultUsed,
    FlagNotSet,
    GameExeEmpty,
    GameExeMissing,
    GameExeNotProgram,
    GamePathUnusable,
    SaveFolderLeftOut,
    WindowTitleEmpty,
    IconNone,
    EditionUnknown,
    StoredValueRewritten,
    StoredModeKept,
    PictureNone,
    PictureMissing,
    PictureNotBitmap,
    PictureStretched,
    WindowIconNone,
    LaunchExeEmpty,
    LaunchExeNotFound,
    FolderNotInCodePage,
    Utf8Mark,
    Utf8Text,
    Count  // no finding: how many kinds there are
};

// Each kind with its code as printed, its level and its advice to the author.
// A few kinds are found at a lower level where less is lost; the table holds
// the highest.
struct FindingKind {
    Code id;
    const char* code;
    Level level;
    const char* advice;
};

extern const FindingKind kFindingKinds[];
extern const std::size_t kFindingKindCount;
const FindingKind& KindOf(Code code);

// Which file a finding concerns.
enum class CheckedFile { Settings, Language, Other };

struct Finding {
    const FindingKind* kind;
    Level level;
    CheckedFile file;
    FixedText<64> section;
    FixedText<64> key;
    std::size_t line;  // 0: no line
    FixedText<512> message;
};

class Findings {
public:
    static constexpr std::size_t kMost = 200;

    // Adds a finding of the kind; the caller composes its message. Past
    // kMost, findings are only counted.
    Finding* Add(Code code, CheckedFile file, const char* section = "", const char* key = "", std::size_t line = 0);
    // The same at a level below the kind's own.
    Finding* Add(Level level, Code code, CheckedFile file, const char* section = "", const char* key = "",
                 std::size_t line = 0);

    std::size_t Count() const { return count_ < kMost ? count_ : kMost; }
    std::size_t Dropped() const { return count_ < kMost ? 0 : count_ - kMost; }
    const Finding& operator[](std::size_t i) const { return items_[i]; }
    std::size_t CountOf(Level level) const;

    // 0 without warnings or errors, 1 with warnings only, 2 with errors.
    int ExitStatus() const;

private:
    Finding items_[kMost];
    Finding overflow_;
    std::size_t count_ = 0;
    std::size_t levels_[3] = {};
};
