// Every column of every machine panel against a table typed from the panels'
// descriptions, apart from the panel tables themselves: what the column shows,
// that each user edit its control takes writes once in the family's encoding,
// that a device value is shown and never written back, and the double-click
// value.
#include "../PanelTestSupport.h"
#include "../modulation/MenuTestSupport.h"

#include "model/tables/ParameterIds.h"
#include "ui/panels/machines/MachinePanel.h"
#include "ui/panels/machines/MachinePanelFactory.h"

#include <functional>
#include <string>
#include <vector>

using namespace paneltest;

namespace
{
struct ExpectedColumn
{
    const char* caption;
    const juce::Identifier& id;
    ControlKind kind;
};

struct ExpectedPanel
{
    const char* name;
    int type;
    int track;
    bool digital;
    std::vector<ExpectedColumn> columns;
};

std::vector<ExpectedPanel> expectedPanels()
{
    return {
        { "SdClassic", 15, 8, false,
          {
              { "Tune", Sound_SdClassicTune, ControlKind::tune },
              { "Detune", Sound_SdClassicDetune, ControlKind::unipolar },
              { "Osc Balance", Sound_SdClassicOscBalance, ControlKind::bipolar },
              { "Decay Time", Sound_SdClassicDecayTime, ControlKind::unipolar },
              { "Snap Amount", Sound_SdClassicSnapAmount, ControlKind::unipolar },
              { "Noise Decay", Sound_SdClassicNoiseDecay, ControlKind::unipolar },
              { "Noise Level", Sound_SdClassicNoiseLevel, ControlKind::unipolar },
              { "Overdrive", Sound_SdClassicLevel, ControlKind::overdrive },
          } },
        { "BdHard", 8, 8, false,
          {
              { "Tune", Sound_BdHardTune, ControlKind::tune },
              { "Sweep Time", Sound_BdHardSweepTime, ControlKind::unipolar },
              { "Snap Amount", Sound_BdHardSnapAmount, ControlKind::unipolar },
              { "Decay Time", Sound_BdHardDecayTime, ControlKind::unipolar },
              { "", Sound_BdHardWaveform, ControlKind::custom },
              { "Hold Time", Sound_BdHardHoldTime, ControlKind::unipolar },
              { "Tick Level", Sound_BdHardTickLevel, ControlKind::unipolar },
              { "Overdrive", Sound_BdHardLevel, ControlKind::overdrive },
          } },
        { "BdClassic", 9, 9, false,
          {
              { "Tune", Sound_BdClassicTune, ControlKind::tune },
              { "Sweep Time", Sound_BdClassicSweepTime, ControlKind::unipolar },
              { "Sweep Depth", Sound_BdClassicSweepDepth, ControlKind::unipolar },
              { "Decay Time", Sound_BdClassicDecayTime, ControlKind::unipolar },
              { "", Sound_BdClassicWaveform, ControlKind::custom },
              { "Hold Time", Sound_BdClassicHoldTime, ControlKind::unipolar },
              { "Transient", Sound_BdClassicTransient, ControlKind::custom },
              { "Overdrive", Sound_BdClassicLevel, ControlKind::overdrive },
          } },
        { "BdFm", 10, 10, false,
          {
              { "Tune", Sound_BdFmTune, ControlKind::tune },
              { "Sweep Time", Sound_BdFmSweepTime, ControlKind::unipolar },
              { "FM Decay Time", Sound_BdFmFmDecayTime, ControlKind::unipolar },
              { "Decay Time", Sound_BdFmDecayTime, ControlKind::unipolar },
              { "FM Tune", Sound_BdFmFmTune, ControlKind::bipolar },
              { "FM Sweep Time", Sound_BdFmFmSweepTime, ControlKind::unipolar },
              { "FM Amount", Sound_BdFmFmAmount, ControlKind::unipolar },
              { "Overdrive", Sound_BdFmLevel, ControlKind::overdrive },
          } },
        { "BdPlastic", 11, 8, false,
          {
              { "Tune", Sound_BdPlasticTune, ControlKind::tune },
              { "Sweep Time", Sound_BdPlasticSweepTime, ControlKind::unipolar },
              { "Sweep Depth", Sound_BdPlasticSweepDepth, ControlKind::unipolar },
              { "Decay Time", Sound_BdPlasticDecayTime, ControlKind::unipolar },
              { "Modulation Type", Sound_BdPlasticModulationType, ControlKind::custom },
              { "Modulation Level", Sound_BdPlasticModulationLevel, ControlKind::unipolar },
              { "Tick Level", Sound_BdPlasticTickLevel, ControlKind::unipolar },
              { "Overdrive", Sound_BdPlasticLevel, ControlKind::overdrive },
          } },
        { "BdSilky", 12, 9, false,
          {
              { "Tune", Sound_BdSilkyTune, ControlKind::tune },
              { "Sweep Time", Sound_BdSilkySweepTime, ControlKind::unipolar },
              { "Sweep Depth", Sound_BdSilkySweepDepth, ControlKind::unipolar },
              { "Decay Time", Sound_BdSilkyDecayTime, ControlKind::unipolar },
              { "Dust Level", Sound_BdSilkyDustLevel, ControlKind::unipolar },
              { "Hold Time", Sound_BdSilkyHoldTime, ControlKind::unipolar },
              { "VCO Click", Sound_BdSilkyVCOClick, ControlKind::unipolar },
              { "Overdrive", Sound_BdSilkyLevel, ControlKind::overdrive },
          } },
        { "BdSharp", 13, 10, false,
          {
              { "Tune", Sound_BdSharpTune, ControlKind::tune },
              { "Sweep Time", Sound_BdSharpSweepTime, ControlKind::unipolar },
              { "Sweep Depth", Sound_BdSharpSweepDepth, ControlKind::unipolar },
              { "Decay Time", Sound_BdSharpDecayTime, ControlKind::unipolar },
              { "Waveform", Sound_BdSharpWaveform, ControlKind::custom },
              { "Hold Time", Sound_BdSharpHoldTime, ControlKind::unipolar },
              { "Tick Level", Sound_BdSharpTickLevel, ControlKind::unipolar },
              { "Overdrive", Sound_BdSharpLevel, ControlKind::overdrive },
          } },
        { "CyRide", 30, 11, false,
          {
              { "Tune", Sound_CyRideTune, ControlKind::bipolar },
              { "Type", Sound_CyRideType, ControlKind::custom },
              { "Hit Decay", Sound_CyRideHitDecay, ControlKind::unipolar },
              { "Tail Decay", Sound_CyRideTailDecay, ControlKind::unipolar },
              { "Hit", Sound_CyRideComponent1, ControlKind::unipolar },
              { "Timbre", Sound_CyRideComponent2, ControlKind::unipolar },
              { "Wash", Sound_CyRideComponent3, ControlKind::unipolar },
              { "Overdrive", Sound_CyRideLevel, ControlKind::overdrive },
          } },
        { "UtImpulse", 33, 9, false,
          {
              { "Attack Time", Sound_ImpulseAttackTime, ControlKind::unipolar },
              { "Decay Time", Sound_ImpulseDecayTime, ControlKind::unipolar },
              { "Polarity", Sound_ImpulsePolarity, ControlKind::custom },
              { "Level", Sound_ImpulseLevel, ControlKind::unipolar },
          } },
        { "SdHard", 14, 8, false,
          {
              { "Tune", Sound_SdHardTune, ControlKind::tune },
              { "Sweep Time", Sound_SdHardSweepTime, ControlKind::unipolar },
              { "Sweep Depth", Sound_SdHardSweepDepth, ControlKind::unipolar },
              { "Decay Time", Sound_SdHardDecayTime, ControlKind::unipolar },
              { "Tick Level", Sound_SdHardTickLevel, ControlKind::unipolar },
              { "Noise Decay", Sound_SdHardNoiseDecay, ControlKind::unipolar },
              { "Noise Level", Sound_SdHardNoiseLevel, ControlKind::unipolar },
              { "Overdrive", Sound_SdHardLevel, ControlKind::overdrive },
          } },
        { "SdFm", 16, 9, false,
          {
              { "Tune", Sound_SdFmTune, ControlKind::tune },
              { "FM Tune", Sound_SdFmFmTune, ControlKind::bipolar },
              { "FM Decay Time", Sound_SdFmFmDecayTime, ControlKind::unipolar },
              { "Decay Time", Sound_SdFmDecayTime, ControlKind::unipolar },
              { "FM Amount", Sound_SdFmFmAmount, ControlKind::unipolar },
              { "Noise Decay", Sound_SdFmNoiseDecay, ControlKind::unipolar },
              { "Noise Level", Sound_SdFmNoiseLevel, ControlKind::unipolar },
              { "Overdrive", Sound_SdFmLevel, ControlKind::overdrive },
          } },
        { "SdNatural", 17, 10, false,
          {
              { "Tune", Sound_SdNaturalTune, ControlKind::tune },
              { "Noise Decay", Sound_SdNaturalNoiseDecay, ControlKind::unipolar },
              { "Noise Balance", Sound_SdNaturalNoiseBalance, ControlKind::unipolar },
              { "Body Decay", Sound_SdNaturalBodyDecay, ControlKind::unipolar },
              { "Noise HPF", Sound_SdNaturalNoiseHPF, ControlKind::unipolar },
              { "Noise LPF", Sound_SdNaturalNoiseLPF, ControlKind::unipolar },
              { "Noise Resonance", Sound_SdNaturalNoiseResonance, ControlKind::unipolar },
              { "Overdrive", Sound_SdNaturalLevel, ControlKind::overdrive },
          } },
        { "RsHard", 18, 8, false,
          {
              { "Tune", Sound_RsHardTune, ControlKind::tune },
              { "Sweep Time", Sound_RsHardSweepTime, ControlKind::unipolar },
              { "Sweep Depth", Sound_RsHardSweepDepth, ControlKind::unipolar },
              { "Decay Time", Sound_RsHardDecayTime, ControlKind::unipolar },
              { "Tick Level", Sound_RsHardTickLevel, ControlKind::unipolar },
              { "Noise Level", Sound_RsHardNoiseLevel, ControlKind::unipolar },
              { "Overdrive", Sound_RsHardLevel, ControlKind::overdrive },
          } },
        { "RsClassic", 19, 9, false,
          {
              { "Tune Osc1", Sound_RsClassicTune1, ControlKind::tune },
              { "Tune Osc2", Sound_RsClassicTune2, ControlKind::tune },
              { "Balance", Sound_RsClassicOscBalance, ControlKind::bipolar },
              { "Decay Time", Sound_RsClassicDecayTime, ControlKind::unipolar },
              { "Tick Level", Sound_RsClassicTickLevel, ControlKind::unipolar },
              { "Noise Level", Sound_RsClassicNoiseLevel, ControlKind::unipolar },
              { "Overdrive", Sound_RsClassicLevel, ControlKind::overdrive },
          } },
        { "SyDualVco", 20, 10, false,
          {
              { "Osc 1 Tune", Sound_DVCOOsc1Tune, ControlKind::tune },
              { "Osc 2 Detune", Sound_DVCOOsc2Detune, ControlKind::tune },
              { "Osc 1 Decay", Sound_DVCOOsc1Decay, ControlKind::list },
              { "Osc 2 Decay", Sound_DVCOOsc2Decay, ControlKind::list },
              { "Osc Config", Sound_DVCOOscConfig, ControlKind::list },
              { "Bend", Sound_DVCOBend, ControlKind::bipolar },
              { "Balance", Sound_DVCOBalance, ControlKind::bipolar },
              { "Overdrive", Sound_DVCOLevel, ControlKind::overdrive },
          } },
        { "CpClassic", 21, 8, false,
          {
              { "Clap Rate", Sound_ClapClassicRate, ControlKind::unipolar },
              { "Clap Number", Sound_ClapClassicNumber, ControlKind::unipolar },
              { "Random Claps", Sound_ClapClassicRandom, ControlKind::unipolar },
              { "Clap Decay", Sound_ClapClassicDecay, ControlKind::unipolar },
              { "Noise Tone", Sound_ClapClassicNoiseTone, ControlKind::unipolar },
              { "Noise Decay", Sound_ClapClassicNoiseDecay, ControlKind::unipolar },
              { "Noise Level", Sound_ClapClassicNoiseLevel, ControlKind::unipolar },
              { "Overdrive", Sound_ClapClassicLevel, ControlKind::overdrive },
          } },
        { "ChClassic", 22, 11, false,
          {
              { "Tune", Sound_ChClassicTune, ControlKind::bipolar },
              { "Decay Time", Sound_ChClassicDecayTime, ControlKind::unipolar },
              { "Noise Color", Sound_ChClassicNoiseColor, ControlKind::bipolar },
              { "Overdrive", Sound_ChClassicLevel, ControlKind::overdrive },
          } },
        { "OhClassic", 23, 11, false,
          {
              { "Tune", Sound_OhClassicTune, ControlKind::bipolar },
              { "Decay Time", Sound_OhClassicDecayTime, ControlKind::unipolar },
              { "Noise Color", Sound_OhClassicNoiseColor, ControlKind::bipolar },
              { "Overdrive", Sound_OhClassicLevel, ControlKind::overdrive },
          } },
        { "CyClassic", 24, 11, false,
          {
              { "Tune", Sound_CyClassicTune, ControlKind::bipolar },
              { "Tone", Sound_CyClassicTone, ControlKind::bipolar },
              { "Decay Time", Sound_CyClassicDecay, ControlKind::unipolar },
              { "Noise Color", Sound_CyClassicNoiseColor, ControlKind::bipolar },
              { "Overdrive", Sound_CyClassicLevel, ControlKind::overdrive },
          } },
        { "CbClassic", 25, 11, false,
          {
              { "Tune", Sound_CbClassicTune, ControlKind::bipolar },
              { "Decay Time", Sound_CbClassicDecayTime, ControlKind::unipolar },
              { "Detune", Sound_CbClassicDetune, ControlKind::unipolar },
              { "Overdrive", Sound_CbClassicLevel, ControlKind::overdrive },
          } },
        { "ChMetallic", 26, 11, false,
          {
              { "Tune", Sound_ChMetallicTune, ControlKind::bipolar },
              { "Decay Time", Sound_ChMetallicDecayTime, ControlKind::unipolar },
              { "Overdrive", Sound_ChMetallicLevel, ControlKind::overdrive },
          } },
        { "OhMetallic", 27, 11, false,
          {
              { "Tune", Sound_OhMetallicTune, ControlKind::bipolar },
              { "Decay Time", Sound_OhMetallicDecayTime, ControlKind::unipolar },
              { "Overdrive", Sound_OhMetallicLevel, ControlKind::overdrive },
          } },
        { "CyMetallic", 28, 11, false,
          {
              { "Tune", Sound_CyMetallicTune, ControlKind::bipolar },
              { "Tone", Sound_CyMetallicTone, ControlKind::bipolar },
              { "Transient Decay", Sound_CyMetallicTransientDecay, ControlKind::unipolar },
              { "Decay Time", Sound_CyMetallicDecayTime, ControlKind::unipolar },
              { "Overdrive", Sound_CyMetallicLevel, ControlKind::overdrive },
          } },
        { "CbMetallic", 29, 11, false,
          {
              { "Tune", Sound_CbMetallicTune, ControlKind::bipolar },
              { "Decay Time", Sound_CbMetallicDecay, ControlKind::unipolar },
              { "Detune", Sound_CbMetallicDetune, ControlKind::unipolar },
              { "Overdrive", Sound_CbMetallicLevel, ControlKind::overdrive },
          } },
        { "HhBasic", 31, 11, false,
          {
              { "Tune", Sound_HhBasicTune, ControlKind::bipolar },
              { "Tone", Sound_HhBasicTone, ControlKind::bipolar },
              { "Transient Decay", Sound_HhBasicTransientDecay, ControlKind::unipolar },
              { "Decay Time", Sound_HhBasicDecayTime, ControlKind::unipolar },
              { "Osc Reset", Sound_HhBasicOscReset, ControlKind::onOff },
              { "Overdrive", Sound_HhBasicLevel, ControlKind::overdrive },
          } },
        { "UtNoise", 32, 9, false,
          {
              { "Sweep Depth", Sound_NoiseGenSweepDepth, ControlKind::bipolar },
              { "Sweep Time", Sound_NoiseGenSweepTime, ControlKind::unipolar },
              { "Attack Time", Sound_NoiseGenAttackTime, ControlKind::unipolar },
              { "Decay Time", Sound_NoiseGenDecayTime, ControlKind::unipolar },
              { "HP Frequency", Sound_NoiseGenHPFreq, ControlKind::unipolar },
              { "LP Frequency", Sound_NoiseGenLPFreq, ControlKind::unipolar },
              { "LP Resonance", Sound_NoiseGenLPReso, ControlKind::unipolar },
              { "Level", Sound_NoiseGenLevel, ControlKind::unipolar },
          } },
        { "BdModern", 0, 2, true,
          {
              { "Tune", Sound_MCKickTune, ControlKind::tune },
              { "Pitch Sweep", Sound_MCMachinePitchSweep, ControlKind::unipolar },
              { "Punch", Sound_MCKickPunch, ControlKind::onOff },
              { "Decay", Sound_MCKickDecay, ControlKind::unipolar },
              { "Square Mod", Sound_MCKickSquareModulation, ControlKind::unipolar },
              { "Mod+Fdbk", Sound_MCKickTriangleModFdbk, ControlKind::unipolar },
              { "Modulation Env", Sound_MCMachineModulationEnv, ControlKind::unipolar },
              { "Overdrive", Sound_MCKickLevel, ControlKind::overdrive },
          } },
        { "SdBasic", 1, 0, true,
          {
              { "Tune", Sound_MCSnareTune, ControlKind::tune },
              { "Pitch Sweep", Sound_MCSnarePitchSweep, ControlKind::unipolar },
              { "Punch", Sound_MCSnarePunch, ControlKind::onOff },
              { "Decay", Sound_MCSnareDecay, ControlKind::unipolar },
              { "Inharmonicity", Sound_MCSnareInharmonicity, ControlKind::unipolar },
              { "Mod+Fdbk", Sound_MCSnareModFdbk, ControlKind::unipolar },
              { "Modulation Env", Sound_MCSnareModulationEnv, ControlKind::unipolar },
              { "Overdrive", Sound_MCSnareLevel, ControlKind::overdrive },
          } },
        { "CyAlloy", 2, 5, true,
          {
              { "Tune", Sound_MCMetalTune, ControlKind::tune },
              { "Shimmer", Sound_MCMetalTuneOffsetB, ControlKind::unipolar },
              { "Punch", Sound_MCMetalPunch, ControlKind::onOff },
              { "Decay", Sound_MCMetalDecay, ControlKind::unipolar },
              { "Radio", Sound_MCMetalTuneOffsetA, ControlKind::unipolar },
              { "Modulation", Sound_MCMetalModulation, ControlKind::unipolar },
              { "Modulation Env", Sound_MCMetalModulationEnv, ControlKind::unipolar },
              { "Overdrive", Sound_MCMetalLevel, ControlKind::overdrive },
          } },
        { "PcCarbon", 3, 7, true,
          {
              { "Tune", Sound_MCPercTune, ControlKind::tune },
              { "Pitch Sweep", Sound_MCPercPitchSweep, ControlKind::unipolar },
              { "Punch", Sound_MCPercPunch, ControlKind::onOff },
              { "Decay", Sound_MCPercDecay, ControlKind::unipolar },
              { "Inharmonicity", Sound_MCPercInharmonicity, ControlKind::unipolar },
              { "Modulation", Sound_MCPercModulation, ControlKind::unipolar },
              { "Modulation Env", Sound_MCPercModulationEnv, ControlKind::unipolar },
              { "Overdrive", Sound_MCPercLevel, ControlKind::overdrive },
          } },
        { "SyTone", 4, 1, true,
          {
              { "Tune", Sound_MCToneTune, ControlKind::tune },
              { "Mod Ratio", Sound_MCToneModRatio, ControlKind::list },
              { "Punch", Sound_MCTonePunch, ControlKind::onOff },
              { "Decay", Sound_MCToneDecay, ControlKind::unipolar },
              { "Feedback", Sound_MCToneFeedback, ControlKind::unipolar },
              { "Modulation", Sound_MCToneModulation, ControlKind::unipolar },
              { "Modulation Env", Sound_MCToneModulationEnv, ControlKind::unipolar },
              { "Overdrive", Sound_MCToneLevel, ControlKind::overdrive },
          } },
        { "SyChord", 5, 6, true,
          {
              { "Tune", Sound_MCChordTune, ControlKind::tune },
              { "Waveform", Sound_MCChordWaveSweep, ControlKind::unipolar },
              { "Punch", Sound_MCChordPunch, ControlKind::onOff },
              { "Decay", Sound_MCChordDecay, ControlKind::unipolar },
              { "Mode/Chord", Sound_MCChordModeChord, ControlKind::list },
              { "Chord/Osc Bal.", Sound_MCChordChordOscBalance, ControlKind::unipolar },
              { "Filter Envelope", Sound_MCChordFilterEnvelope, ControlKind::unipolar },
              { "Overdrive", Sound_MCChordLevel, ControlKind::overdrive },
          } },
        { "SdVintage", 6, 3, true,
          {
              { "Tune", Sound_MCSnare2Tune, ControlKind::tune },
              { "Pitch Sweep", Sound_MCSnare2Sweep, ControlKind::unipolar },
              { "Punch", Sound_MCSnare2Punch, ControlKind::onOff },
              { "Decay", Sound_MCSnare2Decay, ControlKind::unipolar },
              { "Inharmonicity", Sound_MCSnare2Color, ControlKind::unipolar },
              { "Freq. Compl.", Sound_MCSnare2Shape, ControlKind::unipolar },
              { "Modulation Env", Sound_MCSnare2Contour, ControlKind::unipolar },
              { "Overdrive", Sound_MCSnare2Level, ControlKind::overdrive },
          } },
        { "CpVintage", 7, 4, true,
          {
              { "Tune", Sound_MCClapTune, ControlKind::tune },
              { "Spacing/Crunch", Sound_MCClapSweep, ControlKind::unipolar },
              { "Punch", Sound_MCClapPunch, ControlKind::onOff },
              { "Decay", Sound_MCClapDecay, ControlKind::unipolar },
              { "Balance", Sound_MCClapShape, ControlKind::unipolar },
              { "Body character", Sound_MCClapColor, ControlKind::unipolar },
              { "Body Envelope", Sound_MCClapContour, ControlKind::unipolar },
              { "Overdrive", Sound_MCClapLevel, ControlKind::overdrive },
          } },
        { "SyToy", 36, 0, true,
          {
              { "Tune", Sound_MCToyTune, ControlKind::tune },
              { "Form", Sound_MCToyStructure, ControlKind::unipolar },
              { "Punch", Sound_MCToyPunch, ControlKind::onOff },
              { "Decay", Sound_MCToyDecay, ControlKind::unipolar },
              { "Impact", Sound_MCToyImpact, ControlKind::unipolar },
              { "Brightness", Sound_MCToyBrightness, ControlKind::unipolar },
              { "Partial Decay", Sound_MCToyPartialDecay, ControlKind::unipolar },
              { "Overdrive", Sound_MCToyLevel, ControlKind::overdrive },
          } },
        { "SyBits", 37, 2, true,
          {
              { "Tune", Sound_MCBitsTune, ControlKind::tune },
              { "Detune", Sound_MCBitsDetune, ControlKind::tune },
              { "Balance", Sound_MCBitsBalance, ControlKind::unipolar },
              { "Decay", Sound_MCBitsDecay, ControlKind::unipolar },
              { "Waveform", Sound_MCBitsWaveform, ControlKind::unipolar },
              { "Sample Rate Redux", Sound_MCBitsSampleRateRedux, ControlKind::unipolar },
              { "Bit Redux", Sound_MCBitsBitRedux, ControlKind::unipolar },
              { "Overdrive", Sound_MCBitsLevel, ControlKind::overdrive },
          } },
        { "SySwarm", 38, 7, true,
          {
              { "Tune", Sound_SuperSawTune, ControlKind::tune },
              { "Detune", Sound_SuperSawDeune, ControlKind::unipolar },
              { "Mix", Sound_SuperSawMix, ControlKind::unipolar },
              { "Decay", Sound_SuperSawDecay, ControlKind::unipolar },
              { "Noise Mod", Sound_SuperSawNoiseModulation, ControlKind::unipolar },
              { "Detune Anim", Sound_SuperSawLFOMod, ControlKind::unipolar },
              { "Sub", Sound_SuperSawOscSub, ControlKind::custom },
              { "Overdrive", Sound_SuperSawOverdrive, ControlKind::overdrive },
          } },
        { "SyRaw", 39, 9, true,
          {
              { "Osc1 Tune", Sound_VCOTune, ControlKind::tune },
              { "Osc2 Detune", Sound_VCOOsc2Detune, ControlKind::unipolar },
              { "Osc2 Level", Sound_VCOOsc2Level, ControlKind::unipolar },
              { "Decay", Sound_VCODecay, ControlKind::unipolar },
              { "Waveform 1", Sound_VCOWaveform1, ControlKind::custom },
              { "Waveform 2", Sound_VCOWaveform2, ControlKind::custom },
              { "Noise Level", Sound_VCONoiseLevel, ControlKind::unipolar },
              { "Overdrive", Sound_VCOOverdrive, ControlKind::overdrive },
          } },
    };
}

// A device value per kind and what the control shows for it.
struct DeviceCase
{
    int value;
    double shown;
};

DeviceCase deviceCaseFor (ControlKind kind, bool digital)
{
    switch (kind)
    {
        case ControlKind::bipolar: return { 0x4A00, 10.0 };
        case ControlKind::tune: return { 0x4123, 0x123 };
        case ControlKind::onOff: return { 0x80, digital ? 1.0 : 0.0 };
        case ControlKind::custom: return { 0x100, 1.0 };   // in every custom control's range; shown its own way
        case ControlKind::list: return { 0x1400, 20.0 };   // within the shortest list, SY CHORD's 38 items
        default: return { 0x2B40, 43.0 };
    }
}

// What a number typed into the control's value box sets it to.
struct TypedCase
{
    const char* text;
    double value;
};

TypedCase typedCaseFor (ControlKind kind)
{
    switch (kind)
    {
        case ControlKind::bipolar: return { "-10", -10.0 };
        case ControlKind::tune: return { "1.5", 384.0 };
        case ControlKind::overdrive: return { "12.7", 12.7 };
        case ControlKind::list: return { "12", 12.0 };   // within the shortest list
        default: return { "42", 42.0 };
    }
}

juce::Label* valueBoxOf (juce::Component& control)
{
    if (auto* fine = dynamic_cast<UniHighResKnob*> (&control))
        return &fine->getOwnLabel();
    if (auto* knob = dynamic_cast<BaseKnob*> (&control))
        return &knob->getValueLabel();
    for (auto* child : control.getChildren())
        if (auto* label = dynamic_cast<juce::Label*> (child))
            return label;
    return nullptr;
}

double shownValue (juce::Component& control)
{
    if (auto* slider = dynamic_cast<juce::Slider*> (&control))
        return slider->getValue();
    if (auto* button = dynamic_cast<juce::Button*> (&control))
        return button->getToggleState() ? 1.0 : 0.0;
    ADD_FAILURE() << "a control that is neither a slider nor a button";
    return 0.0;
}

class MachinePanelConformance : public PanelTest, public ::testing::WithParamInterface<ExpectedPanel>
{
protected:
    MachinePanelConformance() : PanelTest (GetParam().track)
    {
        auto made = createMachinePanel (GetParam().type, context, GetParam().track);
        panel = std::dynamic_pointer_cast<MachinePanel> (made);
        if (panel == nullptr)
            return;
        panel->setBounds (0, 0, 800, 200);
        poll();
        recorder.clear();
    }

