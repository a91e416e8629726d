#pragma once
// Runwick after its command is built: reports what keeps the game from
// starting, starts it, waits for its window and keeps the game's icon on it
// while the game runs. Every wait pauses, and ends at once with the game.
#include "../config/GameFolderName.h"
#include "LaunchCommand.h"
#include "LaunchPlatform.h"

inline constexpr char kNoExecutableMessage[] = "No Game Executable Defined in LXF File";
inline constexpr char kExecutableNotPresentMessage[] =
    "Game Executable Either Not Present or Defined Incorrectly in LXF File";
inline constexpr char kGamePathUnusableMessage[] = "Game Path Too Long or Defined Incorrectly in LXF File";
inline constexpr char kCouldNotStartMessage[] = "Game Executable Could Not Be Started: ";
inline constexpr std::size_t kCouldNotStartMessageCapacity = 1024;

// How often the window is looked for: found within 100 ms of appearing.
inline constexpr unsigned kWindowSearchInterval = 50;
// How often the icon is put on the window again, at most.
inline constexpr unsigned kIconInterval = 200;
// Without a process handle nothing says the game has ended: give up then.
inline constexpr unsigned kWindowSearchWithoutProcess = 60000;

inline constexpr unsigned long kErrorFileNotFound = 2;

namespace LaunchSupervisor {

// Whether Runwick keeps the icon on the game's window while the game runs:
// IC is "TRUE" and the icon file gave at least one icon. Otherwise it
// leaves as soon as the window is there.
inline bool KeepsIcon(const Text& iconFlag, bool iconTaken) {
    return IsFlagSet(iconFlag) && iconTaken;
}

// The box Runwick shows instead of starting the game; null when it starts it.
const char* RefusalMessage(LaunchOutcome outcome);

void Run(LaunchPlatform& platform, LaunchOutcome outcome, const LaunchCommand& command);

// Appends the platform's reason for a failed start with its inserts (%1,
// %2!s! and the like) filled with the program's path, so that the player
// reads which file could not be started.
void FillInserts(const char* reason, const char* program, Text& out);

}  // namespace LaunchSupervisor
