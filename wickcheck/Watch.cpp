#include "Watch.h"

#include <cstdio>

#include "../launcher/LaunchCommand.h"
#include "GameFolderCheck.h"
#include "Message.h"

namespace Watch {

Happening& Timeline::Add(Event event, unsigned long long milliseconds) {
    Happening& happening = count < kMost ? items[count++] : spare;
    happening.event = event;
    happening.milliseconds = milliseconds;
    happening.text.Clear();
    happening.number = 0;
    happening.ownedByGame = false;
    return happening;
}

const Happening* Timeline::Find(Event event) const {
    for (std::size_t i = 0; i < count; ++i)
        if (items[i].event == event) return &items[i];
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

namespace {

using GameFolderCheck::Check;

// What Runwick started, and what happened then.
struct Watched {
    LaunchCommand command;
    Timeline timeline;
};

void ReportHappening(Report& report, const LaunchCommand& command, const Happening& h) {
    Seconds at{h.milliseconds};
    switch (h.event) {
        case Event::Started:
            Say(report.Add(Group::Watch, "start"), at, "  ", h.text);
            report.Add(Group::Watch, "working folder").Set(GameFolderCheck::WorkingFolder(command));
            Say(report.Add(Group::Watch, "parameters"), ">>", command.parameters, "<<");
            return;
        case Event::NotStarted:
            Say(report.Add(Group::Watch, "start"), at, "  nothing: Runwick shows \"", h.text, "\"");
            return;
        case Event::Window:
            Say(report.Add(Group::Watch, "game window"), at, "  ", Quoted(h.text));
            return;
        case Event::Matched:
            Say(report.Add(Group::Watch, "Runwick's window"), at, "  ", Quoted(h.text),
                h.ownedByGame ? "" : ", another program's: Runwick takes any window of its caption");
            return;
        case Event::IconKept:
            Say(report.Add(Group::Watch, "icon"), at, "  ", h.text);
            return;
        case Event::RunwickEnds:
            Say(report.Add(Group::Watch, "Runwick ends"), at, "  the game goes on");
            return;
        case Event::LimitPassed:
            Say(report.Add(Group::Watch, "time limit"), at, "  passed: Wickcheck ended the game it started");
            return;
        case Event::Ended:
            if (h.text.IsEmpty())
                Say(report.Add(Group::Watch, "game ends"), at, "  exit code ", Count{h.number});
            else
                Say(report.Add(Group::Watch, "game ends"), at, "  ", h.text);
            return;
    }
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

void ReportFindings(Check& check, const Watched& watched, unsigned limitSeconds) {
    const Timeline& timeline = watched.timeline;
    if (const Happening* refused = timeline.Find(Event::NotStarted)) {
        GameFolderCheck::SettingsFinding(check, Code::GameNotStarted, Setting::GameExe,
                                         "The game was not started: Runwick shows \"", refused->text, "\".");
        return;
    }
    if (timeline.Has(Event::Matched)) return;
    // A game that ended at once, showing nothing, has no caption to name.
    const Happening* ended = timeline.Find(Event::Ended);
    if (ended && !timeline.Has(Event::LimitPassed)) {
        GameFolderCheck::SettingsFinding(check, Code::GameEndedEarly, Setting::GameExe, "The game ended after ",
                                         Seconds{ended->milliseconds}, " with exit code ", Count{ended->number},
                                         ", before Runwick found its window.");
        if (!timeline.Has(Event::Window)) return;
    }
    Seconds watchedFor{ended ? ended->milliseconds : limitSeconds * 1000ull};
    Finding* unseen =
        GameFolderCheck::SettingsFinding(check, Code::WindowTitleNotSeen, Setting::WinTitleOld, "No window captioned ",
                                         Quoted(watched.command.windowTitle), " came in ", watchedFor,
                                         "; the game's windows: ");
    AppendCaptions(unseen->message, timeline);
    unseen->message.Append(".");
}

}  // namespace

void Run(Check& check, unsigned limitSeconds) {
    Watched watched;
    // As Runwick builds it: the save folder is made.
    LaunchOutcome outcome = watched.command.Build();
    Record(outcome, watched.command, limitSeconds, watched.timeline);
    const Timeline& timeline = watched.timeline;
    for (std::size_t i = 0; i < timeline.count; ++i)
        ReportHappening(check.report, watched.command, timeline.items[i]);
    if (timeline.Has(Event::Matched) && !timeline.Has(Event::IconKept))
        check.report.Add(Group::Watch, "icon")
            .Set(IsFlagSet(watched.command.iconFlag) ? "none kept: the icon file gave none"
                                                     : "none kept (IC is not TRUE)");
    ReportFindings(check, watched, limitSeconds);
}

}  // namespace Watch
