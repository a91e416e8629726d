#pragma once
// The display modes the engine offers, by edition. A mode is stored as the
// engine option "-d WIDTHxHEIGHTxDEPTH"; the list shows its label.
#include <cstddef>

#include "../config/FixedText.h"

struct Resolution {
    const char* label;
    const char* option16;  // 16 bits per pixel
    const char* option32;  // 32 bits per pixel
};

// clang-format off
inline constexpr Resolution kResolutions[] = {
    {"320 x 200",   "-d 320x200x16",   "-d 320x200x32"},
    {"320 x 240",   "-d 320x240x16",   "-d 320x240x32"},
    {"400 x 300",   "-d 400x300x16",   "-d 400x300x32"},
    {"512 x 384",   "-d 512x384x16",   "-d 512x384x32"},
    {"640 x 480",   "-d 640x480x16",   "-d 640x480x32"},
    {"800 x 600",   "-d 800x600x16",   "-d 800x600x32"},    // "Varo" and up
    {"1024 x 768",  "-d 1024x768x16",  "-d 1024x768x32"},   // "Tessi" and up
    {"1280 x 960",  "-d 1280x960x16",  "-d 1280x960x32"},   // "Maxor"
    {"1600 x 1200", "-d 1600x1200x16", "-d 1600x1200x32"},  // "Maxor"
};
// clang-format on

inline constexpr std::size_t kResolutionCount = sizeof kResolutions / sizeof kResolutions[0];
inline constexpr int kDefaultResolution = 4;  // "640 x 480"

enum ColourDepth { kDepth16 = 0, kDepth32 = 1 };

// The engine's editions, from the fewest modes to the most: how many
// resolutions, from the first, each offers, and whether it offers 32 bits.
struct Edition {
    const char* name;
    std::size_t resolutions;
    bool deepColour;
};

// clang-format off
inline constexpr Edition kEditions[] = {
    {"Plenn", 5, false},
    {"Varo",  6, false},
    {"Tessi", 7, false},
    {"Maxor", 9, true},
};
// clang-format on

// The edition QFV names, compared exactly; any other text is taken as the
// first, "Plenn". Null for such a text.
const Edition* EditionNamed(const Text& edition);

// How many resolutions, from the first, the engine edition offers.
std::size_t OfferedResolutions(const Text& edition);

// Only "Maxor" offers 32 bits per pixel.
bool OffersDeepColour(const Text& edition);
