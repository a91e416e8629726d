#include "DialogTexts.h"

#include "../config/ProfileStore.h"

namespace DialogTexts {

void ReadText(const char* section, const char* key, const char* fallback, Text& out, const char* languageFile) {
    ProfileStore::ReadValue(section, key, fallback, kLanguageTextCapacity, out, languageFile);
}

void ReadLabels(const char* languageFile, LabelTarget& target) {
    for (const LabelKey& label : kLabels) {
        LanguageText text;
        ReadText(kLabelSection, label.name, label.fallback, text, languageFile);
        target.SetLabel(label.controlId, text);
    }
}

void ReadListTexts(const char* languageFile, ListTexts& texts) {
    for (const ListTextKey& key : kListTextKeys)
        ReadText(key.section, key.name, key.fallback, texts.*key.text, languageFile);
}

void ComposeCaption(const char* languageFile, const Text& gameTitle, FixedText<kCaptionCapacity>& caption) {
    LanguageText before;
    LanguageText after;
    ReadText(kCaptionSection, kCaptionKeys[0], "", before, languageFile);
    ReadText(kCaptionSection, kCaptionKeys[1], "", after, languageFile);
    caption.Set(before);
    if (!before.IsEmpty()) caption.Append(" ");
    caption.Append(gameTitle);
    if (!after.IsEmpty()) {
        caption.Append(" ");
        caption.Append(after);
    }
}

}  // namespace DialogTexts
