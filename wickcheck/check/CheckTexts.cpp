// Tunewick's texts as its dialog shows them: the letters they mark for Alt,
// and, where a dialog can be made, whether each fits its control.
#include <iterator>

#include "../../config/AsciiCase.h"
#include "../../editor/DialogTexts.h"
#include "../../editor/RecordedChoices.h"
#include "../catalogue/Catalogue.h"
#include "CheckPlatform.h"
#include "GameFolderCheck.h"

namespace GameFolderCheck {
namespace {

// The labels as Tunewick reads them, in the order of kLabels.
struct Labels : LabelTarget {
    LanguageText texts[std::size(kLabels)];
    void SetLabel(int controlId, const Text& text) override {
        for (std::size_t i = 0; i < std::size(kLabels); ++i)
            if (kLabels[i].controlId == controlId) texts[i].Set(text);
    }
};

char MarkedLetter(const Text& text) {
    return Catalogue::MarkedLetter(text.Get());
}

// A marked letter as Alt+ names it: an ASCII letter as its capital.
struct AltLetter {
    explicit AltLetter(char letter)
        : text{letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter, '\0'} {}
    char text[2];
};

void AppendPart(Text& out, const AltLetter& letter) {
    out.Append(letter.text);
}

// How two marked letters meet. Letter case aside for ASCII, as the dialog
// matches them; past ASCII Windows documents no letter case for mnemonics,
// and Wine keeps a capital and its small letter apart.
enum class Clash { None, Same, CaseBeyondAscii };

Clash ClashOf(char a, char b) {
    if (!a || !b) return Clash::None;
    if (LowerAscii(a) == LowerAscii(b)) return Clash::Same;
    bool beyondAscii = static_cast<unsigned char>(a) >= 0x80 && static_cast<unsigned char>(b) >= 0x80;
    return beyondAscii && check_platform::LowerLetter(a) == check_platform::LowerLetter(b) ? Clash::CaseBeyondAscii
                                                                                          : Clash::None;
}

// Each text against the first before it that marks the same letter, or
// else the first that marks it in the other case past ASCII.
void ReportMnemonicClashes(Check& check, const Labels& labels) {
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        char letter = MarkedLetter(labels.texts[i]);
        std::size_t same = i;
        std::size_t otherCase = i;
        for (std::size_t j = 0; letter && j < i; ++j) {
            Clash clash = ClashOf(letter, MarkedLetter(labels.texts[j]));
            if (clash == Clash::Same && same == i) same = j;
            if (clash == Clash::CaseBeyondAscii && otherCase == i) otherCase = j;
        }
        std::size_t j = same < i ? same : otherCase;
        if (j == i) continue;
        const AltLetter shown(letter);
        char otherShown[2] = {MarkedLetter(labels.texts[j]), '\0'};
        Finding* finding = check.report.findings.Add(Code::MnemonicClash, CheckedFile::Language, kLabelSection,
                                                     kLabels[i].name,
                                                     check.languageOutline.LineOf(kLabelSection, kLabels[i].name),
                                                     same < i ? Level::Warning : Level::Note);
        if (same < i)
            Say(finding->message, Quoted(labels.texts[i]), " marks Alt+", shown, " as ", kLabels[j].name, "'s ",
                Quoted(labels.texts[j]), " does: Alt+", shown, " reaches only the first of them.");
        else
            Say(finding->message, Quoted(labels.texts[i]), " marks Alt+", shown, ", ", kLabels[j].name, "'s ",
                Quoted(labels.texts[j]), " Alt+", otherShown,
                ": the same letter but for its case. Windows documents no letter case for such letters; Wine keeps "
                "the two apart.");
    }
}

// A label's Alt letter moves the focus to the adapter list, whichever label
// marks it: the labels stand after every list in the dialog's template. The
// adapter's own label alone reaches its list so.
void ReportLabelMnemonics(Check& check, const Labels& labels) {
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        char letter = MarkedLetter(labels.texts[i]);
        if (!letter || Catalogue::KindOf(kLabels[i].controlId) != Catalogue::Kind::Label ||
            kLabels[i].controlId == IDC_ADAPTER_LABEL)
            continue;
        const AltLetter shown(letter);
        Say(check.report.findings
                .Add(Code::LabelMnemonic, CheckedFile::Language, kLabelSection, kLabels[i].name,
                     check.languageOutline.LineOf(kLabelSection, kLabels[i].name))
                ->message,
            Quoted(labels.texts[i]), " marks Alt+", shown,
            ", which moves the focus to the display adapter list, the first list after the labels: the list this "
            "label names cannot be reached by it.");
    }
}

