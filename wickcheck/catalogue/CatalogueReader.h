#pragma once
// A gettext catalogue read as gettext's own tools (msgfmt, msgcat) read it,
// or refused with the line that stops it: keywords after blanks, strings
// continued on the lines below, every escape gettext writes, flag lines in
// any number, obsolete (#~) entries passed over, plural entries by their
// first form, a header of any length. Only entries with a context are kept:
// Tunewick's texts each have one, "Section/Key".
#include <cstddef>

#include "../../config/FixedText.h"

namespace Catalogue {

struct ReadEntry {
    FixedText<128> context;
    FixedText<1024> translation;
    bool cut = false;    // the translation was longer than its room holds
    bool fuzzy = false;
    std::size_t line = 0;  // where the entry starts
};

class CatalogueReader {
public:
    static constexpr std::size_t kMost = 64;
    ReadEntry entries[kMost];
    std::size_t count = 0;  // entries kept, at most kMost
    std::size_t total = 0;  // entries with a context, kept or not
    std::size_t ids = 0;    // msgid keywords, the header's included

    // Reads the text (lines ended by NextLine; it is changed). False where
    // gettext would refuse it, or this reader cannot hold what it says:
    // why and line tell then.
    bool Read(char* text);
    // Made once, cleared for each catalogue.
    void Clear();
    const char* why = nullptr;
    std::size_t line = 0;

    // The entry of this context; null for none.
    const ReadEntry* Find(const char* context) const;

private:
    enum class Field { None, Context, Id, Plural, Translation, OtherForm };
    bool Keyword(const char* word, const char* rest);
    bool String(const char* rest);
    bool Finish();
    bool Fail(const char* reason);
    void NoteObsolete(const char* rest);

    ReadEntry current_;
    Field field_ = Field::None;
    bool started_ = false;
    bool hasContext_ = false, hasId_ = false, hasTranslation_ = false;
    bool idEmpty_ = true;
    bool fuzzyNext_ = false;
    bool fuzzyLost_ = false;
    struct Obsolete {
        FixedText<128> text;
        std::size_t line = 0;
    };
    Obsolete obsolete_[64];  // the contexts of obsolete entries, so many at most
    std::size_t obsoleteCount_ = 0;
    FixedText<64 * 1024> header_;
};

}  // namespace Catalogue
