#include "model/Sound.h"

#include "engine/AsyncDataType.h"
#include "model/DeviceText.h"
#include "model/DeviceRecordAppliers.h"
#include "model/storage/RecordWriters.h"
#include "model/storage/StorageIndexTables.h"
#include "model/tables/ParameterTable.h"

#include <cstring>

namespace Vantu
{
namespace
{
    constexpr int noHost = -1;

    struct TableParam
    {
        const char* name;   // after "Sound_"
        int row;
        int group;          // host-parameter group, or noHost
    };

    // Filter, amp and the two LFO pages, then the machine types in registration order.
    constexpr TableParam pageAndMachineParams[] = {
        { "FilterFrequency", 58, 0 }, { "FilterResonance", 60, 0 }, { "FilterEnvDelay", 63, 0 }, { "FilterAttack", 64, 0 },
        { "FilterDecay", 65, 0 }, { "FilterSustain", 66, 0 }, { "FilterRelease", 67, 0 }, { "FilterEnvDepth", 68, 0 },
        { "FilterBase", 70, 0 }, { "FilterWidth", 71, 0 },
        { "AmpDelayTime", 72, 0 }, { "AmpAttack", 73, 0 }, { "AmpHold", 74, 0 }, { "AmpDecay", 75, 0 },
        { "AmpSustain", 76, 0 }, { "AmpRelease", 77, 0 }, { "AmpDelaySend", 78, 0 }, { "AmpReverbSend", 79, 0 },
        { "AmpPan", 80, 0 }, { "AmpVolume", 81, 0 }, { "AmpPrePost", 82, 0 }, { "AmpMode", 84, 0 }, { "EnvReset", 85, 0 },
        { "Lfo1Speed", 86, 0 }, { "Lfo1Mult", 87, 0 }, { "Lfo1Fade", 88, 0 }, { "Lfo1Dest", 89, 0 },
        { "Lfo1Waveform", 90, 0 }, { "Lfo1Start", 91, 0 }, { "Lfo1Trig", 92, 0 }, { "Lfo1Depth", 93, 0 },
        { "Lfo2Speed", 95, 0 }, { "Lfo2Mult", 96, 0 }, { "Lfo2Fade", 97, 0 }, { "Lfo2Dest", 98, 0 },
        { "Lfo2Waveform", 99, 0 }, { "Lfo2Start", 100, 0 }, { "Lfo2Trig", 101, 0 }, { "Lfo2Depth", 102, 0 },
        // Machines
        { "BdHardTune", 267, 1 }, { "BdHardLevel", 268, 1 }, { "BdHardHoldTime", 269, 1 }, { "BdHardDecayTime", 270, 1 },
        { "BdHardSweepTime", 271, 0 }, { "BdHardSnapAmount", 272, 0 }, { "BdHardWaveform", 273, 0 }, { "BdHardTickLevel", 274, 0 },
        { "BdClassicTune", 275, 1 }, { "BdClassicLevel", 276, 1 }, { "BdClassicHoldTime", 277, 1 }, { "BdClassicDecayTime", 278, 1 },
        { "BdClassicSweepTime", 279, 1 }, { "BdClassicSweepDepth", 280, 1 }, { "BdClassicWaveform", 281, 1 }, { "BdClassicTransient", 282, 1 },
        { "BdFmTune", 283, 0 }, { "BdFmLevel", 284, 0 }, { "BdFmFmAmount", 285, 0 }, { "BdFmDecayTime", 286, 0 },
        { "BdFmSweepTime", 287, 0 }, { "BdFmFmSweepTime", 288, 0 }, { "BdFmFmDecayTime", 289, 0 }, { "BdFmFmTune", 290, 0 },
        { "BdPlasticTune", 291, 0 }, { "BdPlasticSweepTime", 298, 0 }, { "BdPlasticSweepDepth", 297, 0 }, { "BdPlasticDecayTime", 294, 0 },
        { "BdPlasticModulationType", 293, 0 }, { "BdPlasticModulationLevel", 296, 0 }, { "BdPlasticTickLevel", 295, 0 }, { "BdPlasticLevel", 292, 0 },
        { "BdSharpTune", 307, 0 }, { "BdSharpSweepTime", 314, 0 }, { "BdSharpSweepDepth", 313, 0 }, { "BdSharpDecayTime", 310, 0 },
        { "BdSharpHoldTime", 309, 0 }, { "BdSharpTickLevel", 311, 0 }, { "BdSharpWaveform", 312, 0 }, { "BdSharpLevel", 308, 0 },
        { "BdSilkyTune", 299, 0 }, { "BdSilkySweepTime", 306, 0 }, { "BdSilkySweepDepth", 305, 0 }, { "BdSilkyDecayTime", 302, 0 },
        { "BdSilkyHoldTime", 301, 0 }, { "BdSilkyDustLevel", 304, 0 }, { "BdSilkyVCOClick", 303, 0 }, { "BdSilkyLevel", 300, 0 },
        { "SdClassicTune", 323, 0 }, { "SdClassicOscBalance", 324, 0 }, { "SdClassicDetune", 325, 0 }, { "SdClassicDecayTime", 326, 0 },
        { "SdClassicNoiseDecay", 327, 0 }, { "SdClassicSnapAmount", 328, 0 }, { "SdClassicNoiseLevel", 329, 0 }, { "SdClassicLevel", 330, 0 },
        { "SdHardSweepDepth", 315, 0 }, { "SdHardDecayTime", 316, 0 }, { "SdHardLevel", 317, 0 }, { "SdHardTickLevel", 318, 0 },
        { "SdHardNoiseDecay", 319, 0 }, { "SdHardNoiseLevel", 320, 0 }, { "SdHardTune", 321, 0 }, { "SdHardSweepTime", 322, 0 },
        { "SdFmTune", 331, 0 }, { "SdFmFmAmount", 332, 0 }, { "SdFmFmTune", 333, 0 }, { "SdFmDecayTime", 334, 0 },
        { "SdFmNoiseDecay", 335, 0 }, { "SdFmFmDecayTime", 336, 0 }, { "SdFmNoiseLevel", 337, 0 }, { "SdFmLevel", 338, 0 },
        { "SdNaturalTune", 339, 0 }, { "SdNaturalNoiseDecay", 342, 0 }, { "SdNaturalNoiseBalance", 344, 0 }, { "SdNaturalBodyDecay", 341, 0 },
        { "SdNaturalNoiseHPF", 346, 0 }, { "SdNaturalNoiseLPF", 343, 0 }, { "SdNaturalNoiseResonance", 345, 0 }, { "SdNaturalLevel", 340, 0 },
        { "RsHardSweepDepth", 347, 0 }, { "RsHardDecayTime", 348, 0 }, { "RsHardLevel", 349, 0 }, { "RsHardTickLevel", 350, 0 },
        { "RsHardNoiseLevel", 351, 0 }, { "RsHardSymmetry", 352, 0 }, { "RsHardTune", 353, 0 }, { "RsHardSweepTime", 354, 0 },
        { "RsClassicOscBalance", 355, 0 }, { "RsClassicDecayTime", 356, 0 }, { "RsClassicTune1", 357, 0 }, { "RsClassicTune2", 358, 0 },
        { "RsClassicLevel", 359, 0 }, { "RsClassicTickLevel", 360, 0 }, { "RsClassicNoiseLevel", 361, 0 }, { "RsClassicSymmetry", 362, 0 },
        { "ClapClassicLevel", 371, 0 }, { "ClapClassicDecay", 378, 0 }, { "ClapClassicRate", 373, 0 }, { "ClapClassicNumber", 374, 0 },
        { "ClapClassicNoiseTone", 375, 0 }, { "ClapClassicNoiseLevel", 376, 0 }, { "ClapClassicRandom", 377, 0 }, { "ClapClassicNoiseDecay", 372, 0 },
        { "ImpulseAttackTime", 438, 0 }, { "ImpulseDecayTime", 441, 0 }, { "ImpulsePolarity", 444, 0 }, { "ImpulseLevel", 445, 0 },
        { "ImpulseCount", 443, noHost }, { "ImpulseRepeat", 442, noHost }, { "ImpulseShape", 440, noHost }, { "ImpulseHold", 439, noHost },
        { "NoiseGenLPFreq", 430, 0 }, { "NoiseGenHPFreq", 432, 0 }, { "NoiseGenAttackTime", 433, 0 }, { "NoiseGenDecayTime", 436, 0 },
        { "NoiseGenLPReso", 431, 0 }, { "NoiseGenSweepDepth", 435, 0 }, { "NoiseGenSweepTime", 434, 0 }, { "NoiseGenLevel", 437, 0 },
        { "CyClassicLevel", 387, 0 }, { "CyClassicTune", 388, 0 }, { "CyClassicDecay", 389, 0 }, { "CyClassicNoiseColor", 390, 0 }, { "CyClassicTone", 391, 0 },
        { "CbClassicLevel", 392, 0 }, { "CbClassicDecayTime", 393, 0 }, { "CbClassicTune", 394, 0 }, { "CbClassicDetune", 395, 0 },
        { "ChClassicLevel", 379, 0 }, { "ChClassicDecayTime", 380, 0 }, { "ChClassicTune", 381, 0 }, { "ChClassicNoiseColor", 382, 0 },
        { "ChMetallicTune", 398, 0 }, { "ChMetallicDecayTime", 397, 0 }, { "ChMetallicColor", 399, 0 }, { "ChMetallicLevel", 396, 0 },
        { "OhClassicLevel", 383, 0 }, { "OhClassicDecayTime", 384, 0 }, { "OhClassicTune", 385, 0 }, { "OhClassicNoiseColor", 386, 0 },
        { "OhMetallicTune", 402, 0 }, { "OhMetallicDecayTime", 401, 0 }, { "OhMetallicColor", 403, 0 }, { "OhMetallicLevel", 400, 0 },
        { "HhBasicTune", 424, 0 }, { "HhBasicTone", 425, 0 }, { "HhBasicTransientDecay", 426, 0 }, { "HhBasicDecayTime", 423, 0 },
        { "HhBasicNoiseLevel", 428, 0 }, { "HhBasicNoiseDecay", 429, 0 }, { "HhBasicOscReset", 427, 0 }, { "HhBasicLevel", 422, 0 },
        { "CyMetallicTune", 406, 0 }, { "CyMetallicTone", 407, 0 }, { "CyMetallicTransientDecay", 408, 0 }, { "CyMetallicDecayTime", 405, 0 },
        { "CyMetallicColor", 409, 0 }, { "CyMetallicLevel", 404, 0 },
        { "CyRideTune", 415, 0 }, { "CyRideType", 418, 0 }, { "CyRideHitDecay", 417, 0 }, { "CyRideTailDecay", 416, 0 },
        { "CyRideComponent1", 419, 0 }, { "CyRideComponent2", 420, 0 }, { "CyRideComponent3", 421, 0 }, { "CyRideLevel", 414, 0 },
        { "CbMetallicTune", 412, 0 }, { "CbMetallicDecay", 411, 0 }, { "CbMetallicDetune", 413, 0 }, { "CbMetallicLevel", 410, 0 },
        { "DVCOOsc1Tune", 365, 0 }, { "DVCOOsc2Detune", 366, 0 }, { "DVCOOsc1Decay", 370, 0 }, { "DVCOOsc2Decay", 368, 0 },
        { "DVCOOscConfig", 367, 0 }, { "DVCOBend", 369, 0 }, { "DVCOBalance", 364, 0 }, { "DVCOLevel", 363, 0 },
        { "MCKickTune", 155, 0 }, { "MCKickDecay", 162, 0 }, { "MCKickPunch", 160, 0 }, { "MCKickLevel", 161, 0 },
        { "MCKickSquareModulation", 156, 0 }, { "MCKickTriangleModFdbk", 157, 0 },
        { "MCMachinePitchSweep", 158, 0 }, { "MCMachineModulationEnv", 159, 0 },
        { "MCSnareTune", 163, 0 }, { "MCSnareDecay", 170, 0 }, { "MCSnarePunch", 168, 0 }, { "MCSnareLevel", 169, 0 },
        { "MCSnareInharmonicity", 164, 0 }, { "MCSnareModFdbk", 165, 0 }, { "MCSnarePitchSweep", 166, 0 }, { "MCSnareModulationEnv", 167, 0 },
        { "MCMetalTune", 171, 0 }, { "MCMetalDecay", 178, 0 }, { "MCMetalPunch", 176, 0 }, { "MCMetalLevel", 177, 0 },
        { "MCMetalTuneOffsetA", 172, 0 }, { "MCMetalModulation", 173, 0 }, { "MCMetalTuneOffsetB", 174, 0 }, { "MCMetalModulationEnv", 175, 0 },
        { "MCPercTune", 179, 0 }, { "MCPercDecay", 186, 0 }, { "MCPercPunch", 184, 0 }, { "MCPercLevel", 185, 0 },
        { "MCPercInharmonicity", 180, 0 }, { "MCPercModulation", 181, 0 }, { "MCPercPitchSweep", 182, 0 }, { "MCPercModulationEnv", 183, 0 },
        { "MCToneTune", 187, 0 }, { "MCToneDecay", 194, 0 }, { "MCTonePunch", 192, 0 }, { "MCToneLevel", 193, 0 },
        { "MCToneModRatio", 188, 0 }, { "MCToneModulation", 189, 0 }, { "MCToneFeedback", 190, 0 }, { "MCToneModulationEnv", 191, 0 },
        { "MCChordTune", 195, 0 }, { "MCChordDecay", 202, 0 }, { "MCChordPunch", 200, 0 }, { "MCChordLevel", 201, 0 },
        { "MCChordChordOscBalance", 196, 0 }, { "MCChordModeChord", 197, 0 }, { "MCChordWaveSweep", 198, 0 }, { "MCChordFilterEnvelope", 199, 0 },
        { "MCSnare2Tune", 203, 0 }, { "MCSnare2Color", 204, 0 }, { "MCSnare2Shape", 205, 0 }, { "MCSnare2Sweep", 206, 0 },
        { "MCSnare2Contour", 207, 0 }, { "MCSnare2Punch", 208, 0 }, { "MCSnare2Level", 209, 0 }, { "MCSnare2Decay", 210, 0 },
        { "MCClapTune", 211, 0 }, { "MCClapColor", 212, 0 }, { "MCClapShape", 213, 0 }, { "MCClapSweep", 214, 0 },
        { "MCClapContour", 215, 0 }, { "MCClapPunch", 216, 0 }, { "MCClapLevel", 217, 0 }, { "MCClapDecay", 218, 0 },
        { "MCToyTune", 219, 0 }, { "MCToyStructure", 220, 0 }, { "MCToyImpact", 221, 0 }, { "MCToyBrightness", 222, 0 },
        { "MCToyPartialDecay", 223, 0 }, { "MCToyPunch", 224, 0 }, { "MCToyLevel", 225, 0 }, { "MCToyDecay", 226, 0 },
        { "MCBitsTune", 227, 0 }, { "MCBitsDetune", 228, 0 }, { "MCBitsBalance", 229, 0 }, { "MCBitsSampleRateRedux", 230, 0 },
        { "MCBitsWaveform", 231, 0 }, { "MCBitsBitRedux", 232, 0 }, { "MCBitsLevel", 233, 0 }, { "MCBitsDecay", 234, 0 },
    };

