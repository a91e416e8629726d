#include "FileOutline.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "../config/AsciiCase.h"
#include "../config/ProfileText.h"
#include "CheckPlatform.h"
#include "Message.h"

namespace {

// The file's bytes, and their text when they are UTF-16: kept for the
// process's life like every other buffer here.
char fileBytes[FileOutline::kMostBytes];
char fileText[FileOutline::kMostBytes / 2];

bool SameName(std::string_view a, const char* b) {
    std::size_t n = std::strlen(b);
    if (a.size() != n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

void SetName(Text& out, std::string_view name) {
    out.Clear();
    out.Append(name.data(), name.size());
}

// Edits (insert, delete, replace) from a to b, letter case aside; names
// longer than 63 characters are never near.
std::size_t Distance(const char* a, const char* b) {
    std::size_t n = std::strlen(a);
    std::size_t m = std::strlen(b);
    if (n > 63 || m > 63) return 64;
    std::size_t previous[64];
    std::size_t current[64];
    for (std::size_t j = 0; j <= m; ++j) previous[j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= m; ++j) {
            std::size_t replace = previous[j - 1] + (LowerAscii(a[i - 1]) != LowerAscii(b[j - 1]));
            std::size_t remove = previous[j] + 1;
            std::size_t insert = current[j - 1] + 1;
            current[j] = replace < remove ? (replace < insert ? replace : insert) : (remove < insert ? remove : insert);
        }
        std::memcpy(previous, current, sizeof current);
    }
    return previous[m];
}

// Ends a sentence, with the name the author likely meant where there is one.
void AppendSuggestion(Text& message, const char* nearest, const char* before, const char* after) {
    if (!nearest) {
        message.Append(".");
        return;
    }
    message.Append("; did you mean ");
    message.Append(before);
    message.Append(nearest);
    message.Append(after);
    message.Append("?");
}

struct Walk {
    FileOutline* outline = nullptr;
    const KnownSection* known = nullptr;
    std::size_t knownCount = 0;
    CheckedFile file = CheckedFile::Settings;
    Findings* findings = nullptr;
    const KnownSection* section = nullptr;  // the section the lines stand in, when known
    bool firstOfItsName = true;             // the first section of its name
    bool beforeAnyHeading = true;
    bool utf8Mark = false;           // the file starts with one
    bool markHidesASection = false;  // and on Windows it turns a read section's heading into no heading
    FixedText<64> sectionName;
    // The first line of each section name seen, for "stands again".
    struct Seen {
        FixedText<64> name;
        std::size_t line;
    } seen[128];
    std::size_t seenCount = 0;
};

// Windows' profile functions know no UTF-8 mark (Wine's skip it): on
// Windows it belongs to the first line, which is no heading then.
void ReportUtf8Mark(const Walk& walk) {
    if (walk.markHidesASection) {
        Say(walk.findings->Add(Code::Utf8Mark, walk.file, walk.seen[0].name.Get(), "", 1)->message,
            "The file starts with a UTF-8 mark: Windows reads it as part of the first line, so [",
            walk.seen[0].name, "] is no heading there and the programs lose that whole section (Wine skips the mark).");
        return;
    }
    Say(walk.findings->Add(Level::Note, Code::Utf8Mark, walk.file, "", "", 1)->message,
        "The file starts with a UTF-8 mark: Windows reads it as part of the first line, which no program reads, so "
        "nothing is lost.");
}

}  // namespace

const char* NearestName(const char* name, const char* const* names, std::size_t count) {
    const char* nearest = nullptr;
    std::size_t best = 64;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t d = Distance(name, names[i]);
        if (d < best) {
            best = d;
            nearest = names[i];
        }
    }
    std::size_t length = std::strlen(name);
    std::size_t allowed = length < 6 ? 1 : length / 3;
    return nearest && best > 0 && best <= allowed ? nearest : nullptr;
}

std::size_t FileOutline::LineOf(const char* section, const char* key) const {
    for (std::size_t i = 0; i < entryCount_; ++i)
        if (entries_[i].section.Equals(section) && SameName(entries_[i].key.Get(), key)) return entries_[i].line;
    return 0;
}

