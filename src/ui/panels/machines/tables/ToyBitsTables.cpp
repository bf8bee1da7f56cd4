#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// SY TOY and SY BITS of tracks T1 to T8. SY BITS tunes its second oscillator
// with a second fine knob and has no Punch switch.

const MachinePanelTable& MachinePanelTables::digitalToy()
{
    static const MachinePanelTable table {
        36, &digitalFamily,
        {
            { "Tune", Sound_MCToyTune, ControlKind::tune, digitalTuneHelp },
            { "Form", Sound_MCToyStructure, ControlKind::unipolar,
              "Changes the ratios between the operators. Using a modal like synthesis this parameter approximates different materials." },
            { "Punch", Sound_MCToyPunch, ControlKind::onOff, digitalPunchHelp },
            { "Decay", Sound_MCToyDecay, ControlKind::unipolar, digitalDecayHelp },
            { "Impact", Sound_MCToyImpact, ControlKind::unipolar,
              "Sets the modulation and feedback depth of the modulator. This parameter controls the amount of additional overtones, "
              "basically the impact of a stroke against the material." },
            { "Brightness", Sound_MCToyBrightness, ControlKind::unipolar, "Sets the level of the partials frequencies above the fundamental." },
            { "Partial Decay", Sound_MCToyPartialDecay, ControlKind::unipolar, "Controls the decay and end levels of the partials/impact." },
            { "Overdrive", Sound_MCToyLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::digitalBits()
{
    static const MachinePanelTable table {
        37, &digitalFamily,
        {
            { "Tune", Sound_MCBitsTune, ControlKind::tune, digitalTuneHelp },
            { "Detune", Sound_MCBitsDetune, ControlKind::tune, "Sets the tuning of oscillator 2, relative to oscillator 1." },
            { "Balance", Sound_MCBitsBalance, ControlKind::unipolar,
              "Sets the mix between the oscillators and the noise. At a value of 0 it produces only noise. 1-64 fades in oscillator 1 "
              "and fades out the noise. 64-127 fades in oscillator 2 and keeps fading out the noise." },
            { "Decay", Sound_MCBitsDecay, ControlKind::unipolar, digitalDecayHelp },
            // Two blanks after the first sentence, as this help text has always had.
            { "Waveform", Sound_MCBitsWaveform, ControlKind::unipolar,
              "Sets the waveform of the oscillators.  The parameter snaps to the pure waveforms. A value above 64 narrows the duty cycle "
              "of the square waveform. Setting WAVE to 96, and then modulate it with an LFO with DEPTH set to 32 will create full range "
              "pulse width modulation." },
            MachineColumn ("Sample Rate Redux", Sound_MCBitsSampleRateRedux, ControlKind::unipolar, "Sets the amount of sample rate reduction.")
                .withCaptionWiden (8),
            { "Bit Redux", Sound_MCBitsBitRedux, ControlKind::unipolar, "Sets the bit rate. The parameter range is from 16 bits to 2 bits." },
            { "Overdrive", Sound_MCBitsLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