    constexpr TableParam superSawParams[] = {
        { "SuperSawTune", 235, 5 }, { "SuperSawDeune", 238, 5 }, { "SuperSawMix", 239, 5 }, { "SuperSawDecay", 242, 5 },
        { "SuperSawNoiseModulation", 236, 5 }, { "SuperSawLFOMod", 237, 5 }, { "SuperSawOscSub", 240, 5 }, { "SuperSawOverdrive", 241, 5 },
    };
    constexpr TableParam vcoParams[] = {
        { "VCOTune", 449, 5 }, { "VCOOsc2Detune", 450, 5 }, { "VCOOsc2Level", 453, 5 }, { "VCODecay", 447, 5 },
        { "VCOWaveform1", 451, 5 }, { "VCOWaveform2", 452, 5 }, { "VCONoiseLevel", 448, 5 }, { "VCOOverdrive", 446, 5 },
    };

    struct RangedParam
    {
        const char* name;
        int defaultValue;
        int min;
        int max;
    };

    constexpr RangedParam leadingRanged[] = {
        { "Sound_Tags", 0, -2147483647 - 1, 2147483647 }, { "Sound_MachineType", 1, 0, 39 },
        { "Sound_ChromaticEnabledSynth", 1, 0, 1 }, { "Sound_ChromaticEnabledSample", 1, 0, 1 },
        { "Sound_VelocityVolMode", 2, 0, 3 }, { "Sound_LegacyFxSend", 0, 0, 1 },
    };
    constexpr RangedParam playRanged[] = {
        { "Sound_Portamento_Type", 0, 0, 2 }, { "Sound_Portamento_Slope", 0, 0, 1 }, { "Sound_Portamento_Amount", 0, 0, 100 },
        { "Sound_Portamento_Style", 0, 0, 1 }, { "Sound_Portamento_Gating", 0, 0, 1 }, { "Sound_PitchBendDepth", 0, 0, 100 },
        { "Sound_Transpose", 0, -60, 60 }, { "Sound_PlayMode", 0, 2, 3 }, { "Sound_MonoNotePriority", 0, 0, 2 },
        { "Sound_FilterKeyTracking", 0, 0, 100 },
    };

