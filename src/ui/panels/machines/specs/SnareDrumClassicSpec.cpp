#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/specs/MachinePanelSpecs.h"

const MachinePanelSpec& MachinePanelSpecs::snareDrumClassic()
{
    static const MachinePanelSpec spec {
        15, &analogFamily,
        {
            { "Tune", Sound_SdClassicTune, ControlKind::tune, "Sets the common pitch of the oscillators." },
            { "Detune", Sound_SdClassicDetune, ControlKind::unipolar, "Sets the pitch of the second oscillator in relation to the first." },
            { "Osc Balance", Sound_SdClassicOscBalance, ControlKind::bipolar, "Sets the balance between the levels of oscillator 1 and oscillator 2." },
            { "Decay Time", Sound_SdClassicDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "Snap Amount", Sound_SdClassicSnapAmount, ControlKind::unipolar, "Sets the amount of snap." },
            { "Noise Decay", Sound_SdClassicNoiseDecay, ControlKind::unipolar, "Sets the length of the noise decay phase." },
            { "Noise Level", Sound_SdClassicNoiseLevel, ControlKind::unipolar, "Sets the noise level." },
            { "Overdrive", Sound_SdClassicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return spec;
}
