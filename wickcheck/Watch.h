#pragma once
// Wickcheck --watch: the game started as Runwick starts it, through
// Runwick's own command and supervisor, on a platform that passes each call
// on and records what happens: the start, the game's windows, the window
// Runwick takes, the icon, the game's end. It shows no box and ends only the
// game it started, once the time limit has passed.
#include <cstddef>

#include "../config/FixedText.h"
#include "GameFolderCheck.h"

namespace Watch {

enum class Event {
    Started,      // text: the program; the command's folder and parameters are the report's
    NotStarted,   // text: the words of Runwick's box
    Window,       // a window of the game's shown, or its caption changed; text: its caption
    Matched,      // the window Runwick takes; text: its caption; ownedByGame
    IconKept,     // Runwick's first icon message; text: what became of it
    RunwickEnds,  // Runwick is done while the game still runs
    LimitPassed,  // Wickcheck ended the game
    Ended,        // number: the exit code; text: "ended by Wickcheck" where it was
};

struct Happening {
    Event event;
    unsigned long long milliseconds;  // since the start
    FixedText<512> text;
    unsigned long number = 0;
    bool ownedByGame = false;
};

struct Timeline {
    static constexpr std::size_t kMost = 48;  // past it, a happening is kept in spare and lost
    Happening items[kMost];
    std::size_t count = 0;
    Happening spare;

    Happening& Add(Event event, unsigned long long milliseconds);
    bool Has(Event event) const;
    const Happening* Find(Event event) const;
};

// Whether this build can start the game: not the portable back end's.
bool Possible();

// The platform's part: runs Runwick's supervisor on the command, recording,
// then waits for the game's end or the limit.
void Record(LaunchOutcome outcome, const LaunchCommand& command, unsigned limitSeconds, Timeline& timeline);

// Starts and watches the game of the current folder, once the check's other
// steps are done: the timeline as facts of the report, and its findings.
void Run(GameFolderCheck::Check& check, unsigned limitSeconds);

}  // namespace Watch
