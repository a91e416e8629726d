#include "Watch.h"

#include <cstdio>

#include "../../launcher/LaunchCommand.h"
#include "../../launcher/LaunchSupervisor.h"
#include "../check/GameFolderCheck.h"
#include "../check/Message.h"

namespace Watch {

Happening& Timeline::Add(Event event, unsigned long long milliseconds) {
    Happening& happening = count < kMost ? items[count++] : spare;
    happening = Happening{};
    happening.event = event;
    happening.milliseconds = milliseconds;
    return happening;
}

const Happening* Timeline::Find(Event event) const {
    for (std::size_t i = 0; i < count; ++i)
        if (items[i].event == event) return &items[i];
    return nullptr;
}

const Happening* Timeline::Last(Event event) const {
    for (std::size_t i = count; i-- > 0;)
        if (items[i].event == event) return &items[i];
    return nullptr;
}

const Happening* Timeline::EndOf(unsigned long process) const {
    for (std::size_t i = 0; i < count; ++i)
        if (items[i].event == Event::Ended && items[i].process == process) return &items[i];
    return nullptr;
}

bool Timeline::Has(Event event) const {
    return Find(event) != nullptr;
}

// A time since the start, as "N.NN s".
struct Seconds {
    unsigned long long milliseconds;
};

void AppendPart(Text& out, Seconds time) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%llu.%02llu s", time.milliseconds / 1000, time.milliseconds % 1000 / 10);
    out.Append(digits);
}

// The process a happening concerns, as "PROGRAM (process N)".
struct ProcessOf {
    const Happening& happening;
};

void AppendPart(Text& out, ProcessOf of) {
    SayMore(out, of.happening.program.IsEmpty() ? "a program" : of.happening.program.Get(), " (process ",
            Count{of.happening.process}, ")");
}

