// A catalogue made into a language file: read as gettext reads it, each
// translation converted to the players' code page and written as its key,
// whole or not at all, and never over a file that is no language file.
#include <cstdio>
#include <cstring>
#include <string_view>

#include "../../config/ProfileText.h"
#include "../../editor/DialogTexts.h"
#include "Catalogue.h"
#include "CatalogueReader.h"
#include "../check/CheckPlatform.h"
#include "FileKinds.h"
#include "../check/Message.h"

namespace Catalogue {
namespace {

using check_platform::Conversion;

// A catalogue's text on the console: its control characters escaped, so that
// no escape sequence of someone else's file reaches the terminal.
void PrintEscaped(const char* text) {
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
        if (*c == '\t')
            std::fputs("\\t", stdout);
        else if (*c == '\n')
            std::fputs("\\n", stdout);
        else if (*c < 0x20 || *c == 0x7F)
            std::printf("\\x%02X", *c);
        else
            std::putchar(*c);
    }
}

// The first control character of a text, a tab aside (Tunewick's texts
// hold no other); 0 for none.
unsigned char ControlCharacterIn(const char* text) {
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c)
        if ((*c < 0x20 && *c != '\t') || *c == 0x7F) return *c;
    return 0;
}

// A value that would not read back as it stands is written inside quotes,
// which the profile functions strip, by their own rule.
void AppendValue(Text& out, const Text& value) {
    bool quote = profile_text::ReadsBackOnlyQuoted(std::string_view(value.Get(), value.Length()));
    if (quote) out.Append("\"");
    out.Append(value);
    if (quote) out.Append("\"");
}

int Refuse(const char* catalogue, std::size_t line, const char* why) {
    if (line)
        std::fprintf(stderr, "Wickcheck: %s, line %zu: %s: nothing written\n", catalogue, line, why);
    else
        std::fprintf(stderr, "Wickcheck: %s %s: nothing written\n", catalogue, why);
    return 2;
}

// Reads the catalogue into reader: 0, or the exit status of a refusal, said.
int ReadCatalogue(const char* catalogue, CatalogueReader& reader) {
    static char bytes[1024 * 1024 + 1];
    std::size_t size = 0;
    if (!check_platform::ReadFileBytes(catalogue, bytes, sizeof bytes - 1, size) || size >= sizeof bytes) {
        std::fprintf(stderr, "Wickcheck: %s cannot be read, or is over 1 MiB: nothing written\n", catalogue);
        return 2;
    }
    bytes[size] = '\0';
    std::size_t line = 0;
    if (const char* why = NotACatalogue(bytes, size, line)) return Refuse(catalogue, line, why);
    if (std::strncmp(bytes, "\xEF\xBB\xBF", 3) == 0)
        return Refuse(catalogue, 1, "the file starts with a UTF-8 mark, which gettext's msgfmt refuses: save it as "
                                    "UTF-8 without the mark");
    if (!reader.Read(bytes)) return Refuse(catalogue, reader.line, reader.why);
    if (!reader.ids) return Refuse(catalogue, 0, "has no msgid line: it is no gettext catalogue");
    if (reader.total > CatalogueReader::kMost)
        return Refuse(catalogue, 0, "has more entries than Wickcheck reads (64): it is no catalogue of Tunewick's texts");
    for (std::size_t i = 0; i < kEntryCount; ++i)
        if (reader.Find(ContextOf(EntryAt(i)).Get())) return 0;
    return Refuse(catalogue, 0,
                  "has no entry for any of Tunewick's texts (contexts such as \"TextB/OK\"): write one with "
                  "Wickcheck --po-template");
}

