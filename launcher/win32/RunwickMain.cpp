// Runwick: starts the game of the folder it is started in. No window of its
// own, no arguments; it always exits with 0.
#include <windows.h>

#include "../LaunchCommand.h"
#include "../LaunchSupervisor.h"
#include "Win32LaunchPlatform.h"

// Kept for the life of the process, like every text the launcher reads.
static LaunchCommand command;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    LaunchOutcome outcome = command.Build();
    Win32LaunchPlatform platform;
    LaunchSupervisor::Run(platform, outcome, command);
    return 0;
}