namespace {

using GameFolderCheck::Check;

// What Runwick started, and what happened then.
struct Watched {
    LaunchOutcome outcome;
    const LaunchCommand& command;
    const Timeline& timeline;
};

void ReportHappening(Report& report, const LaunchCommand& command, const Happening& h) {
    Seconds at{h.milliseconds};
    switch (h.event) {
        case Event::Started:
            Say(report.Add(Group::Watch, "start"), at, "  ", h.program);
            report.Add(Group::Watch, "working folder").Set(GameFolderCheck::WorkingFolder(command));
            Say(report.Add(Group::Watch, "parameters"), ">>", command.parameters, "<<");
            return;
        case Event::NotStarted:
            Say(report.Add(Group::Watch, "start"), at, "  nothing: Runwick shows \"", h.text, "\"");
            return;
        case Event::ProcessStarted:
            Say(report.Add(Group::Watch, "process"), at, "  ", ProcessOf{h}, ", started by a process of the game");
            return;
        case Event::OutsideJob:
            Say(report.Add(Group::Watch, "process"), at, "  ", ProcessOf{h},
                " is outside Wickcheck's job (an elevated start, or a job that Windows 7 does not nest): watched "
                "and ended by its own handle; the processes it starts are not seen");
            return;
        case Event::Window:
            Say(report.Add(Group::Watch, "game window"), at, "  ", Quoted(h.text), " of ", ProcessOf{h});
            return;
        case Event::Matched:
            if (h.ownedByGame)
                Say(report.Add(Group::Watch, "Runwick's window"), at, "  ", Quoted(h.text));
            else
                Say(report.Add(Group::Watch, "Runwick's window"), at, "  ", Quoted(h.text), " of ", ProcessOf{h},
                    ", another program's: Runwick takes any window of its caption");
            return;
        case Event::IconKept:
            Say(report.Add(Group::Watch, "icon"), at, "  ", h.text);
            return;
        case Event::RunwickEnds:
            Say(report.Add(Group::Watch, "Runwick ends"), at, "  the game goes on");
            return;
        case Event::LimitPassed:
        case Event::Interrupted: {
            bool limit = h.event == Event::LimitPassed;
            Text& line = report.Add(Group::Watch, limit ? "time limit" : "interrupted");
            const char* why = limit ? "  passed: " : "  Ctrl+C: ";
            if (h.text.IsEmpty())
                Say(line, at, why, "Wickcheck ended the ", Count{h.number}, h.number == 1 ? " process" : " processes",
                    " of the game still running");
            else
                Say(line, at, why, h.text);
            return;
        }
        case Event::Ended:
            if (h.endedByWickcheck)
                Say(report.Add(Group::Watch, "ends"), at, "  ", ProcessOf{h}, ": ended by Wickcheck");
            else
                Say(report.Add(Group::Watch, "ends"), at, "  ", ProcessOf{h}, ": exit code ", Count{h.number});
            return;
    }
}

// Why Runwick sent no icon, by its own rule.
const char* NoIconReason(const Watched& watched) {
    const Timeline& timeline = watched.timeline;
    if (!timeline.Has(Event::Matched)) return "none sent: Runwick found no window";
    if (!IsFlagSet(watched.command.iconFlag)) return "none kept (IC is not TRUE)";
    if (!LaunchSupervisor::KeepsIcon(watched.command.iconFlag, timeline.iconsTaken)) return "none kept: the icon file gave none";
    return "none sent: the program GameExe names had ended before Runwick's first pass";
}

// The game's captions as the author could copy one: "A", "B".
void AppendCaptions(Text& out, const Timeline& timeline) {
    bool any = false;
    for (std::size_t i = 0; i < timeline.count; ++i) {
        if (timeline.items[i].event != Event::Window) continue;
        SayMore(out, any ? ", " : "", Quoted(timeline.items[i].text));
        any = true;
    }
    if (!any) out.Append("none");
}

// The process the author should start: the one that showed a window of
// Runwick's caption, else the first that showed any, else the first started
// from the game's.
const Happening* TheGameItself(const Timeline& timeline) {
    const Happening* any = nullptr;
    for (std::size_t i = 0; i < timeline.count; ++i) {
        const Happening& h = timeline.items[i];
        if (h.event != Event::Window || h.process == timeline.startedProcess) continue;
        if (h.found) return &h;
        if (!any) any = &h;
    }
    return any ? any : timeline.Find(Event::ProcessStarted);
}

// The program GameExe names ended before Runwick found a window, while a
// process it started went on: Runwick ends with it.
void ReportEndsFirst(Check& check, const Watched& watched) {
    const Timeline& timeline = watched.timeline;
    const Happening* first = timeline.startedProcess ? timeline.EndOf(timeline.startedProcess) : nullptr;
    const Happening* matched = timeline.Find(Event::Matched);
    if (!first || (matched && matched->milliseconds <= first->milliseconds)) return;
    bool wentOn = false;
    for (std::size_t i = 0; i < timeline.count; ++i) {
        const Happening& h = timeline.items[i];
        if (h.event != Event::ProcessStarted) continue;
        const Happening* end = timeline.EndOf(h.process);
        wentOn = wentOn || !end || end->milliseconds > first->milliseconds;
    }
    const Happening* game = TheGameItself(timeline);
    if (!wentOn || !game) return;
    Finding* finding = GameFolderCheck::SettingsFinding(
        check, Code::GameExeEndsFirst, Setting::GameExe, Quoted(first->program), " ended after ",
        Seconds{first->milliseconds}, " with exit code ", Count{first->number},
        " while the game went on: Runwick ends with it, before it finds the game's window, and keeps no icon on it. ");
    if (game->event == Event::Window)
        SayMore(finding->message, "The game's window ", Quoted(game->text), " is shown by ", Quoted(game->program),
                ": put that program in GameExe.");
    else
        SayMore(finding->message, "The game went on in ", Quoted(game->program), ": put that program in GameExe.");
}

void ReportOtherWindow(Check& check, const Watched& watched) {
    const Happening* matched = watched.timeline.Find(Event::Matched);
    if (!matched || matched->ownedByGame) return;
    Finding* finding = GameFolderCheck::SettingsFinding(
        check, Code::WindowOfAnotherProgram, Setting::WinTitleOld, "Runwick takes the window ", Quoted(matched->text),
        " of ", Quoted(matched->program), ", no program of the game's: ");
    if (LaunchSupervisor::KeepsIcon(watched.command.iconFlag, watched.timeline.iconsTaken))
        finding->message.Append("it puts the icon on that window, never on the game's, and runs until the program "
                                "GameExe names ends.");
    else
        finding->message.Append("it sends no icon and ends at once.");
}

void ReportFindings(Check& check, const Watched& watched, unsigned limitSeconds) {
    const Timeline& timeline = watched.timeline;
    if (const Happening* refused = timeline.Find(Event::NotStarted)) {
        Setting cause = watched.outcome == LaunchOutcome::GamePathUnusable ? Setting::GamePath : Setting::GameExe;
        GameFolderCheck::SettingsFinding(check, Code::GameNotStarted, cause, "The game was not started: Runwick shows \"",
                                         refused->text, "\".");
        return;
    }
    ReportOtherWindow(check, watched);
    ReportEndsFirst(check, watched);
    if (timeline.titleSeen) return;
    const Happening* last = timeline.Last(Event::Ended);
    if (timeline.gameEnded && !timeline.Has(Event::Window) && last) {
        GameFolderCheck::SettingsFinding(check, Code::GameEndedEarly, Setting::GameExe, "The game ended after ",
                                         Seconds{last->milliseconds}, " with exit code ", Count{last->number},
                                         ", before Runwick found its window.");
        return;
    }
    const Happening* stopped = timeline.Find(Event::Interrupted);
    Seconds watchedFor{timeline.gameEnded && last ? last->milliseconds
                       : stopped                  ? stopped->milliseconds
                                                  : limitSeconds * 1000ull};
    Finding* unseen =
        GameFolderCheck::SettingsFinding(check, Code::WindowTitleNotSeen, Setting::WinTitleOld, "No window captioned ",
                                         Quoted(watched.command.windowTitle), " came in ", watchedFor,
                                         "; the game's windows: ");
    AppendCaptions(unseen->message, timeline);
    unseen->message.Append(".");
}

}  // namespace

void Run(Check& check, unsigned limitSeconds) {
    LaunchCommand command;
    Timeline timeline;
    // As Runwick builds it: the save folder is made.
    LaunchOutcome outcome = command.Build();
    Record(outcome, command, limitSeconds, timeline);
    Judge(check, outcome, command, timeline, limitSeconds);
}

void Judge(Check& check, LaunchOutcome outcome, const LaunchCommand& command, const Timeline& timeline,
           unsigned limitSeconds) {
    Watched watched{outcome, command, timeline};
    for (std::size_t i = 0; i < timeline.count; ++i) ReportHappening(check.report, command, timeline.items[i]);
    if (!timeline.Has(Event::NotStarted) && !timeline.Has(Event::IconKept))
        check.report.Add(Group::Watch, "icon").Set(NoIconReason(watched));
    ReportFindings(check, watched, limitSeconds);
}

}  // namespace Watch