bool FileOutline::Check(const char* path, const KnownSection* known, std::size_t knownCount, CheckedFile file,
                        Findings& findings) {
    Clear();
    std::size_t size = 0;
    if (!check_platform::ReadFileBytes(path, fileBytes, kMostBytes, size)) return false;
    std::string_view bytes(fileBytes, size < kMostBytes ? size : kMostBytes);
    if (size > kMostBytes) {
        Finding* f = findings.Add(Code::FileTooLarge, file);
        f->message.Set("The file is larger than 2 MiB; its first 2 MiB were checked.");
    }
    std::string_view text = bytes;
    profile_text::Encoding encoding = profile_text::EncodingOf(bytes);
    utf16_ = encoding != profile_text::Encoding::Bytes;
    if (utf16_) text = std::string_view(fileText, profile_text::NarrowUtf16(bytes, encoding, fileText));

    Walk walk;
    walk.outline = this;
    walk.known = known;
    walk.knownCount = knownCount;
    walk.file = file;
    walk.findings = &findings;
    walk.utf8Mark = !utf16_ && bytes.substr(0, 3) == "\xEF\xBB\xBF";
    profile_text::ForEachLine(
        text,
        [](const profile_text::OutlineLine& line, void* context) {
            Walk& w = *static_cast<Walk*>(context);
            FileOutline& outline = *w.outline;
            if (line.heading) {
                w.beforeAnyHeading = false;
                SetName(w.sectionName, line.name);
                w.section = nullptr;
                for (std::size_t i = 0; i < w.knownCount; ++i)
                    if (SameName(line.name, w.known[i].name)) w.section = &w.known[i];
                w.firstOfItsName = true;
                for (std::size_t i = 0; i < w.seenCount; ++i) {
                    if (!SameName(line.name, w.seen[i].name.Get())) continue;
                    w.firstOfItsName = false;
                    Finding* f = w.findings->Add(Code::DuplicateSection, w.file, w.sectionName.Get(), "", line.number);
                    f->message.Set("The section stands again; the programs read only the first, at line ");
                    char number[24];
                    std::snprintf(number, sizeof number, "%zu.", w.seen[i].line);
                    f->message.Append(number);
                    break;
                }
                if (w.firstOfItsName && w.seenCount < 128) w.seen[w.seenCount++] = {w.sectionName, line.number};
                if (line.number == 1 && w.utf8Mark) w.markHidesASection = w.section != nullptr;
                if (!w.section && w.firstOfItsName) {
                    const char* names[16];
                    std::size_t count = 0;
                    for (std::size_t i = 0; i < w.knownCount && count < 16; ++i) names[count++] = w.known[i].name;
                    const char* nearest = NearestName(w.sectionName.Get(), names, count);
                    Finding* f = w.findings->Add(nearest ? Code::MisspeltSection : Code::UnknownSection, w.file,
                                                 w.sectionName.Get(), "", line.number);
                    f->message.Set("Neither program reads a section of this name");
                    AppendSuggestion(f->message, nearest, "[", "]");
                }
                return;
            }
            // Lines before any heading, in an unread section, or in a later
            // section of a name already seen are read by no program; comments
            // are the author's own.
            if (line.comment || w.beforeAnyHeading || !w.section || !w.firstOfItsName) return;
            FixedText<64> key;
            SetName(key, line.name);
            if (outline.LineOf(w.section->name, key.Get())) {
                Finding* f = w.findings->Add(Code::DuplicateKey, w.file, w.section->name, key.Get(), line.number);
                f->message.Set("The key stands again in its section; the programs read only the first, at line ");
                char number[24];
                std::snprintf(number, sizeof number, "%zu.", outline.LineOf(w.section->name, key.Get()));
                f->message.Append(number);
                return;
            }
            if (outline.entryCount_ < kMostEntries)
                outline.entries_[outline.entryCount_++] = Entry{FixedText<64>(w.section->name), key, line.number};
            bool read = false;
            for (std::size_t i = 0; i < w.section->keyCount; ++i)
                if (SameName(line.name, w.section->keys[i])) read = true;
            if (read && !line.hasValue) {
                Finding* f = w.findings->Add(Code::LineWithoutEquals, w.file, w.section->name, key.Get(), line.number);
                f->message.Set("The line has no '=': the programs read the key's default.");
            }
            if (read) return;
            const char* nearest = NearestName(key.Get(), w.section->keys, w.section->keyCount);
            Finding* f = w.findings->Add(Code::UnknownKey, w.file, w.section->name, key.Get(), line.number);
            f->message.Set("Neither program reads this key");
            AppendSuggestion(f->message, nearest, "", "");
        },
        &walk);
    if (walk.utf8Mark) ReportUtf8Mark(walk);
    return true;
}
