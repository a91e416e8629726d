// The catalogues translators work in: every text of the language file with
// where it shows, its room and its Alt letter.
#include "Catalogue.h"

#include <cstdio>
#include <iterator>

#include "../../config/GameSettingsFile.h"
#include "../../config/Platform.h"
#include "../../config/ProfileStore.h"
#include "../../config/SettingsFileLocator.h"
#include "../../editor/DialogTexts.h"
#include "../../editor/TextFit.h"
#include "../check/CheckPlatform.h"
#include "../check/Message.h"
#include "Version.h"

namespace Catalogue {
namespace {

struct Place {
    int controlId;
    Kind kind;
    const char* where;
};

// The controls of Tunewick's dialog that show a text of the language file
// (1 and 2: the OK and Cancel buttons, as Windows numbers them).
// The labels and frames stand after all the lists in the template, so Alt
// with a letter they mark moves the focus to the first list: the adapter's.
constexpr Place kPlaces[] = {
    {IDC_GRAPHICS_FRAME, Kind::Frame, "the caption of the frame around the graphics choices"},
    {IDC_ADAPTER_LABEL, Kind::Label, "the label above the display adapter list"},
    {IDC_ACCELERATION_LABEL, Kind::Label, "the label above the rendering list"},
    {IDC_RESOLUTION_LABEL, Kind::Label, "the label above the resolution list"},
    {IDC_COLOUR_DEPTH_LABEL, Kind::Label, "the label above the colour depth list"},
    {IDC_HARDWARE, Kind::Choice, "the radio button that picks hardware rendering"},
    {IDC_SOFTWARE, Kind::Choice, "the radio button that picks software rendering (right-aligned)"},
    {IDC_WINDOWED, Kind::Choice, "the check box for windowed mode (right-aligned)"},
    {IDC_DETAIL_LABEL, Kind::Label, "the label beside the detail list"},
    {IDC_CONTROLS_FRAME, Kind::Frame, "the caption of the frame around the joypad and mouse choices"},
    {IDC_DISABLE_JOYPAD, Kind::Choice, "the check box that makes the game ignore the joypad"},
    {IDC_DISABLE_MOUSE, Kind::Choice, "the check box that makes the game ignore the mouse"},
    {1, Kind::Button, "the button that saves and closes (also Enter)"},
    {2, Kind::Button, "the button that closes without saving (also Escape)"},
    {IDC_ADAPTER, Kind::ListItem, "an item of the display adapter list"},
    {IDC_ACCELERATION, Kind::ListItem, "an item of the rendering list"},
    {IDC_DETAIL, Kind::ListItem, "an item of the detail list"},
    {IDC_COLOUR_DEPTH, Kind::ListItem, "an item of the colour depth list"},
};

struct Entries {
    Entry items[kEntryCount];
    Entries() {
        std::size_t n = 0;
        for (const char* key : kCaptionKeys) items[n++] = {kCaptionSection, key, "", 0};
        for (const LabelKey& label : kLabels) items[n++] = {kLabelSection, label.name, label.fallback, label.controlId};
        for (const ListTextKey& text : kListTextKeys)
            items[n++] = {text.section, text.name, text.fallback, text.controlId};
    }
};
static_assert(std::size(kCaptionKeys) + std::size(kLabels) + std::size(kListTextKeys) == kEntryCount);

const Place* PlaceFor(int controlId) {
    for (const Place& place : kPlaces)
        if (place.controlId == controlId && controlId) return &place;
    return nullptr;
}

// A text between quotes as a catalogue holds it: '\' and '"' escaped, line
// breaks and tabs as \n and \t.
void AppendQuoted(Text& out, const char* utf8) {
    out.Append("\"");
    for (const char* c = utf8; *c; ++c) {
        const char* escaped = *c == '"' ? "\\\"" : *c == '\\' ? "\\\\" : *c == '\n' ? "\\n" : *c == '\t' ? "\\t" : nullptr;
        if (escaped)
            out.Append(escaped);
        else
            out.Append(c, 1);
    }
    out.Append("\"\n");
}

// Text of the game folder's files, in the system's code page, as the
// catalogue's UTF-8: every byte of a catalogue is UTF-8, comments included.
const char* Utf8Of(const char* filesText) {
    static char utf8[3 * check_platform::kMostUtf8Characters + 1];
    check_platform::FilesTextToUtf8(filesText, utf8);
    return utf8;
}

void AppendUtf8Quoted(Text& out, const char* filesText) {
    AppendQuoted(out, Utf8Of(filesText));
}

// The comments of one entry: where it shows, its room, its Alt letter.
void AppendComments(Text& out, const Entry& entry, const LanguageText* texts, const char* gameTitle) {
    if (!entry.controlId) {
        SayMore(out, "#. The window's caption is PreTitle, a blank, the game's title (\"", Utf8Of(gameTitle),
                "\"), a blank and PostTitle; each blank only beside a part that is not empty.\n");
        return;
    }
    SayMore(out, "#. Shown as ", PlaceOf(entry.controlId), ".\n");
    TextFit fit;
    if (!check_platform::MeasureText(entry.controlId, entry.english, fit))
        out.Append("#. Room: not measured (this build makes no dialog: run the Windows Wickcheck).\n");
    else
        SayMore(out, "#. Room: ", Count{static_cast<std::size_t>(fit.room)}, " pixels, about ",
                Count{static_cast<std::size_t>(fit.averageCharWidth ? fit.room / fit.averageCharWidth : 0)},
                " characters of average width, in Tunewick's dialog on the system this was made on.\n");
    Kind kind = KindOf(entry.controlId);
    if (kind == Kind::ListItem) {
        out.Append("#. An item of a list: '&' shows as it stands.\n");
        return;
    }
    if (kind == Kind::Label || kind == Kind::Frame) {
        out.Append("#. Mark no Alt letter here: Alt with a letter marked by '&' here moves the focus to the "
                   "display adapter list, whichever label or frame marks it. Write && for one '&'.\n");
        return;
    }
    out.Append("#. A single & marks the next letter as its Alt letter; && shows one '&'. The other texts mark:");
    bool any = false;
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        char letter = MarkedLetter(texts[i].Get());
        if (&EntryAt(i) == &entry || !letter) continue;
        char shown[2] = {letter, '\0'};
        SayMore(out, any ? ", " : " ", Utf8Of(shown));
        any = true;
    }
    out.Append(any ? ".\n" : " none.\n");
}

}  // namespace

