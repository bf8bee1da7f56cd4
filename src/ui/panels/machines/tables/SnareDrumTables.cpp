#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The snare drums of tracks T9 to T11: a tune knob, six knobs and the overdrive.

const MachinePanelTable& MachinePanelTables::snareDrumClassic()
{
    static const MachinePanelTable table {
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
    return table;
}

const MachinePanelTable& MachinePanelTables::snareDrumHard()
{
    static const MachinePanelTable table {
        14, &analogFamily,
        {
            { "Tune", Sound_SdHardTune, ControlKind::tune, "Sets the pitch of the oscillators. The interval between them is fixed." },
            { "Sweep Time", Sound_SdHardSweepTime, ControlKind::unipolar, "Sets the pitch sweep time." },
            { "Sweep Depth", Sound_SdHardSweepDepth, ControlKind::unipolar, "Sets the depth of the pitch sweep." },
            { "Decay Time", Sound_SdHardDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "Tick Level", Sound_SdHardTickLevel, ControlKind::unipolar, "Sets the level of the transient tick." },
            { "Noise Decay", Sound_SdHardNoiseDecay, ControlKind::unipolar, "Sets the length of the noise decay phase." },
            { "Noise Level", Sound_SdHardNoiseLevel, ControlKind::unipolar, "Sets the noise level." },
            { "Overdrive", Sound_SdHardLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::snareDrumFM()
{
    static const MachinePanelTable table {
        16, &analogFamily,
        {
            { "Tune", Sound_SdFmTune, ControlKind::tune, "Sets the pitch of the first (modulated) oscillator." },
            { "FM Tune", Sound_SdFmFmTune, ControlKind::bipolar, "Sets the pitch of the second (modulating) oscillator." },
            MachineColumn ("FM Decay Time", Sound_SdFmFmDecayTime, ControlKind::unipolar,
                           "Sets the decay time of the second (modulating) oscillator.")
                .withCaptionWiden (2),
            { "Decay Time", Sound_SdFmDecayTime, ControlKind::unipolar, "Sets the decay time of the first (modulated) oscillator." },
            { "FM Amount", Sound_SdFmFmAmount, ControlKind::unipolar,
              "Sets the amount of frequency modulation from the second oscillator to the first." },
            { "Noise Decay", Sound_SdFmNoiseDecay, ControlKind::unipolar, "Sets the length of the noise decay phase." },
            { "Noise Level", Sound_SdFmNoiseLevel, ControlKind::unipolar, "Sets the noise level." },
            { "Overdrive", Sound_SdFmLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::snareDrumNatural()
{
    static const MachinePanelTable table {
        17, &analogFamily,
        {
            { "Tune", Sound_SdNaturalTune, ControlKind::tune, "Sets the pitch of the first oscillator." },
            { "Noise Decay", Sound_SdNaturalNoiseDecay, ControlKind::unipolar, "Sets the length of the noise decay phase." },
            { "Noise Balance", Sound_SdNaturalNoiseBalance, ControlKind::unipolar, "Sets the balance between the noise and the oscillator." },
            { "Body Decay", Sound_SdNaturalBodyDecay, ControlKind::unipolar, "Sets the length of the decay phase of the oscillator." },
            { "Noise HPF", Sound_SdNaturalNoiseHPF, ControlKind::unipolar, "Sets the highpass filtering cutoff frequency." },
            MachineColumn ("Noise LPF", Sound_SdNaturalNoiseLPF, ControlKind::unipolar, "Sets the lowpass filtering cutoff frequency.")
                .withCaptionWiden (-4),
            MachineColumn ("Noise Resonance", Sound_SdNaturalNoiseResonance, ControlKind::unipolar,
                           "Adds a resonant peak to the Noise LPF. Zero value quenches noise resonance altogether.")
                .withCaptionWiden (6),
            { "Overdrive", Sound_SdNaturalLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
