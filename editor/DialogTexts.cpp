#include "DialogTexts.h"

#include "../config/ProfileStore.h"

namespace DialogTexts {

namespace {

void ReadText(const char* section, const char* key, const char* fallback, Text& out, const char* languageFile) {
    ProfileStore::ReadValue(section, key, fallback, kLanguageTextCapacity, out, languageFile);
}

}  // namespace

void ReadLabels(const char* languageFile, LabelTarget& target) {
    for (const LabelKey& label : kLabels) {
        LanguageText text;
        ReadText("TextB", label.name, label.fallback, text, languageFile);
        target.SetLabel(label.controlId, text);
    }
}

void ReadListTexts(const char* languageFile, ListTexts& texts) {
    const struct {
        const char* section;
        const char* key;
        const char* fallback;
        Text& text;
    } items[] = {
        {"Dropdown", "Primary", "Primary Display Driver", texts.primary},
        {"Dropdown", "Secondary1", "Secondary Display Accelerator 1", texts.secondary1},
        {"Dropdown", "Secondary2", "Secondary Display Accelerator 2", texts.secondary2},
        {"Dropdown", "AdvancedDetail", "Advanced (newer cards only)", texts.advancedDetail},
        {"Dropdown", "NormalDetail", "Normal (recommended for older cards)", texts.normalDetail},
        {"Dropdown", "Direct3D", "Microsoft Direct3D Hardware acceleration through Direct3D HAL", texts.direct3D},
        {"Dropdown", "SoftEmulation", "Velmora Software Emulation", texts.softEmulation},
        {"ResolutionsB", "16Bit", "16 Bit Colour", texts.depth16},
        {"ResolutionsB", "32Bit", "32 Bit Colour", texts.depth32},
    };
    for (const auto& item : items) ReadText(item.section, item.key, item.fallback, item.text, languageFile);
}

void ComposeCaption(const char* languageFile, const Text& gameTitle, FixedText<kCaptionCapacity>& caption) {
    LanguageText before;
    LanguageText after;
    ReadText("Titlebar", "PreTitle", "", before, languageFile);
    ReadText("Titlebar", "PostTitle", "", after, languageFile);
    caption.Set(before);
    if (!before.IsEmpty()) caption.Append(" ");
    caption.Append(gameTitle);
    if (!after.IsEmpty()) {
        caption.Append(" ");
        caption.Append(after);
    }
}

}  // namespace DialogTexts