const Entry& EntryAt(std::size_t index) {
    static const Entries entries;
    return entries.items[index];
}

Kind KindOf(int controlId) {
    const Place* place = PlaceFor(controlId);
    return place ? place->kind : Kind::Caption;
}

const char* PlaceOf(int controlId) {
    const Place* place = PlaceFor(controlId);
    return place ? place->where : "a part of the window's caption";
}

char MarkedLetter(const char* text) {
    for (const char* c = text; *c; ++c) {
        if (*c != '&') continue;
        if (*++c != '&') return *c;
    }
    return 0;
}

bool WriteCatalogue(const char* file, const char* languageFile, const char* gameTitle) {
    // The texts as the translation has them, or the English ones: their letters are named.
    static LanguageText texts[kEntryCount];
    static LanguageText translated[kEntryCount];
    bool set[kEntryCount] = {};
    constexpr char kUnset[] = "\x01";
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const Entry& entry = EntryAt(i);
        texts[i].Set(entry.english);
        if (!languageFile) continue;
        ProfileStore::ReadValue(entry.section, entry.key, kUnset, kLanguageTextCapacity, translated[i], languageFile);
        set[i] = !translated[i].Equals(kUnset);
        if (set[i]) texts[i].Set(translated[i]);
    }
    static FixedText<128 * 1024> out;
    out.Clear();
    SayMore(out, "# Tunewick's texts", languageFile ? ", with a game's translation" : "",
            ". Translate each msgstr; keep msgctxt, the section and key in the language file.\n"
            "msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: Tunewick " TUNEWICK_VERSION "\\n\"\n"
            "\"PO-Revision-Date: YEAR-MO-DA HO:MI+ZONE\\n\"\n\"Last-Translator: \\n\"\n\"Language-Team: \\n\"\n"
            "\"Language: \\n\"\n\"MIME-Version: 1.0\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
            "\"Content-Transfer-Encoding: 8bit\\n\"\n");
    for (std::size_t i = 0; i < kEntryCount; ++i) {
        const Entry& entry = EntryAt(i);
        out.Append("\n");
        AppendComments(out, entry, texts, gameTitle);
        SayMore(out, "msgctxt \"", entry.section, "/", entry.key, "\"\nmsgid ");
        AppendQuoted(out, entry.english);
        out.Append("msgstr ");
        AppendUtf8Quoted(out, set[i] ? translated[i].Get() : "");
    }
    if (!check_platform::WriteFileWhole(file, out.Get(), out.Length())) {
        std::fprintf(stderr, "Wickcheck: %s could not be written\n", file);
        return false;
    }
    return true;
}

int WriteFolderCatalogue(const char* file, bool withTranslation) {
    FixedText<kMaxPath> settingsFile;
    FixedText<kMaxPath> languageFile;
    SettingsFileLocator::Locate(kSettingsFilePattern, settingsFile);
    SettingsFileLocator::Locate(kLanguageFilePattern, languageFile);
    SettingText<Setting::Title> title;
    ReadSetting(Setting::Title, Program::Tunewick, title, settingsFile.Get());
    if (withTranslation && languageFile.IsEmpty())
        std::fprintf(stderr, "Wickcheck: there is no System\\*.lng: every text of %s is untranslated\n", file);
    bool written = WriteCatalogue(file, withTranslation ? languageFile.Get() : nullptr, title.Get());
    TextFit fit;
    bool measured = check_platform::MeasureText(IDC_ADAPTER_LABEL, "", fit);
    check_platform::CloseDialog();
    if (!written) return 4;
    std::printf("Wrote %s: %zu texts%s%s; %s.\n", file, kEntryCount, withTranslation ? ", translated as in " : "",
                withTranslation ? (languageFile.IsEmpty() ? "no language file" : languageFile.Get()) : "",
                measured ? "each with its room in Tunewick's dialog as it is laid out here"
                         : "no rooms: this build makes no dialog (the Windows Wickcheck measures them)");
    return 0;
}

}  // namespace Catalogue