    // Modulation sources in registration order, and their index in the record's order.
    struct SourceName
    {
        const char* name;
        int recordIndex;
    };
    constexpr SourceName registrationSources[] = {
        { "Velocity", modVelocity }, { "Aftertouch", modAftertouch }, { "PitchBend", modPitchBend },
        { "ModWheel", modModWheel }, { "Breath", modBreath },
    };

    struct ModulationIds
    {
        juce::Identifier depth[5][4];
        juce::Identifier destination[5][4];
    };

    const ModulationIds& modulationIds()
    {
        static const ModulationIds ids = [] {
            ModulationIds m;
            for (const auto& s : registrationSources)
                for (int slot = 0; slot < 4; ++slot)
                {
                    const juce::String base = juce::String ("Sound_") + s.name + juce::String::charToString (juce::juce_wchar ('A' + slot));
                    m.depth[s.recordIndex][slot] = juce::Identifier (base + "Depth");
                    m.destination[s.recordIndex][slot] = juce::Identifier (base + "Destination");
                }
            return m;
        }();
        return ids;
    }

    const juce::Identifier emptyId;

    const juce::Identifier& lookup (bool depth, int source, int slot)
    {
        if (static_cast<unsigned> (slot) > 3u || static_cast<unsigned> (source) > 4u)
            return emptyId;
        const auto& m = modulationIds();
        return depth ? m.depth[source][slot] : m.destination[source][slot];
    }

