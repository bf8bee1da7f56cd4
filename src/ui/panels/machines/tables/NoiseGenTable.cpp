#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// UT NOISE of tracks T9 to T12: eight knobs, its Level a plain knob and no
// overdrive slider.
const MachinePanelTable& MachinePanelTables::noiseGen()
{
    static const MachinePanelTable table {
        32, &analogFamily,
        {
            { "Sweep Depth", Sound_NoiseGenSweepDepth, ControlKind::bipolar,
              "Sets the depth of the LP Filter sweep. Negative values for below, positive values for above the threshold." },
            { "Sweep Time", Sound_NoiseGenSweepTime, ControlKind::unipolar,
              "Sets the time it takes for the sweep to complete, from the depth set by Sweep Depth. Low values result in snappy sweeps, while high values result in longer sweeps." },
            { "Attack Time", Sound_NoiseGenAttackTime, ControlKind::unipolar, "Sets the length of the attack phase." },
            { "Decay Time", Sound_NoiseGenDecayTime, ControlKind::unipolar, "Sets the length of the decay phase." },
            { "HP Frequency", Sound_NoiseGenHPFreq, ControlKind::unipolar, "Sets the highpass filtering cutoff frequency." },
            { "LP Frequency", Sound_NoiseGenLPFreq, ControlKind::unipolar, "Sets the lowpass filtering cutoff frequency." },
            { "LP Resonance", Sound_NoiseGenLPReso, ControlKind::unipolar,
              "Sets the amount of resonance around the cutoff frequency of the LP Filter. Zero value quenches resonance altogether." },
            { "Level", Sound_NoiseGenLevel, ControlKind::unipolar, "Sets the volume of the noise." },
        },
    };
    return table;
}