    juce::Component& controlOf (size_t column) { return *panel->getControlComponents (column).at (0); }

    // Puts the control at the device value silently, so an edit starts from it.
    void startFrom (const ExpectedColumn& column, int deviceValue)
    {
        poll();   // takes in the last edit's write, so the device value below is a change
        recorder.showFromDevice (column.id, deviceValue);
        poll();
        recorder.clear();
    }

    // Runs one edit and expects exactly one write: the family's encoding of the
    // value the control then shows.
    void expectOneWrite (const ExpectedColumn& column, size_t index, const char* editName, const std::function<void()>& edit)
    {
        SCOPED_TRACE (editName);
        auto& control = controlOf (index);
        const double before = shownValue (control);
        edit();
        const double after = shownValue (control);
        EXPECT_NE (after, before) << "the edit changed nothing";
        ASSERT_EQ (recorder.writes().size(), 1u);
        EXPECT_EQ (recorder.writes()[0], (Write { column.id, ValueMapping::toDevice (column.kind, after) }));
        recorder.clear();
    }

    std::shared_ptr<MachinePanel> panel;
};

TEST_P (MachinePanelConformance, ColumnsShowTheTablesCaptionsKindsAndIdentifiers)
{
    ASSERT_NE (panel, nullptr);
    const auto& expected = GetParam().columns;
    ASSERT_EQ (panel->getTable().columns.size(), expected.size());

    for (size_t i = 0; i < expected.size(); ++i)
    {
        SCOPED_TRACE (expected[i].caption);
        if (juce::String (expected[i].caption).isEmpty())
            EXPECT_EQ (panel->getCaption (i), nullptr) << "a control that carries its own caption";
        else
        {
            ASSERT_NE (panel->getCaption (i), nullptr);
            EXPECT_EQ (panel->getCaption (i)->getText(), expected[i].caption);
        }

        auto& control = controlOf (i);
        const auto centre = control.getScreenBounds().getCentre();
        auto* binding = panel->findBindingAt (centre);
        ASSERT_NE (binding, nullptr);
        EXPECT_EQ (binding->getIdentifier(), expected[i].id);
        EXPECT_EQ (binding->getKind(), expected[i].kind);

        switch (expected[i].kind)
        {
            case ControlKind::tune: EXPECT_NE (dynamic_cast<UniHighResKnob*> (&control), nullptr); break;
            case ControlKind::unipolar: EXPECT_NE (dynamic_cast<UnidirectionalKnob*> (&control), nullptr); break;
            case ControlKind::bipolar: EXPECT_NE (dynamic_cast<DuodirectionalKnob*> (&control), nullptr); break;
            case ControlKind::overdrive: EXPECT_NE (dynamic_cast<OverdriveSlider*> (&control), nullptr); break;
            case ControlKind::onOff: EXPECT_NE (dynamic_cast<LabeledOnOffButton*> (&control), nullptr); break;
            case ControlKind::list: EXPECT_NE (dynamic_cast<UnidirectionalKnob*> (&control), nullptr); break;
            case ControlKind::custom: EXPECT_NE (panel->getTable().columns[i].makeCustom, nullptr); break;
            default: ADD_FAILURE() << "no such kind in the tables yet";
        }
    }
}

TEST_P (MachinePanelConformance, EveryUserEditWritesOnceInTheFamilysEncoding)
{
    ASSERT_NE (panel, nullptr);
    setWheelPreference (true);
    const auto& expected = GetParam().columns;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        const auto& column = expected[i];
        SCOPED_TRACE (column.caption);
        if (column.kind == ControlKind::custom)
            continue;   // each custom control has tests of its own
        auto& control = controlOf (i);
        // A start away from the default, so that a reset moves the control.
        auto start = deviceCaseFor (column.kind, GetParam().digital).value;
        if (ValueMapping::toControl (column.kind, start) == ValueMapping::toControl (column.kind, defaultOf (column.id)))
            start -= 0x1600;

        if (column.kind == ControlKind::onOff)
        {
            startFrom (column, 0);
            expectOneWrite (column, i, "click on", [&] { edit::click (control); });
            expectOneWrite (column, i, "click off", [&] { edit::click (control); });
            continue;
        }

        startFrom (column, start);
        expectOneWrite (column, i, "drag", [&] { edit::drag (control, 20.0f); });

        startFrom (column, start);
        if (column.kind == ControlKind::overdrive && GetParam().digital)
        {
            edit::wheel (control, 0.5f);
            EXPECT_EQ (shownValue (control), ValueMapping::toControl (column.kind, start)) << "the wheel moved the slider";
            EXPECT_TRUE (recorder.writes().empty()) << "the wheel wrote";
        }
        else
        {
            expectOneWrite (column, i, "wheel", [&] { edit::wheel (control, 0.5f); });
        }

        startFrom (column, start);
        const auto typed = typedCaseFor (column.kind);
        expectOneWrite (column, i, "typed value", [&] {
            auto* box = valueBoxOf (control);
            ASSERT_NE (box, nullptr);
            box->setText (typed.text, juce::sendNotificationSync);
        });
        EXPECT_NEAR (shownValue (control), typed.value, 0.01);

        const double resetTo = ValueMapping::toControl (column.kind, defaultOf (column.id));
        ASSERT_NE (ValueMapping::toControl (column.kind, start), resetTo) << "pick a start value away from the default";

        startFrom (column, start);
        expectOneWrite (column, i, "double-click", [&] { edit::doubleClick (control); });
        EXPECT_EQ (shownValue (control), resetTo);

        startFrom (column, start);
        expectOneWrite (column, i, "Alt-click", [&] { edit::altClick (control); });
        EXPECT_EQ (shownValue (control), resetTo);
    }
}

