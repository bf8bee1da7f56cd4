#include "model/Kit.h"

#include "engine/AsyncDataType.h"
#include "model/DeviceText.h"
#include "model/tables/ParameterTable.h"

#include <array>
#include <cstring>

namespace Vantu
{
namespace
{
    constexpr int trackLevelRow = 10;
    constexpr int patternMuteRow = 9;
    const juce::Identifier emptyId;
    const juce::Identifier idName ("Kit_Name"), idMainMask ("Kit_TrackMuteFromMainMask"),
        idFxMask ("Kit_TrackMuteFromFxMask"), idRetrigMask ("Kit_RetrigAlwaysActiveMask");

    template <std::size_t N>
    std::array<juce::Identifier, N> numberedIds (const char* prefix)
    {
        std::array<juce::Identifier, N> ids;
        for (std::size_t i = 0; i < N; ++i)
            ids[i] = juce::Identifier (juce::String (prefix) + juce::String (int (i) + 1));
        return ids;
    }
} // namespace

const juce::Identifier& Kit::trackLevelId (int track)
{
    static const auto ids = [] {
        std::array<juce::Identifier, 13> a;
        const auto numbered = numberedIds<12> ("Kit_TrackLevel");
        std::copy (numbered.begin(), numbered.end(), a.begin());
        a[12] = juce::Identifier ("Kit_TrackLevelFx");
        return a;
    }();
    return static_cast<unsigned> (track) < ids.size() ? ids[static_cast<std::size_t> (track)] : emptyId;
}

const juce::Identifier& Kit::trackPatternMuteId (int track)
{
    static const auto ids = numberedIds<12> ("Kit_TrackPatternMute");
    return static_cast<unsigned> (track) < ids.size() ? ids[static_cast<std::size_t> (track)] : emptyId;
}

juce::String Kit::trackName (int index)
{
    if (static_cast<unsigned> (index) > 12u)
        return {};
    return index == 12 ? juce::String ("FX") : "TRK " + juce::String (index + 1);
}

Kit::Kit (ParameterSink* sink) : VantuDataObject (sink, { AsyncDataType::kitParameter, 0, 0, true }), fx (sink)
{
    for (int t = 0; t < numTracks; ++t)
        sounds.push_back (std::make_unique<Sound> (sink, t));

    addStringParameter (idName, "NEW KIT");
    VantuDataObject::addParameter (idMainMask, -1, { -1, 4095 }, -1, -1, 0);
    VantuDataObject::addParameter (idFxMask, -1, { -1, 4095 }, -1, -1, 0);
    VantuDataObject::addParameter (idRetrigMask, -1, { -1, 14 }, -1, -1, 0);
    for (int t = 0; t <= 12; ++t)
        addTableParameterByIndex (trackLevelId (t), trackLevelRow, true, t, 0);
    for (int t = 0; t < numTracks; ++t)
    {
        addTableParameterByIndex (trackPatternMuteId (t), patternMuteRow, true, t, 0);
        useDataType (trackPatternMuteId (t), AsyncDataType::kitPatternMute);
    }
}

Kit::~Kit()
{
    stopTransmitThread();
}

Sound* Kit::getSound (int index) const
{
    return sounds[static_cast<std::size_t> (juce::jlimit (0, numTracks - 1, index))].get();
}

juce::String Kit::getTrackDisplayName (int track) const
{
    auto name = trackName (track);
    if (track >= 0 && track < numTracks)
    {
        juce::String soundName;
        if (getSound (track)->getStringValue (juce::Identifier ("Sound_Name"), soundName))
            name << " - " << soundName;
    }
    return name;
}

bool Kit::transmitParameter (const juce::Identifier& id)
{
    return isTableParameter (id) ? sendCurrentValue (id) : transmitKit();
}

bool Kit::transmitKit()
{
    juce::String name;
    if (! getStringValue (idName, name))
        return false;
    char bytes[16];
    writeDeviceName (name, bytes);
    return sendRecord (AsyncDataType::kitName, 0, std::vector<std::uint8_t> (bytes, bytes + 16));
}

bool Kit::applyStorage (const kitData_t& kit)
{
    const auto nameLength = static_cast<std::size_t> (std::find (kit.name, kit.name + 16, '\0') - kit.name);
    setStringValueFromMachine (idName, std::string (kit.name, nameLength));

    for (int t = 0; t < numTracks; ++t)   // the effects track's level is not applied
        setValueFromMachine (trackLevelId (t), kit.trackLevel[t], false);

    for (int t = 0; t < numTracks; ++t)
        sounds[static_cast<std::size_t> (t)]->applyStorage (kit.sounds[t]);

    setValueFromMachine (idMainMask, kit.trackMuteFromMainMask, false);
    setValueFromMachine (idFxMask, kit.trackMuteFromFxMask, false);

    // Each slot goes to the first effects parameter, in registration order, that has it.
    const auto order = fx.getRegistrationOrder();
    for (int slot = 0; slot < kRuntimeSlots; ++slot)
        for (const auto& id : order)
            if (const auto* info = fx.getParameterInfos().find (id); info != nullptr && info->slot == slot)
            {
                fx.setValueFromMachine (id, kit.fxParams[slot], false);
                break;
            }
    return true;
}
} // namespace Vantu
