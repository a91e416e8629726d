#include "CatalogueReader.h"

#include <cstring>
#include <iterator>

#include "FileKinds.h"

namespace Catalogue {
namespace {

const char* SkipBlanks(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    return text;
}

int HexDigit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// What a backslash and this letter stand for in a catalogue's string; 0
// for none (octal and hexadecimal escapes aside).
char EscapedCharacter(char letter) {
    switch (letter) {
        case 'n': return '\n';
        case 't': return '\t';
        case 'b': return '\b';
        case 'r': return '\r';
        case 'f': return '\f';
        case 'v': return '\v';
        case 'a': return '\a';
        case '\\': return '\\';
        case '"': return '"';
        default: return 0;
    }
}

// Whether a "#," line names the flag fuzzy among its flags.
bool FlagsSayFuzzy(const char* flags) {
    for (const char* word = flags; *word;) {
        word += std::strspn(word, ", \t");
        std::size_t length = std::strcspn(word, ", \t");
        if (length == 5 && std::strncmp(word, "fuzzy", 5) == 0) return true;
        word += length;
    }
    return false;
}

// The charset a header names, compared as gettext compares it: UTF-8 in
// any letter case. A header without one is taken as UTF-8.
bool HeaderIsUtf8(const char* header) {
    const char* charset = std::strstr(header, "charset=");
    if (!charset) return true;
    charset += 8;
    std::size_t length = std::strcspn(charset, " \t\r\n;");
    const char* utf8 = "utf-8";
    if (length != 5) return false;
    for (std::size_t i = 0; i < 5; ++i)
        if ((charset[i] >= 'A' && charset[i] <= 'Z' ? charset[i] + 32 : charset[i]) != utf8[i]) return false;
    return true;
}

}  // namespace

void CatalogueReader::Clear() {
    count = total = ids = line = 0;
    why = nullptr;
    field_ = Field::None;
    started_ = hasContext_ = hasId_ = hasTranslation_ = fuzzyNext_ = fuzzyLost_ = false;
    obsoleteCount_ = 0;
    idEmpty_ = true;
    header_.Clear();
}

bool CatalogueReader::Fail(const char* reason) {
    why = reason;
    return false;
}

bool CatalogueReader::Read(char* text) {
    obsoleteCount_ = 0;
    for (char* at = text; (text = NextLine(at));) {
        ++line;
        const char* t = SkipBlanks(text);
        if (t[0] == '#') {
            // A comment ends the strings of the entry before it. Of several flag
            // lines gettext's tools keep the last (0.21 does): a fuzzy mark that a
            // later line takes away is refused, not taken either way.
            field_ = Field::None;
            if (t[1] == ',') {
                bool fuzzy = FlagsSayFuzzy(t + 2);
                fuzzyLost_ = fuzzyLost_ || (fuzzyNext_ && !fuzzy);
                fuzzyNext_ = fuzzy;
            }
            if (t[1] == '~') {  // flags before it were its own
                fuzzyNext_ = fuzzyLost_ = false;
                NoteObsolete(SkipBlanks(t + 2));
            }
            continue;
        }
        if (!*t) continue;
        if (*t == '"') {
            if (field_ == Field::None) return Fail("a string stands where no keyword leads it");
            if (!String(t)) return false;
            continue;
        }
        std::size_t length = std::strcspn(t, " \t[\"");
        char word[16] = {};
        if (length >= sizeof word) return Fail("this is no line a catalogue has (a keyword, a string or a comment)");
        std::memcpy(word, t, length);
        if (!Keyword(word, t + length)) return false;
    }
    if (!Finish()) return false;
    // msgfmt refuses an obsolete (#~) entry that repeats an entry it reads.
    for (std::size_t i = 0; i < obsoleteCount_; ++i)
        if (Find(obsolete_[i].text.Get())) {
            line = obsolete_[i].line;
            return Fail("an obsolete (#~) entry of a context read as well: msgfmt refuses it as a second definition");
        }
    return true;
}

void CatalogueReader::NoteObsolete(const char* rest) {
    if (std::strncmp(rest, "msgctxt", 7) != 0 || obsoleteCount_ == std::size(obsolete_)) return;
    rest = SkipBlanks(rest + 7);
    if (*rest++ != '"') return;
    Obsolete& noted = obsolete_[obsoleteCount_++];
    noted.text.Clear();
    noted.text.Append(rest, std::strcspn(rest, "\""));
    noted.line = line;
}

bool CatalogueReader::Keyword(const char* word, const char* rest) {
    if (std::strcmp(word, "msgctxt") == 0 || (std::strcmp(word, "msgid") == 0 && !(hasContext_ && !hasId_))) {
        if (started_ && !Finish()) return false;
        started_ = true;
        current_ = ReadEntry{};
        current_.line = line;
        if (fuzzyLost_) return Fail("a flag line after \"#, fuzzy\" takes the mark away for gettext's tools: write "
                                    "the entry's flags on one line");
        current_.fuzzy = fuzzyNext_;
        fuzzyNext_ = false;
        hasContext_ = hasId_ = hasTranslation_ = false;
        idEmpty_ = true;
    }
    if (std::strcmp(word, "msgctxt") == 0) {
        hasContext_ = true;
        field_ = Field::Context;
    } else if (std::strcmp(word, "msgid") == 0) {
        hasId_ = true;
        ++ids;
        field_ = Field::Id;
    } else if (std::strcmp(word, "msgid_plural") == 0) {
        if (!hasId_ || hasTranslation_) return Fail("msgid_plural stands without its msgid");
        field_ = Field::Plural;
    } else if (std::strcmp(word, "msgstr") == 0) {
        // A plural entry's first form is its translation, as for one text.
        if (!hasId_ || (*rest != '[' && hasTranslation_)) return Fail("msgstr stands without its msgid, or twice");
        hasTranslation_ = true;
        field_ = Field::Translation;
        if (*rest == '[') {
            const char* index = rest + 1;
            std::size_t digits = std::strspn(index, "0123456789");
            if (!digits || index[digits] != ']') return Fail("msgstr[ is not followed by a number and ]");
            if (!(digits == 1 && index[0] == '0')) field_ = Field::OtherForm;
            rest = index + digits + 1;
        }
    } else {
        return Fail("this is no line a catalogue has (a keyword, a string or a comment)");
    }
    if (*rest != ' ' && *rest != '\t') return Fail("the keyword is not followed by a blank and a string");
    return String(SkipBlanks(rest));
}

// One quoted string, its escapes undone, appended to the field it continues.
bool CatalogueReader::String(const char* text) {
    if (*text != '"') return Fail("a string must follow the keyword, in double quotes");
    bool header = !hasContext_ && idEmpty_;
    Text* into = field_ == Field::Context       ? &current_.context
                 : field_ == Field::Translation ? (header ? static_cast<Text*>(&header_) : &current_.translation)
                                                : nullptr;
    for (++text; *text != '"'; ++text) {
        if (!*text) return Fail("the string has no closing quote");
        char c = *text;
        if (c == '\\') {
            char e = *++text;
            char plain = EscapedCharacter(e);
            if (plain) {
                c = plain;
            } else if (e >= '0' && e <= '7') {
                int value = 0;
                for (int n = 0; n < 3 && *text >= '0' && *text <= '7'; ++n) value = value * 8 + (*text++ - '0');
                --text;
                c = static_cast<char>(value);
            } else if (e == 'x' && HexDigit(text[1]) >= 0) {
                int value = 0;
                while (HexDigit(text[1]) >= 0) value = (value * 16 + HexDigit(*++text)) & 0xFF;
                c = static_cast<char>(value);
            } else {
                return Fail("the string holds an escape gettext does not know");
            }
            if (!c) return Fail("the string holds a NUL (\\0), which ends a text");
        }
        if (field_ == Field::Id) idEmpty_ = false;
        if (into && !into->Append(&c, 1)) {
            if (into == &header_) return Fail("the header is longer than Wickcheck reads (64 KiB)");
            if (into == &current_.context) return Fail("the context is longer than any of Tunewick's");
            current_.cut = true;
        }
    }
    if (*SkipBlanks(text + 1)) return Fail("something follows the string's closing quote");
    return true;
}

bool CatalogueReader::Finish() {
    if (!started_) return true;
    started_ = false;
    std::size_t at = line;
    line = current_.line;
    if (!hasId_) return Fail("msgctxt stands without a msgid after it");
    if (!hasTranslation_) return Fail("the entry has no msgstr");
    line = at;
    if (!hasContext_ && idEmpty_) {
        if (!HeaderIsUtf8(header_.Get())) return Fail("the header names a charset other than UTF-8, which Wickcheck reads");
        return true;
    }
    if (!hasContext_) return true;  // no text of Tunewick's: each has a context
    if (Find(current_.context.Get())) {
        line = current_.line;
        return Fail("a second entry of a context read before: which of the two would Tunewick show?");
    }
    ++total;
    if (count < kMost) entries[count++] = current_;
    return true;
}

const ReadEntry* CatalogueReader::Find(const char* context) const {
    for (std::size_t i = 0; i < count; ++i)
        if (entries[i].context.Equals(context)) return &entries[i];
    return nullptr;
}

}  // namespace Catalogue
