#pragma once
// The game's processes, as the watch knows them: the process Runwick's
// start gave and every process started from it, and from those, each from
// its first instruction. Wickcheck joins a job object of its own before the
// start, and every process it starts, and every process those start, is in
// that job; the game is the job less Wickcheck.
#include <windows.h>

#include <cstddef>

#include "../../config/FixedText.h"
#include "../../config/Platform.h"  // kMaxPath
#include "../Watch.h"

namespace Watch {

class GameProcesses {
public:
    GameProcesses();
    ~GameProcesses();
    GameProcesses(const GameProcesses&) = delete;
    GameProcesses& operator=(const GameProcesses&) = delete;

    // Right after the start, with the process it gave (none: null).
    void Started(HANDLE process);

    // Adds to the timeline the processes started, and those ended, since it
    // last looked.
    void Look(Timeline& timeline, unsigned long long now);

    // Whether the process is, or was, one of the game's.
    bool IsGames(DWORD processId);

    // Whether any process of the game still runs.
    bool Running();

    // Ends every process of the game, and only those, and waits for their
    // ends; ended counts those it ended. False where one did not end.
    bool EndAll(unsigned& ended);

    // The program file of a process, or empty where it cannot be asked.
    static void ProgramOf(DWORD processId, Text& program);

private:
    struct Member {
        HANDLE handle = nullptr;
        DWORD id = 0;
        FixedText<kMaxPath> program;
        bool ended = false;
        bool endedByWickcheck = false;
    };
    Member* Find(DWORD processId);
    Member* Add(HANDLE handle, DWORD processId);
    // The job's processes now, Wickcheck aside; how many.
    std::size_t RunningIds(DWORD* ids, std::size_t capacity);

    static constexpr std::size_t kMost = 32;  // past it, a process is ended with the rest but not named
    HANDLE job_ = nullptr;
    bool joined_ = false;  // Wickcheck is in the job: the game's processes are from their first instruction
    Member members_[kMost];
    std::size_t count_ = 0;
};

}  // namespace Watch