TEST_P (MachinePanelConformance, DeviceValuesAreShownAndNeverWritten)
{
    ASSERT_NE (panel, nullptr);
    const auto& expected = GetParam().columns;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        SCOPED_TRACE (expected[i].caption);
        const auto device = deviceCaseFor (expected[i].kind, GetParam().digital);
        recorder.showFromDevice (expected[i].id, device.value);
        poll();
        if (expected[i].kind != ControlKind::custom)
        {
            EXPECT_EQ (shownValue (controlOf (i)), device.shown);
        }
    }

    pump();
    EXPECT_TRUE (recorder.writes().empty());
    for (const auto& column : expected)
        EXPECT_EQ (valueOf (column.id), deviceCaseFor (column.kind, GetParam().digital).value) << column.caption;
}

TEST_P (MachinePanelConformance, DoubleClickValuesComeFromTheDefaults)
{
    ASSERT_NE (panel, nullptr);
    const auto& expected = GetParam().columns;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        SCOPED_TRACE (expected[i].caption);
        auto* slider = dynamic_cast<juce::Slider*> (&controlOf (i));
        if (slider == nullptr || expected[i].kind == ControlKind::custom)
            continue;
        EXPECT_TRUE (slider->isDoubleClickReturnEnabled());
        EXPECT_EQ (slider->getDoubleClickReturnValue(), ValueMapping::toControl (expected[i].kind, defaultOf (expected[i].id)));
    }
}

