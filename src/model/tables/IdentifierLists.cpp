#include "model/tables/IdentifierLists.h"

namespace ModelTables
{
    LateConstructed<IdentifierListStore> identifierListStorage;

    void constructIdentifierLists()
    {
        auto& lists = *new (&identifierListStorage.value) IdentifierListStore();

        lists.fxDelay = {
            FX_DelayTime,
            FX_DelayPingPong,
            FX_DelayWidth,
            FX_DelayFeedback,
            FX_DelayHpFilter,
            FX_DelayLpFilter,
            FX_DelayReverbSend,
            FX_DelayVolume,
        };
        lists.fxReverb = {
            FX_ReverbPreDelay,
            FX_ReverbDecayTime,
            FX_ReverbShelvingFrequency,
            FX_ReverbShelvingGain,
            FX_ReverbHpFilter,
            FX_ReverbLpFilter,
            FX_ReverbVolume,
        };
        lists.fxDist = {
            FX_DistAmount,
            FX_DistSymmetry,
            FX_DelayOverdrive,
            FX_DelayDistComp,
            FX_ReverbDistComp,
        };
        lists.fxLfo1 = {
            FX_Lfo1Speed,
            FX_Lfo1Mult,
            FX_Lfo1Fade,
            FX_Lfo1Start,
            FX_Lfo1Trig,
            FX_Lfo1Waveform,
            FX_Lfo1Depth,
        };
        lists.fxLfo2 = {
            FX_Lfo2Speed,
            FX_Lfo2Mult,
            FX_Lfo2Fade,
            FX_Lfo2Start,
            FX_Lfo2Trig,
            FX_Lfo2Waveform,
            FX_Lfo2Depth,
        };
        lists.fxExtIn = {
            FX_ExtInInputLevel,
            FX_ExtInInputBalance,
            FX_ExtInDelaySend,
            FX_ExtInReverbSend,
            FX_ExtInPrePost,
        };
        lists.fxAmp = {
            FX_AmpAttack,
            FX_AmpHold,
            FX_AmpDecay,
            FX_AmpOverdrive,
            FX_AmpDelay2Send,
            FX_AmpReverbSend,
            FX_AmpBalance,
            FX_AmpVolume,
            FX_AmpEnvelopeDepth,
            FX_AmpEnvReset,
        };
        lists.fxFilter = {
            FX_FilterFrequency,
            FX_FilterResonance,
            FX_FilterEnvDepth,
            FX_FilterEnvDelay,
            FX_FilterAttack,
            FX_FilterDecay,
            FX_FilterSustain,
            FX_FilterRelease,
            FX_FilterEnvRestart,
        };
        lists.fxNone = {
            FX_None,
        };
        lists.soundFilterBaseWidth = {
            Sound_FilterFrequency,
            Sound_FilterResonance,
            Sound_FilterEnvDepth,
            Sound_FilterEnvDelay,
            Sound_FilterAttack,
            Sound_FilterDecay,
            Sound_FilterSustain,
            Sound_FilterRelease,
            Sound_FilterEnvRestart,
            Sound_FilterBase,
            Sound_FilterWidth,
        };
        lists.soundFilter = {
            Sound_FilterFrequency,
            Sound_FilterResonance,
            Sound_FilterEnvDepth,
            Sound_FilterEnvDelay,
            Sound_FilterAttack,
            Sound_FilterDecay,
            Sound_FilterSustain,
            Sound_FilterRelease,
            Sound_FilterEnvRestart,
        };
        lists.soundAmp = {
            Sound_AmpAttack,
            Sound_AmpHold,
            Sound_AmpDecay,
            Sound_AmpSustain,
            Sound_AmpRelease,
            Sound_AmpDelaySend,
            Sound_AmpReverbSend,
            Sound_AmpPan,
            Sound_AmpVolume,
            Sound_AmpPrePost,
            Sound_AmpMode,
            Sound_EnvReset,
        };
        lists.soundLfo1 = {
            Sound_Lfo1Speed,
            Sound_Lfo1Mult,
            Sound_Lfo1Fade,
            Sound_Lfo1Waveform,
            Sound_Lfo1Start,
            Sound_Lfo1Trig,
            Sound_Lfo1Depth,
        };
        lists.soundLfo2 = {
            Sound_Lfo2Speed,
            Sound_Lfo2Mult,
            Sound_Lfo2Fade,
            Sound_Lfo2Waveform,
            Sound_Lfo2Start,
            Sound_Lfo2Trig,
            Sound_Lfo2Depth,
        };
        // 0
        lists.machine[0] = {
            Sound_MCKickTune,
            Sound_MCKickSquareModulation,
            Sound_MCKickTriangleModFdbk,
            Sound_MCMachinePitchSweep,
            Sound_MCMachineModulationEnv,
            Sound_MCKickPunch,
            Sound_MCKickDecay,
            Sound_MCKickLevel,
        };
        // 1
        lists.machine[1] = {
            Sound_MCSnareTune,
            Sound_MCSnareInharmonicity,
            Sound_MCSnareModFdbk,
            Sound_MCSnarePitchSweep,
            Sound_MCSnareModulationEnv,
            Sound_MCSnarePunch,
            Sound_MCSnareDecay,
            Sound_MCSnareLevel,
        };
        // 2
        lists.machine[2] = {
            Sound_MCMetalTune,
            Sound_MCMetalTuneOffsetA,
            Sound_MCMetalModulation,
            Sound_MCMetalTuneOffsetB,
            Sound_MCMetalModulationEnv,
            Sound_MCMetalPunch,
            Sound_MCMetalDecay,
            Sound_MCMetalLevel,
        };
        // 3
        lists.machine[3] = {
            Sound_MCPercTune,
            Sound_MCPercInharmonicity,
            Sound_MCPercModulation,
            Sound_MCPercPitchSweep,
            Sound_MCPercModulationEnv,
            Sound_MCPercPunch,
            Sound_MCPercDecay,
            Sound_MCPercLevel,
        };
        // 4
        lists.machine[4] = {
            Sound_MCToneTune,
            Sound_MCToneModRatio,
            Sound_MCToneModulation,
            Sound_MCToneFeedback,
            Sound_MCToneModulationEnv,
            Sound_MCTonePunch,
            Sound_MCToneDecay,
            Sound_MCToneLevel,
        };
        // 5
        lists.machine[5] = {
            Sound_MCChordTune,
            Sound_MCChordChordOscBalance,
            Sound_MCChordModeChord,
            Sound_MCChordWaveSweep,
            Sound_MCChordFilterEnvelope,
            Sound_MCChordPunch,
            Sound_MCChordDecay,
            Sound_MCChordLevel,
        };
        // 6
        lists.machine[6] = {
            Sound_MCSnare2Tune,
            Sound_MCSnare2Color,
            Sound_MCSnare2Shape,
            Sound_MCSnare2Sweep,
            Sound_MCSnare2Contour,
            Sound_MCSnare2Punch,
            Sound_MCSnare2Decay,
            Sound_MCSnare2Level,
        };
        // 7
        lists.machine[7] = {
            Sound_MCClapTune,
            Sound_MCClapColor,
            Sound_MCClapSweep,
            Sound_MCClapShape,
            Sound_MCClapContour,
            Sound_MCClapPunch,
            Sound_MCClapDecay,
            Sound_MCClapLevel,
        };
        // 8
        lists.machine[8] = {
            Sound_BdHardLevel,
            Sound_BdHardTune,
            Sound_BdHardDecayTime,
            Sound_BdHardHoldTime,
            Sound_BdHardSweepTime,
            Sound_BdHardSnapAmount,
            Sound_BdHardWaveform,
            Sound_BdHardTickLevel,
        };
        // 9
        lists.machine[9] = {
            Sound_BdClassicLevel,
            Sound_BdClassicTune,
            Sound_BdClassicDecayTime,
            Sound_BdClassicHoldTime,
            Sound_BdClassicSweepTime,
            Sound_BdClassicSweepDepth,
            Sound_BdClassicWaveform,
            Sound_BdClassicTransient,
        };
        // 10
        lists.machine[10] = {
            Sound_BdFmLevel,
            Sound_BdFmTune,
            Sound_BdFmDecayTime,
            Sound_BdFmFmAmount,
            Sound_BdFmSweepTime,
            Sound_BdFmFmSweepTime,
            Sound_BdFmFmDecayTime,
            Sound_BdFmFmTune,
        };
        // 11
        lists.machine[11] = {
            Sound_BdPlasticLevel,
            Sound_BdPlasticTune,
            Sound_BdPlasticDecayTime,
            Sound_BdPlasticModulationType,
            Sound_BdPlasticModulationLevel,
            Sound_BdPlasticSweepTime,
            Sound_BdPlasticSweepDepth,
            Sound_BdPlasticTickLevel,
        };
        // 12
        lists.machine[12] = {
            Sound_BdSilkyLevel,
            Sound_BdSilkyTune,
            Sound_BdSilkyDecayTime,
            Sound_BdSilkyHoldTime,
            Sound_BdSilkySweepTime,
            Sound_BdSilkySweepDepth,
            Sound_BdSilkyDustLevel,
            Sound_BdSilkyVCOClick,
        };
        // 13
        lists.machine[13] = {
            Sound_BdSharpLevel,
            Sound_BdSharpTune,
            Sound_BdSharpDecayTime,
            Sound_BdSharpHoldTime,
            Sound_BdSharpSweepTime,
            Sound_BdSharpSweepDepth,
            Sound_BdSharpWaveform,
            Sound_BdSharpTickLevel,
        };
        // 14
        lists.machine[14] = {
            Sound_SdHardLevel,
            Sound_SdHardTune,
            Sound_SdHardDecayTime,
            Sound_SdHardSweepDepth,
            Sound_SdHardTickLevel,
            Sound_SdHardNoiseDecay,
            Sound_SdHardNoiseLevel,
            Sound_SdHardSweepTime,
        };
        // 15
        lists.machine[15] = {
            Sound_SdClassicLevel,
            Sound_SdClassicTune,
            Sound_SdClassicDecayTime,
            Sound_SdClassicDetune,
            Sound_SdClassicSnapAmount,
            Sound_SdClassicNoiseDecay,
            Sound_SdClassicNoiseLevel,
            Sound_SdClassicOscBalance,
        };
        // 16
        lists.machine[16] = {
            Sound_SdFmLevel,
            Sound_SdFmTune,
            Sound_SdFmDecayTime,
            Sound_SdFmFmTune,
            Sound_SdFmFmDecayTime,
            Sound_SdFmNoiseDecay,
            Sound_SdFmNoiseLevel,
            Sound_SdFmFmAmount,
        };
        // 17
        lists.machine[17] = {
            Sound_SdNaturalLevel,
            Sound_SdNaturalTune,
            Sound_SdNaturalBodyDecay,
            Sound_SdNaturalNoiseDecay,
            Sound_SdNaturalNoiseBalance,
            Sound_SdNaturalNoiseLPF,
            Sound_SdNaturalNoiseHPF,
            Sound_SdNaturalNoiseResonance,
        };
        // 18
        lists.machine[18] = {
            Sound_RsHardLevel,
            Sound_RsHardTune,
            Sound_RsHardDecayTime,
            Sound_RsHardSweepDepth,
            Sound_RsHardTickLevel,
            Sound_RsHardNoiseLevel,
            Sound_RsHardSymmetry,
            Sound_RsHardSweepTime,
        };
        // 19
        lists.machine[19] = {
            Sound_RsClassicLevel,
            Sound_RsClassicTune1,
            Sound_RsClassicDecayTime,
            Sound_RsClassicOscBalance,
            Sound_RsClassicTune2,
            Sound_RsClassicSymmetry,
            Sound_RsClassicNoiseLevel,
            Sound_RsClassicTickLevel,
        };
        // 20
        lists.machine[20] = {
            Sound_DVCOLevel,
            Sound_DVCOOsc1Tune,
            Sound_DVCOOsc1Decay,
            Sound_DVCOOsc2Detune,
            Sound_DVCOOsc2Decay,
            Sound_DVCOBend,
            Sound_DVCOBalance,
            Sound_DVCOOscConfig,
        };
        // 21
        lists.machine[21] = {
            Sound_ClapClassicLevel,
            Sound_ClapClassicNoiseTone,
            Sound_ClapClassicNoiseDecay,
            Sound_ClapClassicNumber,
            Sound_ClapClassicRate,
            Sound_ClapClassicNoiseLevel,
            Sound_ClapClassicRandom,
            Sound_ClapClassicDecay,
        };
        // 22
        lists.machine[22] = {
            Sound_ChClassicLevel,
            Sound_ChClassicTune,
            Sound_ChClassicDecayTime,
            Sound_ChClassicNoiseColor,
        };
        // 23
        lists.machine[23] = {
            Sound_OhClassicLevel,
            Sound_OhClassicTune,
            Sound_OhClassicDecayTime,
            Sound_OhClassicNoiseColor,
        };
        // 24
        lists.machine[24] = {
            Sound_CyClassicLevel,
            Sound_CyClassicTune,
            Sound_CyClassicDecay,
            Sound_CyClassicNoiseColor,
            Sound_CyClassicTone,
        };
        // 25
        lists.machine[25] = {
            Sound_CbClassicLevel,
            Sound_CbClassicTune,
            Sound_CbClassicDecayTime,
            Sound_CbClassicDetune,
        };
        // 26
        lists.machine[26] = {
            Sound_ChMetallicLevel,
            Sound_ChMetallicTune,
            Sound_ChMetallicDecayTime,
            Sound_ChMetallicColor,
        };
        // 27
        lists.machine[27] = {
            Sound_OhMetallicLevel,
            Sound_OhMetallicTune,
            Sound_OhMetallicDecayTime,
            Sound_OhMetallicColor,
        };
        // 28
        lists.machine[28] = {
            Sound_CyMetallicLevel,
            Sound_CyMetallicTune,
            Sound_CyMetallicDecayTime,
            Sound_CyMetallicColor,
            Sound_CyMetallicTone,
            Sound_CyMetallicTransientDecay,
        };
        // 29
        lists.machine[29] = {
            Sound_CbMetallicLevel,
            Sound_CbMetallicTune,
            Sound_CbMetallicDecay,
            Sound_CbMetallicDetune,
        };
        // 30
        lists.machine[30] = {
            Sound_CyRideLevel,
            Sound_CyRideTune,
            Sound_CyRideTailDecay,
            Sound_CyRideType,
            Sound_CyRideHitDecay,
            Sound_CyRideComponent1,
            Sound_CyRideComponent2,
            Sound_CyRideComponent3,
        };
        // 31
        lists.machine[31] = {
            Sound_HhBasicLevel,
            Sound_HhBasicTune,
            Sound_HhBasicDecayTime,
            Sound_HhBasicTone,
            Sound_HhBasicTransientDecay,
            Sound_HhBasicOscReset,
        };
        // 32
        lists.machine[32] = {
            Sound_NoiseGenLevel,
            Sound_NoiseGenLPFreq,
            Sound_NoiseGenDecayTime,
            Sound_NoiseGenHPFreq,
            Sound_NoiseGenLPReso,
            Sound_NoiseGenAttackTime,
            Sound_NoiseGenSweepTime,
            Sound_NoiseGenSweepDepth,
        };
        // 33
        lists.machine[33] = {
            Sound_ImpulseLevel,
            Sound_ImpulseAttackTime,
            Sound_ImpulseDecayTime,
            Sound_ImpulsePolarity,
        };
        // 36
        lists.machine[36] = {
            Sound_MCToyTune,
            Sound_MCToyStructure,
            Sound_MCToyImpact,
            Sound_MCToyBrightness,
            Sound_MCToyPartialDecay,
            Sound_MCToyPunch,
            Sound_MCToyDecay,
            Sound_MCToyLevel,
        };
        // 37
        lists.machine[37] = {
            Sound_MCBitsTune,
            Sound_MCBitsDetune,
            Sound_MCBitsBalance,
            Sound_MCBitsSampleRateRedux,
            Sound_MCBitsWaveform,
            Sound_MCBitsBitRedux,
            Sound_MCBitsDecay,
            Sound_MCBitsLevel,
        };
        // 38
        lists.machine[38] = {
            Sound_SuperSawTune,
            Sound_SuperSawDeune,
            Sound_SuperSawMix,
            Sound_SuperSawDecay,
            Sound_SuperSawNoiseModulation,
            Sound_SuperSawLFOMod,
            Sound_SuperSawOscSub,
            Sound_SuperSawOverdrive,
        };
        // 39
        lists.machine[39] = {
            Sound_VCOTune,
            Sound_VCOOsc2Detune,
            Sound_VCOOsc2Level,
            Sound_VCODecay,
            Sound_VCOWaveform1,
            Sound_VCOWaveform2,
            Sound_VCONoiseLevel,
            Sound_VCOOverdrive,
        };
        lists.soundNone = {
            Sound_None,
        };
    }

    void destroyIdentifierLists() noexcept
    {
        identifierListStorage.value.~IdentifierListStore();
    }
}
