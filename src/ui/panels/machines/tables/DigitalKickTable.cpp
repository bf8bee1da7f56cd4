#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

const MachinePanelTable& MachinePanelTables::digitalKick()
{
    static const MachinePanelTable table {
        0, &digitalFamily,
        {
            { "Tune", Sound_MCKickTune, ControlKind::tune,
              "Offsets the incoming note value. This parameter is bipolar. A setting of 0 leaves the pitch unchanged." },
            { "Pitch Sweep", Sound_MCMachinePitchSweep, ControlKind::unipolar, "Sets the depth and time of the pitch sweep." },
            { "Punch", Sound_MCKickPunch, ControlKind::onOff,
              "Adds pseudo-compression and distortion to the sound, which results in something similar to accent. (On, Off)" },
            { "Decay", Sound_MCKickDecay, ControlKind::unipolar, "Sets the length of the decay phase of the machines internal amp envelope." },
            { "Square Mod", Sound_MCKickSquareModulation, ControlKind::unipolar, "Sets the amount of square-like modulation." },
            MachineColumn ("Mod+Fdbk", Sound_MCKickTriangleModFdbk, ControlKind::unipolar,
                           "Sets the amount of triangle-like modulation and feedback.").withCaptionWiden (2),
            { "Modulation Env", Sound_MCMachineModulationEnv, ControlKind::unipolar, "Sets the depth of the modulation envelope." },
            { "Overdrive", Sound_MCKickLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