TEST_P (MachinePanelConformance, ARightClickOpensTheMenuOfTheControlsParameterAndResetWritesItsDefault)
{
    ASSERT_NE (panel, nullptr);
    ShownWindow window;
    window.addAndMakeVisible (*panel);
    const auto& expected = GetParam().columns;

    for (size_t i = 0; i < expected.size(); ++i)
    {
        const auto& column = expected[i];
        SCOPED_TRACE (column.caption);
        recorder.showFromDevice (column.id, deviceCaseFor (column.kind, GetParam().digital).value);
        poll();
        recorder.clear();

        menutest::ScopedModalStep step ([] { return ModulationPopupMenu::resetItemId; });
        const auto at = window.getLocalPoint (&controlOf (i), controlOf (i).getLocalBounds().getCentre());
        edit::clickThroughPeer (window, at, edit::left);
        EXPECT_TRUE (step.shown.empty()) << "a left click opened the menu";
        pump();   // a selector writes one message after the click
        juce::PopupMenu::dismissAllActiveMenus();   // a combo's own list
        pump();
        recorder.clear();
        poll();
        recorder.showFromDevice (column.id, deviceCaseFor (column.kind, GetParam().digital).value);
        poll();

        edit::clickThroughPeer (window, at, edit::right);
        ASSERT_EQ (step.shown.size(), 1u);
        EXPECT_EQ (panel->getModulationMenu().getParameterId(), column.id);
        EXPECT_EQ (step.shown[0].at (0), "99998 " + object.getParameterName (column.id).toStdString() + " [disabled]");
        EXPECT_EQ (recorder.writes(), (std::vector<Write> { { column.id, defaultOf (column.id) } })) << "the default, unchanged";
    }
}

TEST_P (MachinePanelConformance, APanelDestroyedWhileItsMenuIsOpenIsNotTouchedAfterwards)
{
    ASSERT_NE (panel, nullptr);
    ShownWindow window;
    window.addAndMakeVisible (*panel);
    const auto& column = GetParam().columns.at (1);
    auto& control = controlOf (1);
    const auto at = window.getLocalPoint (&control, control.getLocalBounds().getCentre());

    menutest::ScopedModalStep step ([this] {
        panel.reset();
        return ModulationPopupMenu::resetItemId;
    });
    edit::clickThroughPeer (window, at, edit::right);

    EXPECT_EQ (panel, nullptr);
    EXPECT_EQ (step.shown.size(), 1u);
    EXPECT_TRUE (recorder.writes().empty()) << column.caption;
}

INSTANTIATE_TEST_SUITE_P (MachineTypes, MachinePanelConformance, ::testing::ValuesIn (expectedPanels()),
                          [] (const ::testing::TestParamInfo<ExpectedPanel>& info) { return std::string (info.param.name); });
} // namespace
