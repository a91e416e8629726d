// What Tunewick will show and do: its own load sequence, run on lists that
// only remember, and what Save & Exit writes and opens.
#include <initializer_list>
#include <utility>

#include "../../config/AsciiCase.h"
#include "../../config/PictureFiles.h"
#include "../../editor/DialogLoad.h"
#include "../../editor/DisplayModes.h"
#include "../../editor/RecordedChoices.h"
#include "../../launcher/LaunchCommand.h"
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

void AppendList(Text& line, const RecordedList& list) {
    for (int i = 0; i < list.Count(); ++i) SayMore(line, i ? ", " : "", list.Item(i));
}

void AppendSelection(Text& line, const RecordedList& list) {
    if (list.selection == ListObject::kNoSelection)
        SayMore(line, "(none)");
    else
        SayMore(line, Quoted(list.Item(list.selection)));
}

void ReportEdition(Check& check) {
    Report& report = check.report;
    Text& line = Say(report.Add(Group::Tunewick, "edition"), Quoted(check.files.edition));
    if (EditionNamed(check.files.edition)) return;
    SayMore(line, ", taken as ", Quoted(kEditions[0].name));
    SettingsFinding(check, Code::EditionUnknown, Setting::QFV, Quoted(check.files.edition),
                    " is no edition: Tunewick offers what ", Quoted(kEditions[0].name), " offers.");
}

void ReportChoices(Check& check) {
    Report& report = check.report;
    AppendList(report.Add(Group::Tunewick, "resolutions"), check.lists.resolution);
    AppendList(report.Add(Group::Tunewick, "colour depths"), check.lists.colourDepth);
    Text& selections = report.Add(Group::Tunewick, "selections");
    for (auto [name, list] : {std::pair{"adapter ", &check.lists.adapter}, {", resolution ", &check.lists.resolution},
                              {", depth ", &check.lists.colourDepth}, {", detail ", &check.lists.detail}}) {
        SayMore(selections, name);
        AppendSelection(selections, *list);
    }
    SayMore(selections, check.lists.software.checked ? ", software rendering" : ", hardware rendering");
    if (check.lists.windowed.checked) SayMore(selections, ", windowed");
    if (check.lists.joypadDisabled.checked) SayMore(selections, ", joypad disabled");
    if (check.lists.mouseDisabled.checked) SayMore(selections, ", mouse disabled");
}

// What an unchanged save writes, against what is stored.
void ReportSave(Check& check) {
    TunewickWrites writes = check.model.Save();
    bool screenWritten = false;
    for (int i = 0; i < writes.count; ++i) {
        const TunewickWrite& write = writes.items[i];
        const Text& before = check.files.stored.Value(write.setting);
        if (write.setting == Setting::Screen) screenWritten = true;
        // An empty value is no choice yet: a save makes the first.
        if (before.IsEmpty() || before.Equals(write.value)) continue;
        SettingsFinding(check, Code::StoredValueRewritten, write.setting, Quoted(before),
                        " is no option Tunewick offers for it: a save writes ", Quoted(write.value), ".");
    }
    if (!screenWritten && !check.files.stored.Value(Setting::Screen).IsEmpty())
        SettingsFinding(check, Code::StoredModeKept, Setting::Screen, Quoted(check.files.stored.Value(Setting::Screen)),
                        " is a mode this edition does not offer: Tunewick shows no selection and a save keeps it.");
}

