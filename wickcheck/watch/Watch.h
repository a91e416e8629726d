#pragma once
// Wickcheck --watch: the game started as Runwick starts it, through
// Runwick's own command and supervisor, on a platform that passes each call
// on and records what happens: the start, the game's processes and windows,
// the window Runwick takes, the icon, each process's end. The game is the
// process Runwick starts and every process started from it, and from those.
// It shows no box and ends only the game's processes, once the time limit
// has passed (or Ctrl+C, Ctrl+Break or the console's close box ends the
// watch), within kGraceMilliseconds more.
#include <cstddef>

#include "../../config/FixedText.h"
#include "../../config/Platform.h"  // kMaxPath
#include "../check/GameFolderCheck.h"

namespace Watch {

enum class Event {
    Started,         // program: what Runwick started; the command's folder and parameters are the report's
    NotStarted,      // text: the words of Runwick's box
    ProcessStarted,  // a process started from the game's; program, process
    OutsideJob,      // the started process is outside Wickcheck's job: watched by its handle; program, process
    Window,          // a window of the game's shown, or its caption changed; text: its caption; program, process; found
    Matched,         // the window Runwick takes; text: its caption; program: its owner's; ownedByGame
    IconKept,        // Runwick's first icon message; text: what became of it
    RunwickEnds,     // Runwick is done while the game still runs
    LimitPassed,     // Wickcheck ended the game's processes; number: how many; text: where some would not end
    Interrupted,     // the same, as Ctrl+C, Ctrl+Break or the console's closing asked
    Ended,           // a process of the game ended; program, process; number: its exit code; endedByWickcheck
};

struct Happening {
    Event event;
    unsigned long long milliseconds;  // since the start
    FixedText<512> text;
    FixedText<kMaxPath> program;  // the program file of the process concerned
    unsigned long process = 0;    // its process id
    unsigned long number = 0;
    bool ownedByGame = false;
    bool endedByWickcheck = false;
    bool found = false;  // a Window that Runwick's search finds by its caption
};

struct Timeline {
    static constexpr std::size_t kMost = 96;  // past it, a happening is kept in spare and lost
    Happening items[kMost];
    std::size_t count = 0;
    Happening spare;
    unsigned long startedProcess = 0;  // the process Runwick's start gave, if any
    bool iconsTaken = false;           // the icon file gave Runwick an icon to send
    bool titleSeen = false;            // a window of the game's had the caption Runwick looks for
    bool gameEnded = false;            // every process of the game ended within the limit

    Happening& Add(Event event, unsigned long long milliseconds);
    bool Has(Event event) const;
    const Happening* Find(Event event) const;
    const Happening* Last(Event event) const;
    // The end of that process, if it ended.
    const Happening* EndOf(unsigned long process) const;
};

// How long past the limit the watch may take to end the game's processes.
inline constexpr unsigned kGraceMilliseconds = 5000;

// Whether this build can start the game: not the portable back end's.
bool Possible();

// The platform's part: runs Runwick's supervisor on the command, recording,
// then waits for the end of the game's last process, or the limit.
void Record(LaunchOutcome outcome, const LaunchCommand& command, unsigned limitSeconds, Timeline& timeline);

// Starts and watches the game of the current folder, once the check's other
// steps are done and Tunewick's dialog is gone: the timeline as facts of the
// report, and its findings.
void Run(GameFolderCheck::Check& check, unsigned limitSeconds);

// What a watch found, from what Runwick's command made of the folder and
// the timeline: the timeline's lines in the report, the icon's, and the
// findings. Asks the platform nothing.
void Judge(GameFolderCheck::Check& check, LaunchOutcome outcome, const LaunchCommand& command,
           const Timeline& timeline, unsigned limitSeconds);

}  // namespace Watch
