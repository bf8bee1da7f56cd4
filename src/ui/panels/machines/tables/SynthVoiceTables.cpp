#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/controls/OscillatorControls.h"
#include "ui/panels/machines/tables/MachinePanelTables.h"

// The oscillator voices with selectors: SY SWARM of tracks T1 to T8 with its
// sub-oscillator octave, and SY RAW of tracks T9 to T11 with a waveform grid
// per oscillator and oscillator 1's "Reset" switch.

namespace
{
constexpr const char* subOscillatorHelp =
    "Detunes the fundamental oscillator down one or two octaves but leaves the detune oscillators' pitch unchanged.";

// "asymetric" is how these two help texts have always been spelled.
constexpr const char* waveform1Help =
    "Selects the waveform of oscillator 1. There are six waveforms for oscillator 1: sine, asymetric sine, triangle, sinesaw, saw, "
    "and square. If the waveform begins with a small square then the phase of both oscillators are reset when trigged.";
constexpr const char* waveform2Help =
    "Selects the waveform of oscillator 2. There are eight waveforms for oscillator 2: sine, asymetric sine, triangle, sinesaw, saw, "
    "square, and ring modulator (oscillator 2 ring modulates oscillator 1 even if you set LEV2 to 0. Turning up LEV2 to adds a sine "
    "wave to the sound).";

// Sine, asymmetric sine, triangle, sine-saw, saw, square; oscillator 2 adds the ring modulator.
const juce::StringArray oscillator1Glyphs { "X", "S", "y", "Y", "~", "[" };
const juce::StringArray oscillator2Glyphs { "X", "S", "y", "Y", "~", "[", "a" };
} // namespace

const MachinePanelTable& MachinePanelTables::digitalSuperSaw()
{
    static const MachinePanelTable table {
        38, &digitalFamily,
        {
            { "Tune", Sound_SuperSawTune, ControlKind::tune, digitalTuneHelp },
            { "Detune", Sound_SuperSawDeune, ControlKind::unipolar,
              "Sets the amount of detuning of the six detune oscillators in relation to the fundamental oscillator." },
            { "Mix", Sound_SuperSawMix, ControlKind::unipolar, "Sets the level of the detune oscillators in relation to the fundamental oscillator." },
            { "Decay", Sound_SuperSawDecay, ControlKind::unipolar, "Sets the length of the decay phase of the machine's internal amp envelope." },
            { "Noise Mod", Sound_SuperSawNoiseModulation, ControlKind::unipolar, "Sets the amount of noise modulation of the detune oscillators." },
            { "Detune Anim", Sound_SuperSawLFOMod, ControlKind::unipolar,
              "Sets the detune oscillators' modulation amount. The detune oscillators are modulated separately in pairs by three hidden "
              "LFOs running at different rates." },
            MachineColumn ("Sub", Sound_SuperSawOscSub, ControlKind::custom, subOscillatorHelp)
                .withCustom ([] { return std::make_unique<SubOscillatorControl> (juce::translate (subOscillatorHelp)); }),
            { "Overdrive", Sound_SuperSawOverdrive, ControlKind::overdrive, "Sets the gain amount into the digital overdrive." },
        },
    };
    return table;
}

const MachinePanelTable& MachinePanelTables::rawOscillator()
{
    static const MachinePanelTable table {
        39, &digitalFamily,
        {
            { "Osc1 Tune", Sound_VCOTune, ControlKind::tune, "Sets the tuning of oscillator 1. Value 0 corresponds to note C-2." },
            // A plain knob over 0..127: the device's values arrive as positions 40 to 88.
            { "Osc2 Detune", Sound_VCOOsc2Detune, ControlKind::unipolar, "Sets the tuning of oscillator 2, relative to oscillator 1." },
            { "Osc2 Level", Sound_VCOOsc2Level, ControlKind::unipolar, "Sets the level of oscillator 2." },
            { "Decay", Sound_VCODecay, ControlKind::unipolar, "Sets the decay time of oscillator 2 level." },
            MachineColumn ("Waveform 1", Sound_VCOWaveform1, ControlKind::custom, waveform1Help).withCustom ([] {
                return std::make_unique<OscillatorWaveformControl> (oscillator1Glyphs, juce::translate (waveform1Help), 58, true);
            }),
            MachineColumn ("Waveform 2", Sound_VCOWaveform2, ControlKind::custom, waveform2Help).withCustom ([] {
                return std::make_unique<OscillatorWaveformControl> (oscillator2Glyphs, juce::translate (waveform2Help), 78, false);
            }),
            { "Noise Level", Sound_VCONoiseLevel, ControlKind::unipolar, "Sets the noise level." },
            { "Overdrive", Sound_VCOOverdrive, ControlKind::overdrive, "Sets the gain amount into the analog overdrive." },
        },
    };
    return table;
}
