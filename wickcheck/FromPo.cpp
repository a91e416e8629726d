// A catalogue made into a language file: read as gettext writes it, each
// translation converted to the players' code page and written as its key,
// whole or not at all.
#include <cstdio>
#include <cstring>
#include <iterator>

#include "../editor/DialogTexts.h"
#include "Catalogue.h"
#include "CheckPlatform.h"
#include "FileKinds.h"
#include "Message.h"

namespace Catalogue {
namespace {

// One entry of the catalogue as read: its context and its translation.
struct Read {
    FixedText<128> context;
    FixedText<1024> translation;
    bool fuzzy = false;
};

enum class Field { None, Context, Id, Translation };

// The text of a quoted catalogue string, escapes undone, appended to out.
// False where it is no quoted string.
bool AppendUnquoted(const char* line, Text& out) {
    while (*line == ' ' || *line == '\t') ++line;
    if (*line++ != '"') return false;
    for (; *line && *line != '"'; ++line) {
        if (*line != '\\' || !line[1]) {
            out.Append(line, 1);
            continue;
        }
        ++line;
        const char* plain = *line == 'n' ? "\n" : *line == 't' ? "\t" : *line == 'r' ? "\r" : nullptr;
        if (plain)
            out.Append(plain);
        else
            out.Append(line, 1);
    }
    return *line == '"';
}

// Reads the catalogue's entries into read: each entry with a context, its
// translation. The header (no context) is skipped; a charset other than
// UTF-8 in it is refused.
class CatalogueReader {
public:
    Read entries[64];
    std::size_t count = 0;  // kept, at most the entries' room
    std::size_t total = 0;  // every entry read, the header aside
    std::size_t ids = 0;    // msgid lines, the header's included
    bool notUtf8 = false;

    // Made once, read anew for each catalogue.
    void Clear() {
        count = total = ids = 0;
        notUtf8 = false;
        current_ = nullptr;
        field_ = Field::None;
        fuzzyNext_ = false;
        header_.Clear();
    }

    void Line(const char* line) {
        if (std::strncmp(line, "#,", 2) == 0) {
            // Flags may stand on several lines, in any order.
            fuzzyNext_ = fuzzyNext_ || std::strstr(line, "fuzzy") != nullptr;
            return;
        }
        if (!*line || line[0] == '#') return;
        if (std::strncmp(line, "msgctxt ", 8) == 0) return Start(Field::Context, line + 8);
        if (std::strncmp(line, "msgid ", 6) == 0) return Start(Field::Id, line + 6);
        if (std::strncmp(line, "msgstr ", 7) == 0) return Start(Field::Translation, line + 7);
        if (line[0] == '"') Continue(line);
    }

private:
    void Start(Field field, const char* rest) {
        if (field == Field::Id) ++ids;
        if (field == Field::Context || (field == Field::Id && field_ != Field::Context)) {
            if (field == Field::Context) ++total;
            current_ = count < std::size(entries) ? &entries[count++] : &spare_;
            *current_ = Read{};
            current_->fuzzy = fuzzyNext_;
            fuzzyNext_ = false;
            header_.Clear();
        }
        field_ = field;
        Continue(rest);
    }

    void Continue(const char* line) {
        if (!current_) return;
        Text* into = nullptr;
        if (field_ == Field::Context) into = &current_->context;
        if (field_ == Field::Translation) into = &current_->translation;
        if (field_ == Field::Translation && current_->context.IsEmpty()) into = &header_;
        if (into) AppendUnquoted(line, *into);
        if (into == &header_ && std::strstr(header_.Get(), "charset=") &&
            !std::strstr(header_.Get(), "charset=UTF-8") && !std::strstr(header_.Get(), "charset=utf-8"))
            notUtf8 = true;
    }

