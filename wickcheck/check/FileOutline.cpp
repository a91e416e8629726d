#include "FileOutline.h"

#include <cstring>
#include <string_view>

#include "../../config/AsciiCase.h"
#include "../../config/Platform.h"
#include "../../config/ProfileText.h"
#include "CheckPlatform.h"
#include "Message.h"

namespace {

// The file's bytes, and their text when they are UTF-16: kept for the
// process's life like every other buffer here.
char fileBytes[FileOutline::kMostBytes];
char fileText[FileOutline::kMostBytes / 2];

using profile_text::SameName;

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

// The known name nearest to name, letter case aside, when it is near enough
// to be a misspelling of it; null otherwise.
template <typename Name>
const char* Nearest(const char* name, const Name* names, std::size_t count, const char* (*nameOf)(const Name&)) {
    const char* nearest = nullptr;
    std::size_t best = 64;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t d = Distance(name, nameOf(names[i]));
        if (d < best) {
            best = d;
            nearest = nameOf(names[i]);
        }
    }
    std::size_t length = std::strlen(name);
    std::size_t allowed = length < 6 ? 1 : length / 3;
    return nearest && best > 0 && best <= allowed ? nearest : nullptr;
}

// Whether the text holds UTF-8 sequences and nothing else past ASCII: text
// saved as UTF-8, which the programs show in the ANSI code page. A text in
// a code page seldom reads as UTF-8.
bool IsUtf8Text(std::string_view text) {
    bool sequence = false;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i++]);
        std::size_t more = c < 0x80 ? 0 : (c >= 0xC2 && c <= 0xDF) ? 1 : (c >= 0xE0 && c <= 0xEF) ? 2
                         : (c >= 0xF0 && c <= 0xF4) ? 3 : 4;
        if (more == 4 || i + more > text.size()) return false;
        for (; more > 0; --more)
            if ((static_cast<unsigned char>(text[i++]) & 0xC0) != 0x80) return false;
        sequence = sequence || c >= 0x80;
    }
    return sequence;
}

// "Neither program reads ...", with the name the author likely meant where there is one.
void SayUnread(Finding* finding, const char* what, const char* nearest, const char* before, const char* after) {
    Say(finding->message, "Neither program reads ", what);
    if (nearest)
        SayMore(finding->message, "; did you mean ", before, nearest, after, "?");
    else
        SayMore(finding->message, ".");
}

}  // namespace

std::size_t FileOutline::LineOf(const char* section, const char* key) const {
    for (std::size_t i = 0; i < entryCount_; ++i)
        if (SameName(entries_[i].section.Get(), section) && SameName(entries_[i].key.Get(), key))
            return entries_[i].line;
    return 0;
}

// The walk through a file's lines: each heading and key line in turn. Each
// section's heading is kept as an entry without a key.
struct FileOutline::Walk {
    FileOutline& outline;
    const KnownSection* known;
    std::size_t knownCount;
    CheckedFile file;
    Findings& findings;
    bool utf16;                             // by its mark: its texts are no code page's
    bool utf8Mark;                          // the file starts with one,
    FixedText<64> hiddenSection = {};       // and on Windows it turns this read section's heading into no heading
    const KnownSection* section = nullptr;  // the section the lines stand in, when known
    bool firstOfItsName = false;            // the first section of its name
    FixedText<64> sectionName = {};

    void Add(const char* sectionOf, const char* key, std::size_t line) {
        if (outline.entryCount_ < kMostEntries)
            outline.entries_[outline.entryCount_++] = {FixedText<64>(sectionOf), FixedText<64>(key), line};
    }

    void Heading(const profile_text::OutlineLine& line) {
        SetName(sectionName, line.name);
        section = nullptr;
        for (std::size_t i = 0; i < knownCount; ++i)
            if (SameName(line.name, known[i].name)) section = &known[i];
        // Outlined as Windows reads it: its keys stand before any heading, and
        // a later heading of its name is the first.
        if (line.number == 1 && utf8Mark && section) {
            hiddenSection.Set(sectionName);
            section = nullptr;
            return;
        }
        std::size_t first = outline.LineOf(sectionName.Get(), "");
        firstOfItsName = first == 0;
        if (!firstOfItsName) {
            Say(findings.Add(Code::DuplicateSection, file, sectionName.Get(), "", line.number)->message,
                "The section stands again; the programs read only the first, at line ", Count{first}, ".");
            return;
        }
        Add(sectionName.Get(), "", line.number);
        if (section) return;
        const char* nearest = Nearest<KnownSection>(sectionName.Get(), known, knownCount,
                                                    [](const KnownSection& k) { return k.name; });
        SayUnread(findings.Add(nearest ? Code::MisspeltSection : Code::UnknownSection, file, sectionName.Get(), "",
                               line.number),
                  "a section of this name", nearest, "[", "]");
    }

