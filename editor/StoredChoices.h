#pragma once
// The player's choices as the game settings file keeps them: engine options
// in [Tunewick], read with their capacities and the editor's fallback "".
#include "../config/GameSettingsFile.h"

struct StoredChoices {
    // Each key's value, in its place in kTunewickOptions.
    FixedText<LongestTunewickOption()> values[kTunewickOptionCount];

    void Read(const char* settingsFile);

    // The stored value of one of the seven keys; an empty text for any other.
    const Text& Value(Setting setting) const;
    Text& Value(Setting setting);

private:
    FixedText<1> none_;
};

// One write into [Tunewick]: key and value are texts of the program.
struct TunewickWrite {
    Setting setting;
    const char* key;  // as written: the key's name, or kWindowedKeyWhenSet
    const char* value;
};

struct TunewickWrites {
    static constexpr int kMost = static_cast<int>(kTunewickOptionCount);  // one write a key at most
    TunewickWrite items[kMost];
    int count = 0;

    void Add(Setting setting, const char* value, const char* key = nullptr) {
        items[count++] = TunewickWrite{setting, key ? key : KeyOf(setting).name, value};
    }
    // Performs the writes in order; false at the first that fails.
    bool WriteTo(const char* settingsFile) const;
};

// The engine options the editor stores; an empty text is the engine's default.
inline constexpr const char* kAdapterOptions[] = {"", "-crd 1", "-crd 2"};
inline constexpr char kNormalDetailOption[] = "-w3d";
inline constexpr char kSoftwareOption[] = "-n3d";
inline constexpr char kWindowedOption[] = "-wnd";
inline constexpr char kNoJoypadOption[] = "-nj";
inline constexpr char kNoMouseOption[] = "-nm";
// Windowed mode is cleared under "Win" and set under "win": the same key to
// the profile functions, which keep the spelling already in the file.
inline constexpr char kWindowedKeyWhenSet[] = "win";
