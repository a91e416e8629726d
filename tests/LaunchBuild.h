#pragma once
// Runwick's command built from a settings file written below the current
// directory, for the launch command's tests.
#include <filesystem>
#include <fstream>
#include <string>

#include "../launcher/LaunchCommand.h"
#include "GameFolder.h"

struct Launch {
    LaunchOutcome outcome;
    LaunchCommand command;
};

// Writes the settings file below the current directory and builds from it.
inline Launch Build(const GameFolder&, const std::string& settings) {
    std::filesystem::create_directories("System");
    std::ofstream("System/game.lxf", std::ios::binary) << settings;
    Launch launch{};
    launch.outcome = launch.command.Build();
    return launch;
}

inline std::string ShortForm(const std::string& path) {
    FixedText<kMaxPath> shortPath;
    platform::ShortPath(path.c_str(), shortPath);
    return shortPath.Get();
}
