// What Tunewick will show and do: its own load sequence, run on lists that
// only remember, and what Save & Exit writes and opens.
#include <initializer_list>
#include <utility>

#include "../config/AsciiCase.h"
#include "../editor/DialogLoad.h"
#include "../editor/DisplayModes.h"
#include "../editor/RecordedChoices.h"
#include "../launcher/LaunchCommand.h"
#include "CheckPlatform.h"
#include "GameFolderCheck.h"

namespace GameFolderCheck {
namespace {

// The dialog's window, remembered: whether it took window icons.
class RecordedWindow : public DialogWindow {
public:
    void SetWindowIcons(const char*) override { iconsSet = true; }
    void SetCaption(const Text&) override {}
    void SetLabel(int, const Text&) override {}
    bool iconsSet = false;
};

// Kept for the process's life, as in Tunewick.
RecordedChoices recorded;
SettingsModel model(recorded.Controls());
DialogFiles files;

void AppendList(Text& line, const RecordedList& list) {
    for (int i = 0; i < list.Count(); ++i) SayMore(line, i ? ", " : "", list.Item(i));
}

void AppendSelection(Text& line, const RecordedList& list) {
    if (list.selection == ListObject::kNoSelection)
        SayMore(line, "(none)");
    else
        SayMore(line, Quoted(list.Item(list.selection)));
}

void ReportEdition(Report& report) {
    Text& line = Say(report.Add(Group::Tunewick, "edition"), Quoted(files.edition));
    if (EditionNamed(files.edition)) return;
    SayMore(line, ", taken as ", Quoted(kEditions[0].name));
    SettingsFinding(report, Code::EditionUnknown, Setting::QFV, Quoted(files.edition),
                    " is no edition: Tunewick offers what ", Quoted(kEditions[0].name), " offers.");
}

void ReportChoices(Report& report) {
    AppendList(report.Add(Group::Tunewick, "resolutions"), recorded.resolution);
    AppendList(report.Add(Group::Tunewick, "colour depths"), recorded.colourDepth);
    Text& selections = report.Add(Group::Tunewick, "selections");
    for (auto [name, list] : {std::pair{"adapter ", &recorded.adapter}, {", resolution ", &recorded.resolution},
                              {", depth ", &recorded.colourDepth}, {", detail ", &recorded.detail}}) {
        SayMore(selections, name);
        AppendSelection(selections, *list);
    }
    SayMore(selections, recorded.software.checked ? ", software rendering" : ", hardware rendering");
    if (recorded.windowed.checked) SayMore(selections, ", windowed");
    if (recorded.joypadDisabled.checked) SayMore(selections, ", joypad disabled");
    if (recorded.mouseDisabled.checked) SayMore(selections, ", mouse disabled");
}

// What an unchanged save writes, against what is stored.
void ReportSave(Report& report) {
    TunewickWrites writes = model.Save();
    bool screenWritten = false;
    for (int i = 0; i < writes.count; ++i) {
        const TunewickWrite& write = writes.items[i];
        const Text& before = files.stored.Value(write.setting);
        if (write.setting == Setting::Screen) screenWritten = true;
        // An empty value is no choice yet: a save makes the first.
        if (before.IsEmpty() || before.Equals(write.value)) continue;
        SettingsFinding(report, Code::StoredValueRewritten, write.setting, Quoted(before),
                        " is no option Tunewick offers for it: a save writes ", Quoted(write.value), ".");
    }
    if (!screenWritten && !files.stored.Value(Setting::Screen).IsEmpty())
        SettingsFinding(report, Code::StoredModeKept, Setting::Screen, Quoted(files.stored.Value(Setting::Screen)),
                        " is a mode this edition does not offer: Tunewick shows no selection and a save keeps it.");
}

void ReportPicture(Report& report) {
    Text& line = report.Add(Group::Tunewick, "picture");
    const Text& picture = files.pictureFile;
    if (picture.IsEmpty()) {
        line.Set("none: an empty frame");
        // Tunewick leaves a cut path empty, and it is reported as cut.
        SettingText<Setting::SettingsPic> asRead;
        if (ReadSettingState(Setting::SettingsPic, Program::Tunewick, asRead, files.settingsFile.Get()) !=
            ValueState::Cut)
            SettingsFinding(report, Code::PictureNone, Setting::SettingsPic,
                            "SettingsPic is empty: Tunewick's picture frame stays empty.");
        return;
    }
    long width = 0;
    long height = 0;
    if (!platform::IsFile(picture.Get())) {
        Say(line, Quoted(picture), ": no such file, an empty frame");
        SettingsFinding(report, Code::PictureMissing, Setting::SettingsPic, "There is no file ", Quoted(picture),
                        ": Tunewick's picture frame stays empty.");
        return;
    }
    if (!check_platform::BitmapSize(picture.Get(), width, height)) {
        Say(line, Quoted(picture), ": not a Windows bitmap, an empty frame");
        SettingsFinding(report, Code::PictureNotBitmap, Setting::SettingsPic, Quoted(picture),
                        " is not a Windows bitmap: Tunewick's picture frame stays empty.");
        return;
    }
    // Where no dialog can be made: 105 x 144 dialog units at two pixels each,
    // as Wine lays the frame out with its default dialog font.
    long frameWidth = 2 * 105;
    long frameHeight = 2 * 144;
    check_platform::PictureFrameSize(frameWidth, frameHeight);
    Say(line, Quoted(picture), ", a Windows bitmap of ", Count{static_cast<std::size_t>(width)}, " x ",
        Count{static_cast<std::size_t>(height)}, " pixels, drawn into the frame of ",
        Count{static_cast<std::size_t>(frameWidth)}, " x ", Count{static_cast<std::size_t>(frameHeight)}, " pixels");
    // Off the frame's shape by more than a tenth: visibly stretched.
    long long frame = static_cast<long long>(width) * frameHeight;
    long long picturesOwn = static_cast<long long>(height) * frameWidth;
    long long off = frame > picturesOwn ? frame - picturesOwn : picturesOwn - frame;
    if (off * 10 > picturesOwn)
        SettingsFinding(report, Code::PictureStretched, Setting::SettingsPic,
                        "The picture's shape differs from the frame's: it is shown stretched. A picture of ",
                        Count{static_cast<std::size_t>(frameWidth)}, " x ", Count{static_cast<std::size_t>(frameHeight)},
                        " pixels fills the frame unstretched here.");
}

void ReportWindowIcon(Report& report, bool iconsSet) {
    Text& icon = report.Add(Group::Tunewick, "window icon");
    if (!iconsSet) {
        icon.Set(IsFlagSet(files.iconFlag) ? "its own (SIcon is too long for its key)" : "its own (SI is not TRUE)");
        return;
    }
    unsigned icons = check_platform::CountIcons(files.iconFile.Get());
    if (icons == check_platform::kIconsNotCounted) {
        Say(icon, Quoted(files.iconFile), ", a program or library: its icons are not counted on this system");
        return;
    }
    Say(icon, Quoted(files.iconFile), icons ? ": its first icon" : ": no icon in it, so none");
    if (!icons)
        SettingsFinding(report, Code::WindowIconNone, Setting::SIcon, "SI is TRUE, but ", Quoted(files.iconFile),
                        " holds no icon: Tunewick's window has none.");
}

// Whether the full path lies in the game folder, the current one, or below it.
bool InGameFolder(const Text& path) {
    FixedText<kMaxPath> folder;
    if (!platform::FullPath(".", folder)) return false;
    std::size_t length = folder.Length();
    for (std::size_t i = 0; i < length; ++i)
        if (LowerAscii(path.Get()[i]) != LowerAscii(folder.Get()[i])) return false;
    auto separates = [](char c) { return c == '\\' || c == '/'; };  // '/' on the portable back end
    return separates(folder.Get()[length - 1]) || separates(path.Get()[length]);
}

void ReportAfterSave(Report& report) {
    Text& after = report.Add(Group::Tunewick, "after Save & Exit");
    SettingText<Setting::LaunchExe> launchExe;
    switch (DialogLoad::ProgramAfterSave(files.settingsFile.Get(), launchExe)) {
        case DialogLoad::AfterSave::OpensNothing:
            after.Set("opens nothing (RunGame is not TRUE)");
            return;
        case DialogLoad::AfterSave::LaunchExeCut:  // reported as a cut path
            after.Set("opens nothing: LaunchExe is too long for its key");
            return;
        case DialogLoad::AfterSave::LaunchExeEmpty:
            after.Set("opens nothing: LaunchExe is empty");
            SettingsFinding(report, Code::LaunchExeEmpty, Setting::LaunchExe,
                            "RunGame is TRUE but LaunchExe is empty: nothing is opened after a save.");
            return;
        case DialogLoad::AfterSave::LaunchExeFolder:
            after.Set("opens nothing: LaunchExe names a folder");
            SettingsFinding(report, Code::LaunchExeNotFound, Setting::LaunchExe, Quoted(launchExe),
                            " is a folder, no program: nothing is opened after a save.");
            return;
        case DialogLoad::AfterSave::OpensLaunchExe:
            break;
    }
    // The shell's own rule: "Runwick" starts Runwick.exe.
    FixedText<kMaxPath> program;
    bool exists = platform::FullPath(launchExe.Get(), program);
    if (exists) AddProgramExtension(program);
    exists = exists && platform::IsFile(program.Get());
    Say(after, "opens ", Quoted(launchExe),
        !exists ? " (not in the game folder)" : InGameFolder(program) ? " (in the game folder)" : " (outside the game folder)");
    if (exists && !NamesAProgram(program.Get()))
        SayMore(after, ", no program: opened with the program its type belongs to, if any");
    if (!exists)
        SettingsFinding(report, Code::LaunchExeNotFound, Setting::LaunchExe, Quoted(launchExe),
                        " is not in the game folder: unless Windows finds it elsewhere, nothing is opened.");
}

}  // namespace

const RecordedChoices& TunewickLists() {
    return recorded;
}

const RecordedList& AccelerationInTheOtherMode() {
    bool software = recorded.software.checked;
    recorded.software.checked = !software;
    recorded.hardware.checked = software;
    if (software)
        model.HardwareCommand();
    else
        model.SoftwareCommand();
    return recorded.acceleration;
}

void CheckTunewick(Report& report) {
    for (RecordedCheck* check : {&recorded.hardware, &recorded.software, &recorded.windowed, &recorded.joypadDisabled,
                                 &recorded.mouseDisabled})
        check->checked = false;  // the model only ever sets them
    RecordedWindow window;
    DialogLoad::Load(files, window, model);
    Say(report.Add(Group::Tunewick, "caption"), Quoted(files.caption));
    ReportEdition(report);
    ReportChoices(report);
    ReportSave(report);
    ReportPicture(report);
    ReportWindowIcon(report, window.iconsSet);
    ReportAfterSave(report);
}

}  // namespace GameFolderCheck
