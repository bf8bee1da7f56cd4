#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The vintage snare and clap of tracks T1 to T8. Several captions name their
// parameter otherwise than its identifier: the snare's "Inharmonicity" is its
// Color, the clap's "Balance" its Shape.

const MachinePanelTable& MachinePanelTables::digitalSnare2()
{
    static const MachinePanelTable table {
        6, &digitalFamily,
        {
            { "Tune", Sound_MCSnare2Tune, ControlKind::tune, digitalTuneHelp },
            { "Pitch Sweep", Sound_MCSnare2Sweep, ControlKind::unipolar, "Sets the amount of sweep of the fundamental pitch frequency." },
            { "Punch", Sound_MCSnare2Punch, ControlKind::onOff, digitalPunchHelp },
            { "Decay", Sound_MCSnare2Decay, ControlKind::unipolar, digitalDecayHelp },
            { "Inharmonicity", Sound_MCSnare2Color, ControlKind::unipolar, "Sets the amount of inharmonicity." },
            { "Freq. Compl.", Sound_MCSnare2Shape, ControlKind::unipolar, "Sets the character of the strength of the snare modes." },
            { "Modulation Env", Sound_MCSnare2Contour, ControlKind::unipolar, "Sets the length of the Decay time of the modulation envelope." },
            { "Overdrive", Sound_MCSnare2Level, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::digitalClap()
{
    static const MachinePanelTable table {
        7, &digitalFamily,
        {
            { "Tune", Sound_MCClapTune, ControlKind::tune, digitalTuneHelp },
            { "Spacing/Crunch", Sound_MCClapSweep, ControlKind::unipolar, "Sets the spacing and decay time of the initial clap trigs." },
            { "Punch", Sound_MCClapPunch, ControlKind::onOff, digitalPunchHelp },
            { "Decay", Sound_MCClapDecay, ControlKind::unipolar, digitalDecayHelp },
            { "Balance", Sound_MCClapShape, ControlKind::unipolar,
              "Sets the balance between noise (0) and FM body (127). Both will play at equal strength at a value of 64." },
            { "Body character", Sound_MCClapColor, ControlKind::unipolar,
              "Sets the modulation ratio, modulation depth and feedback for the clap FM body." },
            { "Body Envelope", Sound_MCClapContour, ControlKind::unipolar, "Sets the decay time of the clap FM body envelope." },
            { "Overdrive", Sound_MCClapLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
