#include "SettingsModel.h"

#include "DisplayModes.h"

void SettingsModel::Load(const StoredChoices& stored, const Text& edition, const ListTexts& texts) {
    edition_.Set(edition);
    texts_ = texts;

    controls_.adapter.Empty();
    controls_.adapter.Add(texts.primary.Get());
    controls_.adapter.Add(texts.secondary1.Get());
    controls_.adapter.Add(texts.secondary2.Get());
    controls_.adapter.Select(0);

    controls_.detail.Empty();
    controls_.detail.Add(texts.normalDetail.Get());
    controls_.detail.Add(texts.advancedDetail.Get());
    controls_.detail.Select(0);

    controls_.resolution.Empty();
    for (std::size_t i = 0; i < OfferedResolutions(edition); ++i) controls_.resolution.Add(kResolutions[i].label);
    controls_.resolution.Select(kDefaultResolution);

    OfferDepths(OffersDeepColour(edition), kDepth16);

    for (int i = 1; i < 3; ++i)
        if (stored.Value(Setting::CardNo).Equals(kAdapterOptions[i])) controls_.adapter.Select(i);

    if (stored.Value(Setting::Detail).IsEmpty()) controls_.detail.Select(1);

    // A mode the edition does not offer leaves its list without a selection.
    for (std::size_t i = 0; i < kResolutionCount; ++i) {
        if (stored.Value(Setting::Screen).Equals(kResolutions[i].option16) || stored.Value(Setting::Screen).Equals(kResolutions[i].option32))
            controls_.resolution.Select(static_cast<int>(i));
        if (stored.Value(Setting::Screen).Equals(kResolutions[i].option16)) controls_.colourDepth.Select(kDepth16);
        if (stored.Value(Setting::Screen).Equals(kResolutions[i].option32)) controls_.colourDepth.Select(kDepth32);
    }

    if (stored.Value(Setting::Win).Equals(kWindowedOption)) controls_.windowed.Check();
    if (stored.Value(Setting::JPd).Equals(kNoJoypadOption)) controls_.joypadDisabled.Check();
    if (stored.Value(Setting::MSd).Equals(kNoMouseOption)) controls_.mouseDisabled.Check();

    bool software = stored.Value(Setting::Software).Equals(kSoftwareOption);
    if (software)
        controls_.software.Check();
    else
        controls_.hardware.Check();
    Describe(software ? texts.softEmulation : texts.direct3D);
}

void SettingsModel::Describe(const Text& acceleration) {
    controls_.acceleration.Empty();
    controls_.acceleration.Add(acceleration.Get());
    controls_.acceleration.Select(0);
}

void SettingsModel::OfferDepths(bool deepColour, int selected) {
    controls_.colourDepth.Empty();
    controls_.colourDepth.Add(texts_.depth16.Get());
    if (deepColour) controls_.colourDepth.Add(texts_.depth32.Get());
    controls_.colourDepth.Select(selected);
}

void SettingsModel::DetailCommand() {
    if (controls_.detail.Selected() == 0) OfferDepths(false, kDepth16);
    if (OffersDeepColour(edition_) && controls_.detail.Selected() == 1) OfferDepths(true, kDepth32);
}

void SettingsModel::HardwareCommand() {
    if (controls_.hardware.IsChecked()) Describe(texts_.direct3D);
}

void SettingsModel::SoftwareCommand() {
    if (controls_.software.IsChecked()) Describe(texts_.softEmulation);
}

TunewickWrites SettingsModel::Save() const {
    TunewickWrites writes;
    int adapter = controls_.adapter.Selected();
    if (adapter >= 0 && adapter < 3) writes.Add(Setting::CardNo, kAdapterOptions[adapter]);

    int detail = controls_.detail.Selected();
    if (detail == 0) writes.Add(Setting::Detail, kNormalDetailOption);
    if (detail == 1) writes.Add(Setting::Detail, "");

    int resolution = controls_.resolution.Selected();
    int depth = controls_.colourDepth.Selected();
    if (resolution >= 0 && resolution < static_cast<int>(kResolutionCount) && (depth == kDepth16 || depth == kDepth32)) {
        const Resolution& mode = kResolutions[resolution];
        writes.Add(Setting::Screen, depth == kDepth16 ? mode.option16 : mode.option32);
    }

    writes.Add(Setting::Software, controls_.software.IsChecked() ? kSoftwareOption : "");
    if (controls_.windowed.IsChecked())
        writes.Add(Setting::Win, kWindowedOption, kWindowedKeyWhenSet);
    else
        writes.Add(Setting::Win, "");
    writes.Add(Setting::JPd, controls_.joypadDisabled.IsChecked() ? kNoJoypadOption : "");
    writes.Add(Setting::MSd, controls_.mouseDisabled.IsChecked() ? kNoMouseOption : "");
    return writes;
}