    // A runtime slot as the storage-order word number the device writes in
    // its own setup records (the inverse of the sound index table); 0 when no
    // word maps to the slot.
    std::uint8_t storageWordOfSlot (int slot)
    {
        for (std::size_t k = 0; k < indexTables::sound.size(); ++k)
            if (indexTables::sound[k] == slot)
                return static_cast<std::uint8_t> (k);
        return 0;
    }

    const juce::Identifier idName ("Sound_Name"), idTags ("Sound_Tags"), idMachineType ("Sound_MachineType"),
        idVelocityVolMode ("Sound_VelocityVolMode"), idFilterEnvRestart ("Sound_FilterEnvRestart"),
        idFilterKeyTracking ("Sound_FilterKeyTracking"), idPitchBendDepth ("Sound_PitchBendDepth"),
        idTranspose ("Sound_Transpose"), idPlayMode ("Sound_PlayMode"), idMonoNotePriority ("Sound_MonoNotePriority"),
        idPortamentoAmount ("Sound_Portamento_Amount"), idPortamentoType ("Sound_Portamento_Type"),
        idPortamentoStyle ("Sound_Portamento_Style"), idPortamentoSlope ("Sound_Portamento_Slope"),
        idPortamentoGating ("Sound_Portamento_Gating");

    constexpr std::uint8_t filterEnvRestartBit = 0x02;
} // namespace

const juce::Identifier& Sound::velocityDepthId (int slot) { return lookup (true, modVelocity, slot); }
const juce::Identifier& Sound::velocityDestinationId (int slot) { return lookup (false, modVelocity, slot); }
const juce::Identifier& Sound::pitchBendDepthId (int slot) { return lookup (true, modPitchBend, slot); }
const juce::Identifier& Sound::pitchBendDestinationId (int slot) { return lookup (false, modPitchBend, slot); }
const juce::Identifier& Sound::modWheelDepthId (int slot) { return lookup (true, modModWheel, slot); }
const juce::Identifier& Sound::modWheelDestinationId (int slot) { return lookup (false, modModWheel, slot); }
const juce::Identifier& Sound::breathDepthId (int slot) { return lookup (true, modBreath, slot); }
const juce::Identifier& Sound::breathDestinationId (int slot) { return lookup (false, modBreath, slot); }
const juce::Identifier& Sound::aftertouchDepthId (int slot) { return lookup (true, modAftertouch, slot); }
const juce::Identifier& Sound::aftertouchDestinationId (int slot) { return lookup (false, modAftertouch, slot); }
const juce::Identifier& Sound::modulationDepthId (int source, int slot) { return lookup (true, source, slot); }
const juce::Identifier& Sound::modulationDestinationId (int source, int slot) { return lookup (false, source, slot); }

Sound::Sound (ParameterSink* sink, int t)
    : VantuDataObject (sink, { AsyncDataType::soundParameter, t, t, false }), track (t)
{
    auto addTable = [this] (const TableParam& p) {
        addTableParameterByIndex (juce::Identifier (juce::String ("Sound_") + p.name), p.row, p.group != noHost,
                                  std::nullopt, p.group == noHost ? 0 : p.group);
    };
    auto addRanged = [this] (const RangedParam& p) {
        VantuDataObject::addParameter (juce::Identifier (p.name), p.defaultValue, { p.min, p.max }, -1, -1, 0);
    };

    addStringParameter (idName, "NEW SOUND");
    for (const auto& p : leadingRanged)
        addRanged (p);
    addParameter (juce::Identifier ("Sound_SampleFileHash"));
    addParameter (juce::Identifier ("Sound_SampleFileSize"));
    for (const auto& p : pageAndMachineParams)
        addTable (p);

    for (const auto& s : registrationSources)
    {
        VantuDataObject::addParameter (juce::Identifier (juce::String ("Sound_") + s.name), 0, { 0, 32512 }, -1, -1, 0);
        for (int slot = 0; slot < 4; ++slot)
            VantuDataObject::addParameter (modulationDepthId (s.recordIndex, slot), 0, { -32768, 32512 }, -1, -1, 0);
        for (int slot = 0; slot < 4; ++slot)
            VantuDataObject::addParameter (modulationDestinationId (s.recordIndex, slot), 0, { 0, 32512 }, -1, -1, 0);
    }

    if (track < 8)
        addTable ({ "DigitalFilterType", 62, 4 });
    else
        addTable ({ "AnalogFilterType", 61, 4 });
    addTable ({ "Portamento_Enabled", 35, 2 });
    addTable ({ "Portamento_Time", 34, 2 });

    for (const auto& p : playRanged)
        addRanged (p);

    addTable ({ "FilterEnvRestart", 69, 3 });
    for (const auto& p : superSawParams)
        addTable (p);
    for (const auto& p : vcoParams)
        addTable (p);
    addTable ({ "None", 19, noHost });
}

Sound::~Sound()
{
    stopTransmitThread();
}

bool Sound::transmitParameter (const juce::Identifier& id)
{
    if (isTableParameter (id))
        return sendCurrentValue (id);

    FhAsyncSoundSetupData record;
    if (! fillSoundSetup (record))
        return false;

    throttledCall ("soundBlob", [this, record] { sendSoundSetup (record); }, setupRecordIntervalMs);
    return true;
}

bool Sound::fillSoundSetup (FhAsyncSoundSetupData& out) const
{
    std::memset (&out, 0, sizeof (out));
    auto read = [this] (const juce::Identifier& id, int& value) {
        const std::lock_guard<std::mutex> sl (getMutex());
        return getValues().get (id, value);
    };

    int tags = 0, machineType = 0, velocityVolMode = 0;
    juce::String name;
    {
        bool haveName = false;
        {
            const std::lock_guard<std::mutex> sl (getMutex());
            if (const auto* text = getStringValues().find (idName))
            {
                name = *text;
                haveName = true;
            }
        }
        if (! haveName || ! read (idTags, tags) || ! read (idMachineType, machineType)
            || ! read (idVelocityVolMode, velocityVolMode))
            return false;
    }

    out.trackIndex = static_cast<std::uint16_t> (track);
    out.tags = static_cast<std::uint32_t> (tags);
    writeDeviceName (name, out.name);
    out.machineType = static_cast<std::uint8_t> (machineType);
    out.velocityVolMode = static_cast<std::uint8_t> (velocityVolMode);

    for (int source = 0; source < 5; ++source)
        for (int slot = 0; slot < 4; ++slot)
        {
            int depth = 0, destination = 0;
            if (! read (modulationDepthId (source, slot), depth) || ! read (modulationDestinationId (source, slot), destination))
                return false;
            out.modulation[source][slot].depth = static_cast<std::uint16_t> (depth);
            // The device reads a destination as a storage-order word number.
            out.modulation[source][slot].destination = storageWordOfSlot (destination / 256);
        }

    auto byteOf = [&] (const juce::Identifier& id) {
        int v = 0;
        return read (id, v) ? static_cast<std::uint8_t> (v) : std::uint8_t (0);
    };
    int restart = 0;
    out.envResetMask = read (idFilterEnvRestart, restart) && restart != 0 ? filterEnvRestartBit : 0;
    out.filterKeyTracking = byteOf (idFilterKeyTracking);
    out.transposable = lastTransposable.load();
    out.pitchbendDepth = byteOf (idPitchBendDepth);
    out.transpose = static_cast<std::int8_t> (byteOf (idTranspose));
    out.playMode = byteOf (idPlayMode);
    out.monoNotePriority = byteOf (idMonoNotePriority);
    out.portamentoAmount = byteOf (idPortamentoAmount);
    out.portamentoType = byteOf (idPortamentoType);
    out.portamentoStyle = byteOf (idPortamentoStyle);
    out.portamentoSlope = byteOf (idPortamentoSlope);
    out.portamentoGating = byteOf (idPortamentoGating);
    return true;
}

bool Sound::sendSoundSetup (const FhAsyncSoundSetupData& record)
{
    return sendRecord (AsyncDataType::soundSetup, track, writeSoundSetup (record));
}

bool Sound::applyStorage (const soundData_t& s)
{
    setValueFromMachine (idMachineType, s.machineType, false);
    for (int slot = 0; slot < kRuntimeSlots; ++slot)
    {
        const auto id = getIdForTableIndex (getSoundSlotParameter (slot, s.machineType));
        if (id.isValid())
            setValueFromMachine (id, s.params[slot], false);
    }
    setValueFromMachine (idVelocityVolMode, s.velocityVolMode, false);

    const auto nameLength = static_cast<std::size_t> (std::find (s.name, s.name + 16, '\0') - s.name);
    setStringValueFromMachine (idName, std::string (s.name, nameLength));
    setValueFromMachine (idTags, static_cast<int> (s.tags), false);

    for (int source = 0; source < 5; ++source)
        for (int slot = 0; slot < 4; ++slot)
        {
            setValueFromMachine (modulationDepthId (source, slot), s.modulation[source][slot].depth, false);
            setValueFromMachine (modulationDestinationId (source, slot), s.modulation[source][slot].slot * 256, false);
        }

    setValueFromMachine (idPortamentoAmount, s.portamentoAmount, false);
    setValueFromMachine (idPortamentoGating, s.portamentoGating, false);
    setValueFromMachine (idPortamentoSlope, s.portamentoSlope, false);
    setValueFromMachine (idPortamentoStyle, s.portamentoStyle, false);
    setValueFromMachine (idPortamentoType, s.portamentoType, false);
    setValueFromMachine (idPitchBendDepth, s.pitchbendDepth, false);
    setValueFromMachine (idTranspose, s.transpose, false);
    setValueFromMachine (idPlayMode, s.playMode, false);
    setValueFromMachine (idMonoNotePriority, s.monoNotePriority, false);
    setValueFromMachine (idFilterKeyTracking, s.filterKeyTracking, false);
    lastTransposable.store (s.transposable);
    return true;
}

bool Sound::applySoundSetup (const FhAsyncSoundSetupData& setup)
{
    Vantu::applySoundSetup (*this, setup);
    lastTransposable.store (setup.transposable);
    return true;
}
} // namespace Vantu
