#pragma once
// Game folders with the ordinary mistakes of authors, made from a seed:
// keys missing, empty, just fitting and past their capacity, quoted, flags
// in lower case, paths to a folder, a file or nothing, save folders that
// exist or not, icons and pictures present or not, every edition, stored
// values valid and unknown, misspelt language keys, doubled sections and
// keys, comments, every line end, a byte-order mark.
#include <map>
#include <string>
#include <vector>

#include "GameFolder.h"

// A mistake planted in the settings file, and the finding it must give.
struct PlantedMistake {
    std::string code;
    std::string section;
    std::string key;  // empty for a section's own
    std::size_t line;
};

// What went into a settings file the programs take: the mistakes planted,
// and the value each key was first written with, by its name (a key left
// out, or without '=', is absent).
struct Planted {
    std::vector<PlantedMistake> mistakes;
    std::map<std::string, std::string> values;
};

// Lays out the folder; program is copied in as the game's program,
// game.exe. Returns the settings file's text, for a trace; planted, where
// given, gets what went into a settings file the programs take.
std::string MakeGeneratedFolder(const GameFolder& game, unsigned seed, const std::string& program,
                                Planted* planted = nullptr);
