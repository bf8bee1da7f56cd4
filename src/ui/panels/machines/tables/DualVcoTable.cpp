#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"
#include "ui/widgets/knobs/OscillatorConfigComponent.h"

namespace
{
// The oscillator configuration picker over its 80 configurations; the index
// passes through unchanged.
std::unique_ptr<BaseKnob> makeOscillatorConfigPicker()
{
    auto picker = std::make_unique<OscillatorConfigComponent>();
    picker->setRange (0.0, 79.0, 1.0);
    return picker;
}
} // namespace

// SY DUAL VCO of tracks T9 to T11: two tune knobs of their own ranges, two
// decay knobs that show "Inf" at the top, the configuration picker.
const MachinePanelTable& MachinePanelTables::dualVco()
{
    static const MachinePanelTable table {
        20, &analogFamily,
        {
            { "Osc 1 Tune", Sound_DVCOOsc1Tune, ControlKind::tune, "Sets the pitch of oscillator 1." },
            MachineColumn ("Osc 2 Detune", Sound_DVCOOsc2Detune, ControlKind::tune,
                           "Sets the detuning of oscillator 2 with respect to the tuning of oscillator 1.")
                .withTuneRange (-4096.0, 4096.0),
            MachineColumn ("Osc 1 Decay", Sound_DVCOOsc1Decay, ControlKind::list, "Sets the length of the decay phase for oscillator 1.")
                .withFormatter (infAtMaxFormatter)
                .withControlHeight (57),
            MachineColumn ("Osc 2 Decay", Sound_DVCOOsc2Decay, ControlKind::list, "Sets the length of the decay phase for oscillator 2.")
                .withFormatter (infAtMaxFormatter)
                .withControlHeight (57),
            MachineColumn ("Osc Config", Sound_DVCOOscConfig, ControlKind::list,
                           "Configures the two oscillators, which wave they use and how they interact. + is add, F is feedback, R is Ring mod and FR is feedback + ring mod. The bottom line means reset.")
                .withKnob (makeOscillatorConfigPicker),
            { "Bend", Sound_DVCOBend, ControlKind::bipolar, "Start bend for the oscillators." },
            { "Balance", Sound_DVCOBalance, ControlKind::bipolar, "Balance between the two oscillators." },
            { "Overdrive", Sound_DVCOLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