void ReportPicture(Check& check) {
    Report& report = check.report;
    Text& line = report.Add(Group::Tunewick, "picture");
    const Text& picture = check.files.pictureFile;
    if (picture.IsEmpty()) {
        line.Set("none: an empty frame");
        // Tunewick leaves a cut path empty, and it is reported as cut.
        SettingText<Setting::SettingsPic> asRead;
        if (ReadSettingState(Setting::SettingsPic, Program::Tunewick, asRead, check.files.settingsFile.Get()) !=
            ValueState::Cut)
            SettingsFinding(check, Code::PictureNone, Setting::SettingsPic,
                            "SettingsPic is empty: Tunewick's picture frame stays empty.");
        return;
    }
    long width = 0;
    long height = 0;
    if (!platform::IsFile(picture.Get())) {
        Say(line, Quoted(picture), ": no such file, an empty frame");
        SettingsFinding(check, Code::PictureMissing, Setting::SettingsPic, "There is no file ", Quoted(picture),
                        ": Tunewick's picture frame stays empty.");
        return;
    }
    if (!platform::BitmapSize(picture.Get(), width, height)) {
        Say(line, Quoted(picture), ": not a Windows bitmap, an empty frame");
        SettingsFinding(check, Code::PictureNotBitmap, Setting::SettingsPic, Quoted(picture),
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
        SettingsFinding(check, Code::PictureStretched, Setting::SettingsPic,
                        "The picture's shape differs from the frame's: it is shown stretched. A picture of ",
                        Count{static_cast<std::size_t>(frameWidth)}, " x ", Count{static_cast<std::size_t>(frameHeight)},
                        " pixels fills the frame unstretched here.");
}

void ReportWindowIcon(Check& check, bool iconsSet) {
    Report& report = check.report;
    Text& icon = report.Add(Group::Tunewick, "window icon");
    if (!iconsSet) {
        icon.Set(IsFlagSet(check.files.iconFlag) ? "its own (SIcon is too long for its key)" : "its own (SI is not TRUE)");
        return;
    }
    unsigned icons = platform::CountIcons(check.files.iconFile.Get());
    if (icons == platform::kIconsNotCounted) {
        Say(icon, Quoted(check.files.iconFile), ", a program or library: its icons are not counted on this system");
        return;
    }
    Say(icon, Quoted(check.files.iconFile), icons ? ": its first icon" : ": no icon in it, so none");
    if (!icons)
        SettingsFinding(check, Code::WindowIconNone, Setting::SIcon, "SI is TRUE, but ", Quoted(check.files.iconFile),
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

void ReportAfterSave(Check& check) {
    Report& report = check.report;
    Text& after = report.Add(Group::Tunewick, "after Save & Exit");
    SettingText<Setting::LaunchExe> launchExe;
    switch (DialogLoad::ProgramAfterSave(check.files.settingsFile.Get(), launchExe)) {
        case DialogLoad::AfterSave::OpensNothing:
            after.Set("opens nothing (RunGame is not TRUE)");
            return;
        case DialogLoad::AfterSave::LaunchExeCut:  // reported as a cut path
            after.Set("opens nothing: LaunchExe is too long for its key");
            return;
        case DialogLoad::AfterSave::LaunchExeEmpty:
            after.Set("opens nothing: LaunchExe is empty");
            SettingsFinding(check, Code::LaunchExeEmpty, Setting::LaunchExe,
                            "RunGame is TRUE but LaunchExe is empty: nothing is opened after a save.");
            return;
        case DialogLoad::AfterSave::LaunchExeFolder:
            after.Set("opens nothing: LaunchExe names a folder");
            SettingsFinding(check, Code::LaunchExeNotFound, Setting::LaunchExe, Quoted(launchExe),
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
    const char* where = !exists                 ? " (not in the game folder)"
                        : InGameFolder(program) ? " (in the game folder)"
                                                : " (outside the game folder)";
    Say(after, "opens ", Quoted(launchExe), where);
    if (exists && !NamesAProgram(program.Get()))
        SayMore(after, ", no program: opened with the program its type belongs to, if any");
    if (!exists)
        SettingsFinding(check, Code::LaunchExeNotFound, Setting::LaunchExe, Quoted(launchExe),
                        " is not in the game folder: unless Windows finds it elsewhere, nothing is opened.");
}

}  // namespace

const RecordedList& AccelerationInTheOtherMode(Check& check) {
    bool software = check.lists.software.checked;
    check.lists.software.checked = !software;
    check.lists.hardware.checked = software;
    if (software)
        check.model.HardwareCommand();
    else
        check.model.SoftwareCommand();
    return check.lists.acceleration;
}

void CheckTunewick(Check& check) {
    RecordedWindow window;
    DialogLoad::Load(check.files, window, check.model);
    Say(check.report.Add(Group::Tunewick, "caption"), Quoted(check.files.caption));
    ReportEdition(check);
    ReportChoices(check);
    ReportSave(check);
    ReportPicture(check);
    ReportWindowIcon(check, window.iconsSet);
    ReportAfterSave(check);
}

}  // namespace GameFolderCheck