    Read* current_ = nullptr;
    Read spare_;
    Field field_ = Field::None;
    bool fuzzyNext_ = false;
    FixedText<1024> header_;
};

const Read* Find(const CatalogueReader& reader, const Entry& entry) {
    FixedText<128> context(entry.section);
    context.Append("/");
    context.Append(entry.key);
    for (std::size_t i = 0; i < reader.count; ++i)
        if (reader.entries[i].context.Equals(context)) return &reader.entries[i];
    return nullptr;
}

// A value whose blanks at either end, or a pair of quotes around it, the
// profile functions would strip is written inside quotes, which they strip.
void AppendValue(Text& out, const Text& value) {
    const char* v = value.Get();
    std::size_t n = value.Length();
    bool quote = n && (v[0] == ' ' || v[0] == '\t' || v[n - 1] == ' ' || v[n - 1] == '\t' ||
                       (n > 1 && (v[0] == '"' || v[0] == '\'') && v[n - 1] == v[0]));
    if (quote) out.Append("\"");
    out.Append(value);
    if (quote) out.Append("\"");
}

int Refuse(const char* catalogue, std::size_t line, const char* why) {
    if (line)
        std::fprintf(stderr, "Wickcheck: %s, line %zu: the file %s: nothing written\n", catalogue, line, why);
    else
        std::fprintf(stderr, "Wickcheck: %s %s: nothing written\n", catalogue, why);
    return 2;
}

}  // namespace

int MakeLanguageFile(const char* catalogue, const char* languageFile, unsigned codePage) {
    if (!check_platform::ConvertsToCodePage(codePage)) {
        std::fprintf(stderr,
                     "Wickcheck: this build cannot write code page %u (the native build writes only 1252, the "
                     "Windows one any code page Windows has)\n",
                     codePage);
        return 4;
    }
    static char bytes[1024 * 1024 + 1];
    std::size_t size = 0;
    if (!check_platform::ReadFileBytes(catalogue, bytes, sizeof bytes - 1, size) || size >= sizeof bytes) {
        std::fprintf(stderr, "Wickcheck: %s cannot be read, or is over 1 MiB\n", catalogue);
        return 2;
    }
    bytes[size] = '\0';
    std::size_t line = 0;
    if (const char* why = NotACatalogue(bytes, size, line))
        return Refuse(catalogue, line, why);
    static CatalogueReader reader;
    reader.Clear();
    check_platform::ShowUtf8OnConsole();
    char* at = bytes + (std::strncmp(bytes, "\xEF\xBB\xBF", 3) == 0 ? 3 : 0);  // UTF-8's mark, as gettext skips it
    for (char* text; (text = NextLine(at));) reader.Line(text);
    if (!reader.ids) return Refuse(catalogue, 0, "has no msgid line: it is no gettext catalogue");
    if (reader.total > std::size(reader.entries))
        return Refuse(catalogue, 0, "has more entries than Wickcheck reads (64): it is no catalogue of Tunewick's texts");
    std::size_t known = 0;
    for (std::size_t i = 0; i < kEntryCount; ++i) known += Find(reader, EntryAt(i)) != nullptr;
    if (!known)
        return Refuse(catalogue, 0,
                      "has no entry for any of Tunewick's texts (contexts such as \"TextB/OK\"): write one with "
                      "Wickcheck --po-template");
    if (reader.notUtf8) {
        std::fprintf(stderr, "Wickcheck: %s is not in UTF-8 (its header names another charset): nothing written\n",
                     catalogue);
        return 2;
    }
    static FixedText<16 * 1024> out;
    out.Set("; Texts of Tunewick's dialog, made from a translators' catalogue by Wickcheck --from-po.\r\n"
            "; A single & marks the next letter as the keyboard shortcut; && shows one &.\r\n");
    const char* section = "";
    std::size_t errors = 0;
    std::size_t written = 0;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const Entry& entry = EntryAt(i);
        const Read* read = Find(reader, entry);
        if (!read || read->translation.IsEmpty() || read->fuzzy) {
            std::printf("note: [%s] %s: not translated%s: Tunewick shows its English \"%s\"\n", entry.section,
                        entry.key, read && read->fuzzy ? " (fuzzy)" : "", entry.english);
            continue;
        }
        LanguageText value;
        check_platform::Unconvertible bad;
        check_platform::Conversion result = check_platform::Utf8ToCodePage(read->translation.Get(), codePage, value, bad);
        const char* why = result == check_platform::Conversion::NotInCodePage ? "holds a character that code page"
                          : result == check_platform::Conversion::TooLong     ? "is over 99 characters in code page"
                          : result == check_platform::Conversion::NotText     ? "is no UTF-8 text, or breaks a line, for code page"
                                                                              : nullptr;
        if (why) {
            ++errors;
            std::printf("error: [%s] %s: \"%s\" %s %u", entry.section, entry.key, read->translation.Get(), why, codePage);
            if (result == check_platform::Conversion::NotInCodePage)
                std::printf(" cannot hold: \"%s\" (U+%04lX)", bad.utf8, bad.codePoint);
            std::printf("\n");
            continue;
        }
        if (std::strcmp(section, entry.section) != 0) {
            section = entry.section;
            SayMore(out, "\r\n[", section, "]\r\n");
        }
        SayMore(out, entry.key, "=");
        AppendValue(out, value);
        out.Append("\r\n");
        ++written;
    }
    if (errors) {
        std::printf("%zu error%s: nothing written to %s\n", errors, errors == 1 ? "" : "s", languageFile);
        return 2;
    }
    if (!written) {
        std::printf("%s translates none of Tunewick's texts: nothing written to %s\n", catalogue, languageFile);
        return 2;
    }
    // What stands at the language file's name is replaced only where it is one.
    size = 0;
    if (check_platform::ReadFileBytes(languageFile, bytes, sizeof bytes - 1, size)) {
        bool whole = size < sizeof bytes;
        bytes[whole ? size : 0] = '\0';
        if (const char* why = whole ? NotALanguageFile(bytes, size) : "is over 1 MiB, which no language file is") {
            std::fprintf(stderr,
                         "Wickcheck: %s %s: nothing written over it (the catalogue comes first, then the language "
                         "file to write)\n",
                         languageFile, why);
            return 2;
        }
    }
    if (!check_platform::WriteFileWhole(languageFile, out.Get(), out.Length())) {
        std::fprintf(stderr, "Wickcheck: %s could not be written: nothing changed there\n", languageFile);
        return 2;
    }
    std::printf("Wrote %s: %zu of %zu texts, in code page %u.\n", languageFile, written, kEntryCount, codePage);
    return 0;
}

}  // namespace Catalogue
