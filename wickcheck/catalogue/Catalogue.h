#pragma once
// Tunewick's texts for translators, as gettext catalogues: every text the
// language file gives, by its section and key (the entry's context), with
// its English text (the source), where it shows, its room and what marks
// an Alt letter; and back, a catalogue made into a language file in a code
// page. Built on the tables Tunewick reads its texts by.
#include <cstddef>

#include "../../config/FixedText.h"

namespace Catalogue {

// What kind of control shows a text, as far as a translator must know.
enum class Kind {
    Frame,     // a frame's caption: an Alt letter there leads elsewhere
    Label,     // a label above a list: an Alt letter there leads to the adapter list
    Choice,    // a radio button or check box: its Alt letter picks it
    Button,    // a push button: its Alt letter presses it
    ListItem,  // an item of a list: '&' shows as it stands
    Caption,   // a part of the window's caption
};

struct Entry {
    const char* section;
    const char* key;
    const char* english;  // Tunewick's own text, shown where the file lacks the key
    int controlId;        // 0: the caption
};

// The entries in the order of the sample language file: [Titlebar],
// [TextB], [Dropdown], [ResolutionsB].
inline constexpr std::size_t kEntryCount = 25;
const Entry& EntryAt(std::size_t index);

// The entry's context in a catalogue: "Section/Key".
FixedText<128> ContextOf(const Entry& entry);

// Of the control that shows a text (0: the caption).
Kind KindOf(int controlId);
// Where the text shows, for a translator: "the label above the resolution list".
const char* PlaceOf(int controlId);

// The letter a text marks for Alt; 0 for none. "&&" shows one '&' and
// marks nothing.
char MarkedLetter(const char* text);

// Writes a catalogue of every entry, in UTF-8: a template (.pot) with empty
// translations where languageFile is null, else (.po) the language file's
// texts as the translations. Each entry's comment says where the text shows
// and its room in Tunewick's dialog as it is laid out on this system (where
// a dialog can be made), which letters the other texts mark, and how the
// caption is composed. False, with a line on the standard error, where the
// file cannot be written.
bool WriteCatalogue(const char* file, const char* languageFile, const char* gameTitle);

// The catalogue of the game folder that is the current directory: its
// language file's texts as the translations where withTranslation, its
// title in the caption's comment. The exit status: 0 written, 4 not.
int WriteFolderCatalogue(const char* file, bool withTranslation);

// Makes a language file of a catalogue: every translated entry as its key,
// in the sample's sections and order, in the code page given. Untranslated
// (and fuzzy) entries are left out and listed as notes; a text the code
// page cannot hold, one over 99 characters or one with a line break is an
// error, and nothing is written. The file is written whole or not at all.
// The exit status: 0 written, 2 errors, 4 the code page is not one this
// build converts to.
int MakeLanguageFile(const char* catalogue, const char* languageFile, unsigned codePage);

}  // namespace Catalogue
