#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The digital drums of tracks T1 to T8: the kick, the snare, the metallic
// cymbal and the percussion voice. Each has a Tune knob, five knobs, the Punch
// switch in column 3 and the overdrive slider on the machine's Level.

namespace
{
constexpr const char* pitchSweepHelp = "Sets the depth and time of the pitch sweep.";
constexpr const char* modulationEnvHelp = "Sets the depth of the modulation envelope.";
} // namespace

const MachinePanelTable& MachinePanelTables::digitalKick()
{
    static const MachinePanelTable table {
        0, &digitalFamily,
        {
            { "Tune", Sound_MCKickTune, ControlKind::tune, digitalTuneHelp },
            { "Pitch Sweep", Sound_MCMachinePitchSweep, ControlKind::unipolar, pitchSweepHelp },
            { "Punch", Sound_MCKickPunch, ControlKind::onOff, digitalPunchHelp },
            { "Decay", Sound_MCKickDecay, ControlKind::unipolar, digitalDecayHelp },
            { "Square Mod", Sound_MCKickSquareModulation, ControlKind::unipolar, "Sets the amount of square-like modulation." },
            MachineColumn ("Mod+Fdbk", Sound_MCKickTriangleModFdbk, ControlKind::unipolar,
                           "Sets the amount of triangle-like modulation and feedback.").withCaptionWiden (2),
            { "Modulation Env", Sound_MCMachineModulationEnv, ControlKind::unipolar, modulationEnvHelp },
            { "Overdrive", Sound_MCKickLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::digitalSnare()
{
    static const MachinePanelTable table {
        1, &digitalFamily,
        {
            // "paramter" is how the snare's tune help has always read.
            { "Tune", Sound_MCSnareTune, ControlKind::tune,
              "Offsets the incoming note value. This paramter is bipolar. A setting of 0 leaves the pitch unchanged." },
            { "Pitch Sweep", Sound_MCSnarePitchSweep, ControlKind::unipolar, pitchSweepHelp },
            { "Punch", Sound_MCSnarePunch, ControlKind::onOff, digitalPunchHelp },
            { "Decay", Sound_MCSnareDecay, ControlKind::unipolar, digitalDecayHelp },
            { "Inharmonicity", Sound_MCSnareInharmonicity, ControlKind::unipolar, "Sets the amount of inharmonicity." },
            { "Mod+Fdbk", Sound_MCSnareModFdbk, ControlKind::unipolar, "Sets the amount of modulation and feedback." },
            { "Modulation Env", Sound_MCSnareModulationEnv, ControlKind::unipolar, modulationEnvHelp },
            { "Overdrive", Sound_MCSnareLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::digitalMetal()
{
    static const MachinePanelTable table {
        2, &digitalFamily,
        {
            { "Tune", Sound_MCMetalTune, ControlKind::tune, digitalTuneHelp },
            { "Shimmer", Sound_MCMetalTuneOffsetB, ControlKind::unipolar, "Sets the amount of tune offset B." },
            { "Punch", Sound_MCMetalPunch, ControlKind::onOff, digitalPunchHelp },
            { "Decay", Sound_MCMetalDecay, ControlKind::unipolar, digitalDecayHelp },
            { "Radio", Sound_MCMetalTuneOffsetA, ControlKind::unipolar, "Sets the amount of tune offset A." },
            { "Modulation", Sound_MCMetalModulation, ControlKind::unipolar, "Sets the amount of modulation." },
            { "Modulation Env", Sound_MCMetalModulationEnv, ControlKind::unipolar, modulationEnvHelp },
            { "Overdrive", Sound_MCMetalLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::digitalPerc()
{
    static const MachinePanelTable table {
        3, &digitalFamily,
        {
            { "Tune", Sound_MCPercTune, ControlKind::tune, digitalTuneHelp },
            { "Pitch Sweep", Sound_MCPercPitchSweep, ControlKind::unipolar, pitchSweepHelp },
            { "Punch", Sound_MCPercPunch, ControlKind::onOff, digitalPunchHelp },
            { "Decay", Sound_MCPercDecay, ControlKind::unipolar, digitalDecayHelp },
            { "Inharmonicity", Sound_MCPercInharmonicity, ControlKind::unipolar, "Sets the amount of inharmonicity." },
            { "Modulation", Sound_MCPercModulation, ControlKind::unipolar, "Sets the amount of modulation." },
            { "Modulation Env", Sound_MCPercModulationEnv, ControlKind::unipolar, modulationEnvHelp },
            { "Overdrive", Sound_MCPercLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
