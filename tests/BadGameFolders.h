#pragma once
// Game folders gone wrong, and what each program must make of them. Both
// the logic (natively and under Wine) and the real programs (under Wine)
// are tested on every one of them.
#include <map>
#include <string>
#include <vector>

#include "GameFolder.h"

struct BadGameFolder {
    std::string name;
    // Lays the folder out; gameExe is what GameExe names where it is readable.
    void (*make)(const GameFolder& game, const std::string& gameExe);
    // Runwick: the parameters the game gets, or, when empty, the message.
    std::string parameters;
    std::string message;
    // Tunewick: whether Save & Exit can write the settings file.
    bool saves;
    // Only where the platform honours read-only files (not Wine run by root).
    bool needsReadOnlyFiles = false;
};

const std::vector<BadGameFolder>& BadGameFolders();

// Every file below the game folder (but the stand-in's report and its part), byte for byte.
std::map<std::string, std::string> Snapshot(const GameFolder& game);

// False where this process may write a read-only file (Wine run by root);
// the portable back end takes the owner's permission for the attribute.
bool ReadOnlyFilesHonoured(const GameFolder& game);

extern const char kNotPresentMessage[];
