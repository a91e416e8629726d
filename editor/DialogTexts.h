#pragma once
// Every text Tunewick shows but the resolution labels and the game title,
// from the language file System/*.lng, or the English default of each key
// that the file lacks. Every key is read with capacity 100.
#include <cstddef>

#include "../config/FixedText.h"
#include "resource.h"

inline constexpr std::size_t kLanguageTextCapacity = 100;
inline constexpr std::size_t kCaptionCapacity = 200;
inline constexpr char kLanguageFilePattern[] = "System/*.lng";

using LanguageText = FixedText<kLanguageTextCapacity>;

struct LabelKey {
    const char* name;  // in [TextB]
    const char* fallback;
    int controlId;
};

// In the order they are read and applied. "HadwareAcceleration" is the
// key's spelling in the files games ship.
// clang-format off
inline constexpr LabelKey kLabels[] = {
    {"Graphics",            "Graphics",                   IDC_GRAPHICS_FRAME},
    {"GraphicsAdapter",     "Graphics Adapter",           IDC_ADAPTER_LABEL},
    {"HadwareAcceleration", "Hardware Acceleration",      IDC_ACCELERATION_LABEL},
    {"Resolution",          "Resolution",                 IDC_RESOLUTION_LABEL},
    {"ColourDepth",         "Colour Depth",               IDC_COLOUR_DEPTH_LABEL},
    {"HardMode",            "Hardware Acceleration",      IDC_HARDWARE},
    {"SoftMode",            "Software Emulation (8 Bit)", IDC_SOFTWARE},
    {"WindowMode",          "Windowed Mode",              IDC_WINDOWED},
    {"GraphicsDetail",      "Graphics Detail",            IDC_DETAIL_LABEL},
    {"ControlOptions",      "Control Options",            IDC_CONTROLS_FRAME},
    {"DisableJoy",          "Disable Joypad",             IDC_DISABLE_JOYPAD},
    {"DisableMouse",        "Disable Mouse",              IDC_DISABLE_MOUSE},
    {"OK",                  "Save && Exit",               1},
    {"Cancel",              "Cancel",                     2},
};
// clang-format on

// The item texts of the lists.
struct ListTexts {
    LanguageText primary;
    LanguageText secondary1;
    LanguageText secondary2;
    LanguageText advancedDetail;
    LanguageText normalDetail;
    LanguageText direct3D;
    LanguageText softEmulation;
    LanguageText depth16;
    LanguageText depth32;
};

// The keys of the lists' item texts, in the order they are read.
struct ListTextKey {
    const char* section;
    const char* name;
    const char* fallback;
    LanguageText ListTexts::*text;
    int controlId;  // the list that shows it
};

// clang-format off
inline constexpr ListTextKey kListTextKeys[] = {
    {"Dropdown",     "Primary",        "Primary Display Driver",                                        &ListTexts::primary, IDC_ADAPTER},
    {"Dropdown",     "Secondary1",     "Secondary Display Accelerator 1",                               &ListTexts::secondary1, IDC_ADAPTER},
    {"Dropdown",     "Secondary2",     "Secondary Display Accelerator 2",                               &ListTexts::secondary2, IDC_ADAPTER},
    {"Dropdown",     "AdvancedDetail", "Advanced (newer cards only)",                                   &ListTexts::advancedDetail, IDC_DETAIL},
    {"Dropdown",     "NormalDetail",   "Normal (recommended for older cards)",                          &ListTexts::normalDetail, IDC_DETAIL},
    {"Dropdown",     "Direct3D",       "Microsoft Direct3D Hardware acceleration through Direct3D HAL", &ListTexts::direct3D, IDC_ACCELERATION},
    {"Dropdown",     "SoftEmulation",  "Velmora Software Emulation",                                    &ListTexts::softEmulation, IDC_ACCELERATION},
    {"ResolutionsB", "16Bit",          "16 Bit Colour",                                                 &ListTexts::depth16, IDC_COLOUR_DEPTH},
    {"ResolutionsB", "32Bit",          "32 Bit Colour",                                                 &ListTexts::depth32, IDC_COLOUR_DEPTH},
};
// clang-format on

// The caption's parts around the game title, in [Titlebar].
inline constexpr char kCaptionSection[] = "Titlebar";
inline constexpr const char* kCaptionKeys[] = {"PreTitle", "PostTitle"};
inline constexpr char kLabelSection[] = "TextB";

// Receives each label as soon as it is read.
class LabelTarget {
public:
    virtual void SetLabel(int controlId, const Text& text) = 0;

protected:
    ~LabelTarget() = default;
};

namespace DialogTexts {

// One text of the language file, as every text is read.
void ReadText(const char* section, const char* key, const char* fallback, Text& out, const char* languageFile);

void ReadLabels(const char* languageFile, LabelTarget& target);

// [Dropdown] Primary, Secondary1, Secondary2, AdvancedDetail, NormalDetail,
// Direct3D, SoftEmulation, then [ResolutionsB] 16Bit and 32Bit.
void ReadListTexts(const char* languageFile, ListTexts& texts);

// PreTitle, a blank, the game title, a blank, PostTitle: each blank only
// beside a non-empty part. A caption too long is cut: it is only shown.
void ComposeCaption(const char* languageFile, const Text& gameTitle, FixedText<kCaptionCapacity>& caption);

}  // namespace DialogTexts
