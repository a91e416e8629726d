#pragma once
// What Tunewick reads when its dialog opens, in the order it reads it, and
// what Save & Exit opens afterwards. The dialog calls these on its window;
// the authors' check calls them on lists that only remember.
#include "../config/Platform.h"  // kMaxPath
#include "DialogTexts.h"
#include "SettingsModel.h"

// Everything the dialog reads; kept for the process's life.
struct DialogFiles {
    FixedText<kMaxPath> languageFile;
    FixedText<kMaxPath> settingsFile;
    bool settingsFileFound = false;
    SettingText<Setting::Title> gameTitle;
    SettingText<Setting::SettingsPic> pictureFile;  // empty: an empty frame (none, or too long for its key)
    SettingText<Setting::SI> iconFlag;
    SettingText<Setting::SIcon> iconFile;  // empty when too long for its key
    StoredChoices stored;
    SettingText<Setting::QFV> edition;
    ListTexts listTexts;
    FixedText<kCaptionCapacity> caption;
};

// The dialog's window: its icons and caption, and its labels.
class DialogWindow : public LabelTarget {
public:
    // Takes the first icon of the file as the window's icons.
    virtual void SetWindowIcons(const char* iconFile) = 0;
    virtual void SetCaption(const Text& caption) = 0;

protected:
    ~DialogWindow() = default;
};

namespace DialogLoad {

// Locates both files, reads the game title, picture and window icon (set
// only when SI is "TRUE" and SIcon fits its key), the caption, the labels,
// the stored choices, the edition and the list texts, and loads the model.
void Load(DialogFiles& files, DialogWindow& window, SettingsModel& model);

enum class AfterSave {
    OpensNothing,     // RunGame is not "TRUE"
    LaunchExeCut,     // LaunchExe is too long for its key: cut, it names another file
    LaunchExeEmpty,   // nothing named: the shell, asked for "", may open a file-manager window
    LaunchExeFolder,  // a folder is no program: the shell would open a file-manager window over the game
    OpensLaunchExe,   // the shell is asked to open launchExe
};

// What Save & Exit opens once the settings are saved.
AfterSave ProgramAfterSave(const char* settingsFile, SettingText<Setting::LaunchExe>& launchExe);

}  // namespace DialogLoad