    // Lines before any heading, in an unread section, or in a later section
    // of a name already seen are read by no program; comments are the
    // author's own.
    void KeyLine(const profile_text::OutlineLine& line) {
        if (line.comment || !section || !firstOfItsName) return;
        FixedText<64> key;
        SetName(key, line.name);
        if (std::size_t first = outline.LineOf(section->name, key.Get())) {
            Say(findings.Add(Code::DuplicateKey, file, section->name, key.Get(), line.number)->message,
                "The key stands again in its section; the programs read only the first, at line ", Count{first}, ".");
            return;
        }
        Add(section->name, key.Get(), line.number);
        bool read = false;
        for (std::size_t i = 0; i < section->keyCount; ++i) read = read || SameName(line.name, section->keys[i]);
        if (read && !line.hasValue)
            Say(findings.Add(Code::LineWithoutEquals, file, section->name, key.Get(), line.number)->message,
                "The line has no '=': the programs read the key's default.");
        if (read && !utf16 && IsUtf8Text(line.value)) {
            FixedText<256> value;
            value.Append(line.value.data(), line.value.size());
            Say(findings.Add(Code::Utf8Text, file, section->name, key.Get(), line.number)->message,
                "The value is UTF-8 text: a player on code page ", Count{platform::AnsiCodePage()}, " reads ",
                Quoted(value), ".");
        }
        if (read) return;
        const char* nearest = Nearest<const char*>(key.Get(), section->keys, section->keyCount,
                                                   [](const char* const& k) { return k; });
        SayUnread(findings.Add(Code::UnknownKey, file, section->name, key.Get(), line.number), "this key", nearest, "",
                  "");
    }

    // Windows' profile functions know no UTF-8 mark (Wine's skip it): on
    // Windows it belongs to the first line, which is no heading then.
    void ReportUtf8Mark() {
        const char* name = hiddenSection.Get();
        if (std::size_t again = outline.LineOf(name, "")) {
            Say(findings.Add(Code::Utf8Mark, file, name, "", 1)->message,
                "The file starts with a UTF-8 mark: Windows reads it as part of the first line, so [", name,
                "] is no heading there and the programs lose the keys below it, reading the section that stands "
                "again at line ", Count{again}, " (Wine skips the mark and reads the first).");
            return;
        }
        if (!hiddenSection.IsEmpty()) {
            Say(findings.Add(Code::Utf8Mark, file, name, "", 1)->message,
                "The file starts with a UTF-8 mark: Windows reads it as part of the first line, so [", name,
                "] is no heading there and the programs lose that whole section (Wine skips the mark).");
            return;
        }
        Say(findings.Add(Code::Utf8Mark, file, "", "", 1, Level::Note)->message,
            "The file starts with a UTF-8 mark: Windows reads it as part of the first line, which no program reads, "
            "so nothing is lost.");
    }
};

void FileOutline::Check(const char* path, const KnownSection* known, std::size_t knownCount, CheckedFile file,
                        Findings& findings) {
    Clear();
    std::size_t size = 0;
    if (!check_platform::ReadFileBytes(path, fileBytes, kMostBytes, size)) return;
    std::string_view bytes(fileBytes, size < kMostBytes ? size : kMostBytes);
    if (size > kMostBytes)
        Say(findings.Add(Code::FileTooLarge, file)->message, "The file is larger than 2 MiB; its first 2 MiB were checked.");
    std::string_view text = bytes;
    profile_text::Encoding encoding = profile_text::EncodingOf(bytes);
    bool utf16 = encoding != profile_text::Encoding::Bytes;
    if (utf16) text = std::string_view(fileText, profile_text::NarrowUtf16(bytes, encoding, fileText));
    bool utf8Mark = !utf16 && bytes.substr(0, 3) == "\xEF\xBB\xBF";
    Walk walk{*this, known, knownCount, file, findings, utf16, utf8Mark};
    profile_text::ForEachLine(
        text,
        [](const profile_text::OutlineLine& line, void* context) {
            Walk& w = *static_cast<Walk*>(context);
            line.heading ? w.Heading(line) : w.KeyLine(line);
        },
        &walk);
    if (walk.utf8Mark) walk.ReportUtf8Mark();
}
