#include "model/Settings.h"

#include "engine/AsyncDataType.h"

#include <array>

namespace Vantu
{
namespace
{
    const juce::Identifier emptyId;
    const juce::Identifier idActiveEditTrack ("Settings_ActiveEditTrack"), idGridMode ("Settings_GridMode"),
        idGlobalSlot ("Settings_GlobalSlot"), idExternalInMode ("Settings_ExternalInMonoStereoMode"),
        idGlobalModeMask ("Settings_GlobalModeMask");

    template <std::size_t N>
    std::array<juce::Identifier, N> numberedIds (const char* prefix, const char* last = nullptr)
    {
        std::array<juce::Identifier, N> ids;
        for (std::size_t i = 0; i < N; ++i)
            ids[i] = juce::Identifier (juce::String (prefix) + juce::String (int (i) + 1));
        if (last != nullptr)
            ids[N - 1] = juce::Identifier (last);
        return ids;
    }

    template <std::size_t N>
    const juce::Identifier& pick (const std::array<juce::Identifier, N>& ids, int track)
    {
        return static_cast<unsigned> (track) < N ? ids[static_cast<std::size_t> (track)] : emptyId;
    }
} // namespace

const juce::Identifier& Settings::trackMuteId (int track)
{
    static const auto ids = numberedIds<12> ("Settings_TrackMute");
    return pick (ids, track);
}

const juce::Identifier& Settings::trackSoloId (int track)
{
    static const auto ids = numberedIds<12> ("Settings_TrackSolo");
    return pick (ids, track);
}

const juce::Identifier& Settings::trackLevelId (int track)
{
    static const auto ids = numberedIds<13> ("Settings_TrackLevel", "Settings_TrackLevelFX");
    return pick (ids, track);
}

Settings::Settings (ParameterSink* sink) : VantuDataObject (sink, { AsyncDataType::settingsParameter, 0, 0, true })
{
    addTableParameterByIndex (idActiveEditTrack, 15, false);
    addParameter (idGridMode);
    addParameter (idGlobalSlot);
    for (int t = 0; t < 12; ++t)
        addTableParameterByIndex (trackMuteId (t), 8, true, t, 0);
    for (int t = 0; t < 12; ++t)
        addTableParameterByIndex (trackSoloId (t), 7, true, t, 0);
    VantuDataObject::addParameter (idExternalInMode, 1, { 0, 1 }, -1, -1, 0);
    for (int t = 0; t <= 12; ++t)
        addTableParameterByIndex (trackLevelId (t), 10, false, t, 1);
    addTableParameterByIndex (idGlobalModeMask, 16, false, std::nullopt, 2);
}

Settings::~Settings()
{
    stopTransmitThread();
}

bool Settings::transmitParameter (const juce::Identifier& id)
{
    return ! id.isNull() && getParameterInfos().find (id) != nullptr && sendCurrentValue (id);
}

bool Settings::applyStorage (const projectSettingsData_t& s)
{
    // Of these only the identifiers held with a range take the value.
    setValueFromMachine (juce::Identifier ("Settings_Tempo"), s.tempo, false);
    setValueFromMachine (idActiveEditTrack, s.activeEditTrack, false);
    setValueFromMachine (juce::Identifier ("Settings_ActivePlayTrack"), s.activePlayTrack, false);
    setValueFromMachine (juce::Identifier ("Settings_ActiveSynthParamPage"), s.activeParamPage, false);
    setValueFromMachine (juce::Identifier ("Settings_ActiveScalePage"), s.activeScalePage, false);
    setValueFromMachine (juce::Identifier ("Settings_ActiveBankGroup"), s.activeBank, false);

    for (int t = 0; t < 12; ++t)
    {
        setValueFromMachine (trackMuteId (t), (s.trackMuteMask >> t) & 1 ? 256 : 0, false);
        setValueFromMachine (trackSoloId (t), (s.trackSoloMask >> t) & 1 ? 256 : 0, false);
    }

    setValueFromMachine (juce::Identifier ("Settings_MidiTurboSpeed"), s.midiTurboSpeed, false);
    setValueFromMachine (idGridMode, s.stepRecordMode, false);
    setValueFromMachine (idExternalInMode, s.dualMono, false);
    setValueFromMachine (idGlobalModeMask, static_cast<std::int16_t> (s.globalLevels), false);

    sendChangeMessage ("settings");
    return true;
}
} // namespace Vantu
