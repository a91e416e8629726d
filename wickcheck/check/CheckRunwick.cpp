// What Runwick will do: through its own launch command, built without
// making anything, and its own rules for the icon.
#include "../../config/PictureFiles.h"
#include "../../launcher/LaunchCommand.h"
#include "../../launcher/LaunchSupervisor.h"
#include "GameFolderCheck.h"

namespace GameFolderCheck {
namespace {

// The outcomes where Runwick shows its box instead of starting the game, for
// a key of the settings file.
struct Refusal {
    LaunchOutcome outcome;
    Code code;
    Setting key;
    const char* cause;
};

const Refusal kRefusals[] = {
    {LaunchOutcome::NoExecutableDefined, Code::GameExeEmpty, Setting::GameExe, "GameExe is empty"},
    {LaunchOutcome::ExecutableNotFound, Code::GameExeMissing, Setting::GameExe,
     "GameExe is too long for its key or for Windows, or names a folder"},
    {LaunchOutcome::GamePathUnusable, Code::GamePathUnusable, Setting::GamePath,
     "GamePath is no existing folder, or too long"},
};

bool ReportRefusal(Check& check, LaunchOutcome outcome) {
    Report& report = check.report;
    const char* box = LaunchSupervisor::RefusalMessage(outcome);
    if (!box) return false;
    Say(report.Add(Group::Runwick, "start"), "nothing: Runwick shows \"", box, "\"");
    for (const Refusal& refusal : kRefusals)
        if (refusal.outcome == outcome)
            SettingsFinding(check, refusal.code, refusal.key, refusal.cause, ": Runwick shows \"", box, "\".");
    return true;
}

void ReportStart(Check& check) {
    Report& report = check.report;
    const LaunchCommand& command = check.command;
    const char* program = command.executablePath.Get();
    bool exists = platform::IsFile(program);
    Text& start = Say(report.Add(Group::Runwick, "start"), command.executablePath, exists ? " (exists)" : " (no such file)");
    if (!exists) {
        SettingsFinding(check, Code::GameExeMissing, Setting::GameExe, "There is no file ", command.executablePath,
                        ": Runwick shows \"", kExecutableNotPresentMessage, "\".");
    } else if (!NamesAProgram(program)) {
        SayMore(start, ", no program: opened with the program its type belongs to, if any");
        SettingsFinding(check, Code::GameExeNotProgram, Setting::GameExe, command.executablePath,
                        " is no program: Windows opens it with the program its type belongs to, and where none is, "
                        "Runwick shows \"", kCouldNotStartMessage, "\" and Windows' reason.");
    }
    report.Add(Group::Runwick, "working folder").Set(WorkingFolder(command));
    Text& parameters = Say(report.Add(Group::Runwick, "parameters"), ">>", command.parameters, "<<");
    if (command.saveFolder == SaveFolder::ToBeMadeShortFormUnknown) SayMore(parameters, " (*) see the save folder");
}

// What Runwick does with the save folder: a fact after its path where it
// has one, and a finding where the game gets no -dir for a fault of the
// author's (a cut path has its own).
struct SaveFolderFate {
    SaveFolder state;
    bool named;
    const char* fact;
    const char* finding;
};

const SaveFolderFate kSaveFolderFates[] = {
    {SaveFolder::NotSet, false, "none (Savedir is empty): no -dir", nullptr},
    {SaveFolder::Passed, true, ", passed with -dir in its short form, as shown", nullptr},
    {SaveFolder::ToBeMade, true, ": Runwick makes it at its start and passes it with -dir, as shown", nullptr},
    {SaveFolder::ToBeMadeShortFormUnknown, true,
     ": Runwick makes it at its start and passes it with -dir in its short form, which Windows gives the folder only "
     "when it is made: the parameters show the long path instead (*)",
     nullptr},
    {SaveFolder::TooLongForItsKey, false, "left out: no -dir", nullptr},
    {SaveFolder::NotAFolder, false, "left out: no -dir",
     "Savedir names no folder Runwick can make (it names a file, or its parent is missing): the game gets no -dir."},
    {SaveFolder::ShortFormHasBlank, true, ": its short form holds a blank here, so it is left out: no -dir", nullptr},
};

// Whether a save folder reaches the game hangs on the player's drive where
// its path holds a blank: both answers are given, whatever this machine's
// drive keeps.
constexpr char kDependsOnTheDrive[] =
    "The save folder's path holds a blank, which only its short (8.3) form leaves out: where the player's drive "
    "keeps 8.3 names, the game gets -dir in that form; where it keeps none (Windows can be set so, for every drive "
    "or drive by drive), the game gets no -dir.";

void ReportSaveFolder(Check& check) {
    Report& report = check.report;
    const LaunchCommand& command = check.command;
    for (const SaveFolderFate& fate : kSaveFolderFates) {
        if (fate.state != command.saveFolder) continue;
        Say(report.Add(Group::Runwick, "save folder"), fate.named ? command.saveFolderPath.Get() : "", fate.fact);
        if (fate.finding) SettingsFinding(check, Code::SaveFolderLeftOut, Setting::Savedir, fate.finding);
    }
    bool reaches = command.saveFolder == SaveFolder::Passed || command.saveFolder == SaveFolder::ToBeMade ||
                   command.saveFolder == SaveFolder::ToBeMadeShortFormUnknown ||
                   command.saveFolder == SaveFolder::ShortFormHasBlank;
    if (reaches && HangsOnShortNames(command.saveFolderPath)) {
        SettingsFinding(check, Code::SaveFolderLeftOut, Setting::Savedir, kDependsOnTheDrive);
        report.Add(Group::Runwick, "save folder").Set("on a drive without 8.3 names: left out, no -dir");
    }
}

void ReportWindowAndIcon(Check& check) {
    Report& report = check.report;
    const LaunchCommand& command = check.command;
    Text& caption = report.Add(Group::Runwick, "waits for the window");
    if (command.windowTitle.IsEmpty()) {
        caption.Set("none: WinTitleOld is empty, and an empty caption matches no window");
        SettingsFinding(check, Code::WindowTitleEmpty, Setting::WinTitleOld,
                        "WinTitleOld is empty: Runwick never finds the game's window, and keeps no icon on it.");
    } else {
        Say(caption, Quoted(command.windowTitle), " (letter case aside)");
    }

    Text& icon = report.Add(Group::Runwick, "icon");
    if (!IsFlagSet(command.iconFlag)) {
        icon.Set("none kept (IC is not TRUE): Runwick leaves once the window is there");
        return;
    }
    // Runwick takes no icon from a path too long for its key: it has none then.
    unsigned icons = command.iconFile.IsEmpty() ? 0 : platform::CountIcons(command.iconFile.Get());
    if (icons == platform::kIconsNotCounted) {
        Say(icon, Quoted(command.iconFile), ", a program or library: its icons are not counted on this system");
        return;
    }
    Say(icon, Quoted(command.iconFile), ", ", Count{icons}, icons == 1 ? " icon in it" : " icons in it");
    if (LaunchSupervisor::KeepsIcon(command.iconFlag, icons > 0)) {
        SayMore(icon, ": the first is kept on the game's window while the game runs");
        return;
    }
    SayMore(icon, ": none is sent; Runwick leaves once the window is there");
    if (command.iconFile.IsEmpty()) return;  // reported as a cut path
    SettingsFinding(check, Code::IconNone, Setting::Icon, "IC is TRUE, but ", Quoted(command.iconFile),
                    " holds no icon: the game keeps its own and Runwick keeps none on it.");
}

}  // namespace

const char* WorkingFolder(const LaunchCommand& command) {
    return command.workingFolder.IsEmpty() ? "the game folder (GamePath is empty)" : command.workingFolder.Get();
}

void CheckRunwick(Check& check) {
    if (ReportRefusal(check, check.command.Build(BuildMode::CheckOnly))) return;
    ReportStart(check);
    ReportSaveFolder(check);
    ReportWindowAndIcon(check);
}

}  // namespace GameFolderCheck
