#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The cowbells of track T12 and the classic clap of tracks T9 to T11.

const MachinePanelTable& MachinePanelTables::cowbellClassic()
{
    static const MachinePanelTable table {
        25, &analogFamily,
        {
            { "Tune", Sound_CbClassicTune, ControlKind::bipolar, "Sets the base pitch of the two cowbell oscillators." },
            { "Decay Time", Sound_CbClassicDecayTime, ControlKind::unipolar, "Sets the length of the decay phase of the cowbell sound." },
            { "Detune", Sound_CbClassicDetune, ControlKind::unipolar, "Sets the detune offset of the second oscillator." },
            { "Overdrive", Sound_CbClassicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::cowbellMetallic()
{
    static const MachinePanelTable table {
        29, &analogFamily,
        {
            { "Tune", Sound_CbMetallicTune, ControlKind::bipolar, "Sets the base pitch of the two oscillators" },
            { "Decay Time", Sound_CbMetallicDecay, ControlKind::unipolar,
              "Sets the length of the decay phase of the metallic cowbell sound." },
            { "Detune", Sound_CbMetallicDetune, ControlKind::unipolar, "Sets the detune offset of the second oscillator." },
            { "Overdrive", Sound_CbMetallicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::handClapClassic()
{
    static const MachinePanelTable table {
        21, &analogFamily,
        {
            { "Clap Rate", Sound_ClapClassicRate, ControlKind::unipolar, "Sets the rate of the hand claps." },
            { "Clap Number", Sound_ClapClassicNumber, ControlKind::unipolar, "Sets the number of hand claps." },
            { "Random Claps", Sound_ClapClassicRandom, ControlKind::unipolar, "Randomizes the timing of the hand claps." },
            { "Clap Decay", Sound_ClapClassicDecay, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "Noise Tone", Sound_ClapClassicNoiseTone, ControlKind::unipolar, "Sets the pitch of the noise." },
            { "Noise Decay", Sound_ClapClassicNoiseDecay, ControlKind::unipolar, "Sets the length of the decay phase of the noise." },
            { "Noise Level", Sound_ClapClassicNoiseLevel, ControlKind::unipolar, "Sets the noise level." },
            { "Overdrive", Sound_ClapClassicLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