// Why a translation cannot go into the language file; null where it can.
const char* Unusable(const ReadEntry& read, Conversion result, unsigned char& control) {
    control = ControlCharacterIn(read.translation.Get());
    if (read.cut) return "is too long: over 1023 bytes";
    if (control == '\n' || control == '\r') return "breaks a line, which no text of Tunewick's can";
    if (control) return "holds a control character, which no text of Tunewick's can:";
    switch (result) {
        case Conversion::NotInCodePage: return "holds a character that code page";
        case Conversion::TooLong: return "is too long: over 99 bytes in code page";
        case Conversion::NotText: return "is no UTF-8 text";
        case Conversion::Refused: return "could not be converted to code page";
        case Conversion::Done: return nullptr;
    }
    return nullptr;
}

// 0 where what stands at the language file's name (if anything) may be
// replaced by one; else the exit status, said.
int CheckTarget(const char* languageFile) {
    static char bytes[1024 * 1024 + 1];
    std::size_t size = 0;
    if (!check_platform::ReadFileBytes(languageFile, bytes, sizeof bytes - 1, size)) return 0;
    bool whole = size < sizeof bytes;
    bytes[whole ? size : 0] = '\0';
    const char* why = whole ? NotALanguageFile(bytes, size) : "is over 1 MiB, which no language file is";
    if (!why) return 0;
    std::fprintf(stderr,
                 "Wickcheck: %s %s: nothing written over it (the catalogue comes first, then the language file "
                 "to write)\n",
                 languageFile, why);
    return 2;
}

}  // namespace

FixedText<128> ContextOf(const Entry& entry) {
    FixedText<128> context(entry.section);
    context.Append("/");
    context.Append(entry.key);
    return context;
}

int MakeLanguageFile(const char* catalogue, const char* languageFile, unsigned codePage) {
    if (!check_platform::ConvertsToCodePage(codePage)) {
        std::fprintf(stderr,
                     "Wickcheck: this build cannot write code page %u (the native build writes only 1252, the "
                     "Windows one any code page Windows has)\n",
                     codePage);
        return 4;
    }
    static CatalogueReader reader;
    reader.Clear();
    check_platform::ShowUtf8OnConsole();
    if (int refused = ReadCatalogue(catalogue, reader)) return refused;
    static FixedText<16 * 1024> out;
    out.Set("; Texts of Tunewick's dialog, made from a translators' catalogue by Wickcheck --from-po.\r\n"
            "; A single & marks the next letter as the keyboard shortcut; && shows one &.\r\n");
    const char* section = "";
    std::size_t errors = 0;
    std::size_t written = 0;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const Entry& entry = EntryAt(i);
        const ReadEntry* read = reader.Find(ContextOf(entry).Get());
        if (!read || read->translation.IsEmpty() || read->fuzzy) {
            std::printf("note: [%s] %s: not translated%s: Tunewick shows its English \"%s\"\n", entry.section,
                        entry.key, read && read->fuzzy ? " (fuzzy)" : "", entry.english);
            continue;
        }
        LanguageText value;
        check_platform::Unconvertible bad;
        Conversion result = check_platform::Utf8ToCodePage(read->translation.Get(), codePage, value, bad);
        unsigned char control = 0;
        if (const char* why = Unusable(*read, result, control)) {
            ++errors;
            std::printf("error: [%s] %s: \"", entry.section, entry.key);
            PrintEscaped(read->translation.Get());
            std::printf("\" %s", why);
            if (control && control != '\n' && control != '\r')
                std::printf(" \\x%02X", control);
            else if (!read->cut && result != Conversion::NotText && result != Conversion::Done)
                std::printf(" %u", codePage);
            if (!control && !read->cut && result == Conversion::NotInCodePage)
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
    if (int refused = CheckTarget(languageFile)) return refused;
    if (!check_platform::WriteFileWhole(languageFile, out.Get(), out.Length())) {
        std::fprintf(stderr,
                     "Wickcheck: %s could not be written (or %s.part stands beside it, left by another write: "
                     "remove it): nothing changed there\n",
                     languageFile, languageFile);
        return 2;
    }
    std::printf("Wrote %s: %zu of %zu texts, in code page %u.\n", languageFile, written, kEntryCount, codePage);
    return 0;
}

}  // namespace Catalogue
