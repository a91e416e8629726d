#pragma once
// The game's processes, as the watch knows them: the process Runwick's
// start gave and every process started from it, and from those, each from
// its first instruction. Wickcheck joins a job object of its own before the
// start, and every process it starts, and every process those start, is in
// that job; the game is the job less Wickcheck. A process id may be used
// again as soon as its process has ended, so a process is opened once, when
// first seen, only if the opened handle is in the job, and kept by that
// handle: it is asked and ended through it alone, never by an id again.
// Whatever ends Wickcheck (the console closed, Task Manager) ends the job's
// processes with it: the job's handle is kept for Wickcheck's life, and the
// job ends its processes when that handle closes.
#include <windows.h>

#include <cstddef>

#include "../../../config/FixedText.h"
#include "../../../config/Platform.h"  // kMaxPath
#include "../Watch.h"

namespace Watch {

class GameProcesses {
public:
    GameProcesses();
    ~GameProcesses();
    GameProcesses(const GameProcesses&) = delete;
    GameProcesses& operator=(const GameProcesses&) = delete;

    // Right after the start, with the process it gave (none: null). A
    // process that is not in the job and cannot be put there (an elevated
    // GameExe, started by Windows' own service; Windows 7, where a job holds
    // no job) is watched and ended by its own handle, and said so in the
    // timeline: the processes it starts are not seen.
    void Started(HANDLE process, Timeline& timeline, unsigned long long now);

    // Adds to the timeline the processes started, and those ended, since it
    // last looked.
    void Look(Timeline& timeline, unsigned long long now);

    // Whether the process is, or was, one of the game's.
    bool IsGames(DWORD processId);

    // Whether any process of the game still runs.
    bool Running();

    // Ends every process of the game, and only those, and waits for their
    // ends, for graceMilliseconds at most; ended counts those that ended so.
    // False where one did not end.
    // Processes it finds meanwhile join the timeline at now.
    bool EndAll(unsigned& ended, unsigned graceMilliseconds, Timeline& timeline, unsigned long long now);

    // The program file of a process, or empty where it cannot be asked.
    static void ProgramOf(DWORD processId, Text& program);

private:
    struct Member {
        HANDLE handle = nullptr;
        DWORD id = 0;
        FixedText<kMaxPath> program;
        bool ended = false;
        bool endedByWickcheck = false;
        bool outsideJob = false;  // watched by its handle alone
    };
    // The running member of that id (an ended one's id may be another's now).
    Member* Find(DWORD processId);
    Member* Add(HANDLE handle, DWORD processId);
    bool InJob(HANDLE process) const;
    // Opens the process of an id the job listed just now; null where it is
    // no longer the job's (it ended, and the id went to another).
    HANDLE OpenInJob(DWORD processId, DWORD access) const;
    // The job's processes now, Wickcheck aside; how many.
    std::size_t RunningIds(DWORD* ids, std::size_t capacity);

    static constexpr std::size_t kMost = 32;  // past it, a process is ended with the rest but not named
    HANDLE job_ = nullptr;
    bool joined_ = false;  // Wickcheck is in the job: the game's processes are from their first instruction
    Member members_[kMost];
    std::size_t count_ = 0;
};

}  // namespace Watch
