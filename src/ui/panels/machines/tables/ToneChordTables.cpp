#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The tonal voices of tracks T1 to T8: SY TONE with its operator ratio list
// and SY CHORD with its unison modes and chords, each list on a knob that shows
// the item at its position.

namespace
{
// Index 0 has no leading zero; every text is five characters.
std::vector<std::string> ratioItems()
{
    return {
        ".0125", "0.075", "0.125", "0.250", "0.500", "0.750", "0.900", "0.990", "1.000", "1.001", "1.010", "1.100", "1.150", "1.200", "1.250", "1.300",
        "1.400", "1.500", "1.600", "1.750", "1.800", "1.900", "1.980", "1.998", "2.000", "2.002", "2.020", "2.100", "2.150", "2.200", "2.250", "2.300",
        "2.400", "2.500", "2.600", "2.750", "2.800", "2.900", "2.970", "2.997", "3.000", "3.003", "3.030", "3.100", "3.150", "3.200", "3.250", "3.300",
        "3.400", "3.500", "3.600", "3.750", "3.800", "3.900", "3.960", "3.996", "4.000", "4.004", "4.040", "4.100", "4.150", "4.200", "4.250", "4.300",
        "4.400", "4.500", "4.600", "4.750", "4.800", "4.900", "4.950", "4.995", "5.000", "5.005", "5.050", "5.100", "5.150", "5.200", "5.250", "5.300",
        "5.400", "5.500", "5.600", "5.750", "5.800", "5.900", "5.940", "5.994", "6.000", "6.006", "6.060", "6.100", "6.150", "6.200", "6.250", "6.300",
        "6.400", "6.500", "6.600", "6.750", "6.800", "6.900", "6.930", "6.993", "7.000", "7.007", "7.070", "7.100", "7.150", "7.200", "7.250", "7.300",
        "7.400", "7.500", "7.600", "7.750", "7.800", "7.900", "7.920", "7.992", "8.000", "9.000", "10.00", "11.00", "12.00", "13.00", "14.00", "15.00",
    };
}

// Case matters: "m7" and "M7" are different chords.
std::vector<std::string> chordItems()
{
    return {
        "Unison x2", "Unison x3", "Unison x4", "Minor",   "Major",    "sus2",     "sus4",      "m7",        "M7",        "mMaj7",
        "Maj7",      "7sus4",     "dim7",      "madd9",   "Madd9",    "m6",       "M6",        "mb5",       "Mb5",       "m7b5",
        "M7b5",      "M#5",       "m7#5",      "M7#5",    "mb6",      "m9no5",    "M9no5",     "Madd9b5",   "Maj7b5",    "M7b9no5",
        "sus4#5b9",  "sus4add#5", "Maddb5",    "M6add4no5", "Maj7/6no5", "Maj9no5", "Fourths",   "Fifths",
    };
}
} // namespace

const MachinePanelTable& MachinePanelTables::digitalTone()
{
    static const MachinePanelTable table {
        4, &digitalFamily,
        {
            { "Tune", Sound_MCToneTune, ControlKind::tune, digitalTuneHelp },
            MachineColumn ("Mod Ratio", Sound_MCToneModRatio, ControlKind::list, "Sets ratio between the operators.")
                .withItems (ratioItems())
                .withControlHeight (57),
            { "Punch", Sound_MCTonePunch, ControlKind::onOff, digitalPunchHelp },
            { "Decay", Sound_MCToneDecay, ControlKind::unipolar, digitalDecayHelp },
            { "Feedback", Sound_MCToneFeedback, ControlKind::unipolar, "Sets the amount of feedback." },
            { "Modulation", Sound_MCToneModulation, ControlKind::unipolar, "Sets the amount of modulation." },
            { "Modulation Env", Sound_MCToneModulationEnv, ControlKind::unipolar, "Sets the depth of the modulation envelope." },
            { "Overdrive", Sound_MCToneLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::digitalChord()
{
    static const MachinePanelTable table {
        5, &digitalFamily,
        {
            { "Tune", Sound_MCChordTune, ControlKind::tune, digitalTuneHelp },
            { "Waveform", Sound_MCChordWaveSweep, ControlKind::unipolar, "Sweeps through the wavetable." },
            // The chord voice's Punch help has never carried the " (On, Off)" of the others.
            { "Punch", Sound_MCChordPunch, ControlKind::onOff,
              "Adds pseudo-compression and distortion to the sound, which results in something similar to accent." },
            { "Decay", Sound_MCChordDecay, ControlKind::unipolar, digitalDecayHelp },
            MachineColumn ("Mode/Chord", Sound_MCChordModeChord, ControlKind::list,
                           "Sets the unison mode and selects chord. For more information about the MODE settings, please see")
                .withItems (chordItems())
                .withControlHeight (57),
            { "Chord/Osc Bal.", Sound_MCChordChordOscBalance, ControlKind::unipolar,
              "Sets the interval mix and chord balance. If TYPE is set to UNISON then BAL sets the amount of detune." },
            { "Filter Envelope", Sound_MCChordFilterEnvelope, ControlKind::unipolar, "Sets the depth of the machines filter envelope." },
            { "Overdrive", Sound_MCChordLevel, ControlKind::overdrive, overdriveHelp },
        },
    };
    return table;
}
