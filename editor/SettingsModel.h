#pragma once
// Tunewick's choices without its window: what the player is offered, how the
// stored options become selections, how detail and rendering constrain the
// other lists, and what a save writes. The state lives in the controls.
#include "ChoiceControls.h"
#include "DialogTexts.h"
#include "StoredChoices.h"

class SettingsModel {
public:
    explicit SettingsModel(const ChoiceControls& controls) : controls_(controls) {}

    void Load(const StoredChoices& stored, const Text& edition, const ListTexts& texts);

    // For every command the detail list sends, whatever its kind: normal
    // detail allows 16 bits only; on "Maxor", advanced detail re-selects 32.
    void DetailCommand();
    // After the platform has moved the check mark.
    void HardwareCommand();
    void SoftwareCommand();

    // The writes into [Tunewick], in order. A list with no selection writes
    // nothing, so the value stored before survives.
    TunewickWrites Save() const;

private:
    void Describe(const Text& acceleration);
    void OfferDepths(bool deepColour, int selected);

    ChoiceControls controls_;
    SettingText<Setting::QFV> edition_;
    ListTexts texts_;
};
