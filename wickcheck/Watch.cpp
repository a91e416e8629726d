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

LaunchCommand command;  // kept for the process's life, as in Runwick
Timeline timeline;

void ReportHappening(Report& report, const Happening& h) {
    Seconds at{h.milliseconds};
    switch (h.event) {
        case Event::Started:
            Say(report.Add(Group::Watch, "start"), at, "  ", h.text);
            report.Add(Group::Watch, "working folder")
                .Set(command.workingFolder.IsEmpty() ? "the game folder (GamePath is empty)"
                                                     : command.workingFolder.Get());
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
void AppendCaptions(Text& out) {
    bool any = false;
    for (std::size_t i = 0; i < timeline.count; ++i) {
        if (timeline.items[i].event != Event::Window) continue;
        SayMore(out, any ? ", " : "", Quoted(timeline.items[i].text));
        any = true;
    }
    if (!any) out.Append("none");
}

void ReportFindings(Report& report, unsigned limitSeconds) {
    if (const Happening* refused = timeline.Find(Event::NotStarted)) {
        GameFolderCheck::SettingsFinding(report, Code::GameNotStarted, Setting::GameExe,
                                         "The game was not started: Runwick shows \"", refused->text, "\".");
        return;
    }
    if (timeline.Has(Event::Matched)) return;
    // A game that ended at once, showing nothing, has no caption to name.
    const Happening* ended = timeline.Find(Event::Ended);
    if (ended && !timeline.Has(Event::LimitPassed)) {
        GameFolderCheck::SettingsFinding(report, Code::GameEndedEarly, Setting::GameExe, "The game ended after ",
                                         Seconds{ended->milliseconds}, " with exit code ", Count{ended->number},
                                         ", before Runwick found its window.");
        if (!timeline.Has(Event::Window)) return;
    }
    Finding* unseen = GameFolderCheck::SettingsFinding(
        report, Code::WindowTitleNotSeen, Setting::WinTitleOld, "No window captioned ", Quoted(command.windowTitle),
        " came in ", Seconds{ended ? ended->milliseconds : limitSeconds * 1000ull}, "; the game's windows: ");
    AppendCaptions(unseen->message);
    unseen->message.Append(".");
}

}  // namespace

bool Run(Report& report, unsigned limitSeconds) {
    // As Runwick builds it: the save folder is made.
    LaunchOutcome outcome = command.Build();
    timeline.count = 0;
    if (!Record(outcome, command, limitSeconds, timeline)) return false;
    for (std::size_t i = 0; i < timeline.count; ++i) ReportHappening(report, timeline.items[i]);
    if (timeline.Has(Event::Matched) && !timeline.Has(Event::IconKept))
        report.Add(Group::Watch, "icon")
            .Set(IsFlagSet(command.iconFlag) ? "none kept: the icon file gave none" : "none kept (IC is not TRUE)");
    ReportFindings(report, limitSeconds);
    return true;
}

}  // namespace Watch
