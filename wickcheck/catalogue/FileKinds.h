#pragma once
// What a file's bytes read as, before --from-po reads one as a catalogue or
// writes over one as a language file: the two are easily swapped on a
// command line, and either mistake would cost a translator's work.
#include <cstddef>

namespace Catalogue {

// Lines as gettext's tools and the profile functions end them: CR LF, LF
// or CR alone. Returns the line starting at *at and moves *at past its end;
// null at the end of the text. The text is changed: each end becomes '\0'.
char* NextLine(char*& at);

// Why these bytes (size of them, '\0' after them) cannot be a gettext
// catalogue read line by line, said as of the file: a byte-order mark of UTF-16 or UTF-32, a
// NUL byte, a section heading before any entry. Null where they may be
// one; line is the line that tells.
const char* NotACatalogue(const char* bytes, std::size_t size, std::size_t& line);

// Why an existing file of these bytes must not be replaced by a language
// file: it reads as a catalogue (a msgid line), or as no profile file at
// all (no section heading, or a NUL byte, outside a UTF-16 file). Null
// where it reads as a language file, or is empty.
const char* NotALanguageFile(const char* bytes, std::size_t size);

}  // namespace Catalogue
