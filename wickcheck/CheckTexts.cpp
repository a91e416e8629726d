// Tunewick's texts as its dialog shows them: the letters they mark for Alt,
// and, where a dialog can be made, whether each fits its control.
#include <iterator>

#include "../config/AsciiCase.h"
#include "../editor/DialogTexts.h"
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
Labels labels;  // kept for the process's life

// The letter a text marks for Alt, letter case aside; 0 for none. "&&"
// shows one '&' and marks nothing.
char MarkedLetter(const Text& text) {
    for (const char* c = text.Get(); *c; ++c) {
        if (*c != '&') continue;
        if (*++c != '&') return LowerAscii(*c);
    }
    return 0;
}

void ReportMnemonicClashes(Report& report) {
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        char letter = MarkedLetter(labels.texts[i]);
        for (std::size_t j = 0; letter && j < i; ++j) {
            if (MarkedLetter(labels.texts[j]) != letter) continue;
            char shown[2] = {letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter, '\0'};
            Say(report.findings
                    .Add(Code::MnemonicClash, CheckedFile::Language, kLabelSection, kLabels[i].name,
                         languageOutline.LineOf(kLabelSection, kLabels[i].name))
                    ->message,
                Quoted(labels.texts[i]), " marks Alt+", shown, " as ", kLabels[j].name, "'s ", Quoted(labels.texts[j]),
                " does: Alt+", shown, " reaches only the first of them.");
            break;
        }
    }
}

}  // namespace

void CheckTexts(Report& report) {
    DialogTexts::ReadLabels(report.languageFile.Get(), labels);
    ReportMnemonicClashes(report);
}

}  // namespace GameFolderCheck
