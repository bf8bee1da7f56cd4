#include "model/Fx.h"

#include "engine/AsyncDataType.h"

namespace Vantu
{
namespace
{
    struct FxParam
    {
        const char* name;
        int row;
        int group;   // host-parameter group; -1: not a host parameter
    };

    constexpr FxParam fxParams[] = {
        { "FX_DelayTime", 104, 0 }, { "FX_DelayPingPong", 105, 0 }, { "FX_DelayWidth", 106, 0 },
        { "FX_DelayFeedback", 107, 0 }, { "FX_DelayLpFilter", 109, 0 }, { "FX_DelayHpFilter", 108, 0 },
        { "FX_DelayReverbSend", 110, 0 }, { "FX_DelayVolume", 112, 0 }, { "FX_ReverbPreDelay", 114, 0 },
        { "FX_ReverbDecayTime", 115, 0 }, { "FX_ReverbShelvingFrequency", 116, 0 }, { "FX_ReverbShelvingGain", 117, 0 },
        { "FX_ReverbLpFilter", 119, 0 }, { "FX_ReverbHpFilter", 118, 0 }, { "FX_ReverbVolume", 121, 0 },
        { "FX_Lfo1Speed", 86, 0 }, { "FX_Lfo1Mult", 87, 0 }, { "FX_Lfo1Fade", 88, 0 }, { "FX_Lfo1Dest", 89, 0 },
        { "FX_Lfo1Waveform", 90, 0 }, { "FX_Lfo1Start", 91, 0 }, { "FX_Lfo1Trig", 92, 0 }, { "FX_Lfo1Depth", 93, 0 },
        { "FX_Lfo2Speed", 95, 0 }, { "FX_Lfo2Mult", 96, 0 }, { "FX_Lfo2Fade", 97, 0 }, { "FX_Lfo2Dest", 98, 0 },
        { "FX_Lfo2Waveform", 99, 0 }, { "FX_Lfo2Start", 100, 0 }, { "FX_Lfo2Trig", 101, 0 }, { "FX_Lfo2Depth", 102, 0 },
        { "FX_ExtInInputLevelMeta", 123, 0 }, { "FX_ExtInInputLevel", 124, 0 }, { "FX_ExtInInputBalance", 126, 0 },
        { "FX_ExtInDelaySend", 127, 0 }, { "FX_ExtInReverbSend", 128, 0 }, { "FX_ExtInDualMono", 129, 0 },
        { "FX_ExtInPrePost", 130, 0 }, { "FX_DelayPrePost", 113, 0 }, { "FX_ReverbPrePost", 122, 0 },
        { "FX_FilterAttack", 136, 0 }, { "FX_FilterDecay", 137, 0 }, { "FX_FilterSustain", 138, 0 },
        { "FX_FilterRelease", 139, 0 }, { "FX_FilterResonance", 132, 0 }, { "FX_FilterFrequency", 131, 0 },
        { "FX_FilterEnvDepth", 134, 0 }, { "FX_FilterType", 133, 0 }, { "FX_FilterEnvDelay", 135, 0 },
        { "FX_AmpAttack", 142, 0 }, { "FX_AmpHold", 143, 0 }, { "FX_AmpDecay", 144, 0 }, { "FX_AmpVolume", 151, 0 },
        { "FX_AmpDelay2Send", 148, 0 }, { "FX_AmpBalance", 150, 0 }, { "FX_AmpEnvelopeDepth", 152, 0 },
        { "FX_AmpReverbSend", 149, 0 }, { "FX_AmpEnvReset", 154, 0 }, { "FX_AmpMode", 153, 0 },
        { "FX_AmpOverdrive", 147, 0 }, { "FX_AmpDelayTime", 141, 0 }, { "FX_AmpSustain", 145, 0 },
        { "FX_AmpRelease", 146, 0 }, { "FX_FilterEnvRestart", 140, 2 }, { "FX_None", 19, -1 },
    };
} // namespace

Fx::Fx (ParameterSink* sink) : VantuDataObject (sink, { AsyncDataType::fxParameter, fxTrack, fxTrack, false })
{
    for (const auto& p : fxParams)
        addTableParameterByIndex (juce::Identifier (p.name), p.row, p.group >= 0, std::nullopt, p.group < 0 ? 0 : p.group);
}

Fx::~Fx()
{
    stopTransmitThread();
}

bool Fx::transmitParameter (const juce::Identifier& id)
{
    return isTableParameter (id) && sendCurrentValue (id);   // only table parameters are registered here
}
} // namespace Vantu