// Measures one text against its control; a cut one is a finding. A text the
// language file does not set is Tunewick's own: cut here, it is noted once.
struct Measure {
    Check& check;
    std::size_t measured = 0;
    std::size_t cut = 0;
    bool ownNoted = false;

    void Text(int controlId, const char* section, const char* key, const ::Text& text) {
        TextFit fit;
        if (!check_platform::MeasureText(controlId, text.Get(), fit)) return;
        ++measured;
        if (fit.width <= fit.room) return;
        ++cut;
        std::size_t line = check.languageOutline.LineOf(section, key);
        bool own = line == 0;
        if (own && ownNoted) return;
        ownNoted = ownNoted || own;
        FixedText<kLanguageTextCapacity + 8> shows;
        if (fit.showsEnd) shows.Set("...");
        shows.Append(text.Get() + (fit.showsEnd ? text.Length() - fit.shown : 0), fit.shown);
        if (!fit.showsEnd) shows.Append("...");
        Level level = own ? Level::Note : Level::Warning;
        Say(check.report.findings.Add(Code::TextCut, CheckedFile::Language, section, key, line, level)->message,
            Quoted(text), " is ", Count{static_cast<std::size_t>(fit.width)}, " pixels wide; its control gives it ",
            Count{static_cast<std::size_t>(fit.room)}, ": the player reads ", Quoted(shows),
            own ? " (Tunewick's own text: the language file does not set it)." : ".");
    }
};

// Every text Tunewick shows from the language file, in the control that
// shows it: the labels, and each item of the lists as the closed list shows it.
void ReportTextsCut(Check& check, const Labels& labels) {
    Report& report = check.report;
    Measure measure{check};
    for (std::size_t i = 0; i < std::size(kLabels); ++i)
        measure.Text(kLabels[i].controlId, kLabelSection, kLabels[i].name, labels.texts[i]);
    ListTexts listTexts;
    DialogTexts::ReadListTexts(report.languageFile.Get(), listTexts);
    auto measureItems = [&measure, &listTexts](const RecordedList& list, int controlId) {
        for (int item = 0; item < list.Count(); ++item)
            for (const ListTextKey& key : kListTextKeys)
                if ((listTexts.*key.text).Equals(list.Item(item))) {
                    measure.Text(controlId, key.section, key.name, listTexts.*key.text);
                    break;
                }
    };
    const RecordedChoices& lists = check.lists;
    measureItems(lists.adapter, IDC_ADAPTER);
    measureItems(lists.detail, IDC_DETAIL);
    measureItems(lists.colourDepth, IDC_COLOUR_DEPTH);
    measureItems(lists.acceleration, IDC_ACCELERATION);
    measureItems(AccelerationInTheOtherMode(check), IDC_ACCELERATION);
    Text& fact = report.Add(Group::Tunewick, "texts");
    if (!measure.measured)
        fact.Set("not measured: no dialog can be made on this system");
    else
        Say(fact, Count{measure.measured}, " measured in their controls as the dialog lays them out here, ",
            Count{measure.cut}, " cut");
}

}  // namespace

void CheckTexts(Check& check) {
    Labels labels;
    DialogTexts::ReadLabels(check.report.languageFile.Get(), labels);
    ReportMnemonicClashes(check, labels);
    ReportLabelMnemonics(check, labels);
    ReportTextsCut(check, labels);
}

}  // namespace GameFolderCheck
