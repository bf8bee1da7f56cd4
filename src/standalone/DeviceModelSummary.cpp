#include "standalone/DeviceModelSummary.h"

#include "model/VantuInterface.h"
#include "model/tables/MachineTables.h"
#include "model/tables/ParameterIds.h"

#include <cmath>

namespace
{
constexpr int onValue = 256;
constexpr int banks = 8;
constexpr int slotsPerBank = 256;
constexpr int namesPerBank = 3;

int readInt (const MachineDataObject& object, const juce::Identifier& id)
{
    int value = 0;
    object.getValue (id, value);
    return value;
}

juce::String readText (const MachineDataObject& object, const juce::Identifier& id)
{
    juce::String text;
    object.getStringValue (id, text);
    return text;
}

// "T1".."T12", "FX" for 12 (the effects track, and the active edit track on the effects block).
juce::String trackLabel (int track)
{
    return track == 12 ? juce::String ("FX") : "T" + juce::String (track + 1);
}

juce::String quoted (const juce::String& text)
{
    return "'" + text + "'";
}

juce::String padRight (const juce::String& text, int width)
{
    return text.length() >= width ? text + " " : text + juce::String::repeatedString (" ", width - text.length());
}

juce::String describeListed (bool used, int machineType, const juce::String& name)
{
    if (! used)
        return "empty";
    return machineSummaryName (machineType) + " " + quoted (name);
}

bool sameListing (const SoundPoolEntry& a, const SoundPoolEntry& b)
{
    return a.used == b.used && (! a.used || (a.machineType == b.machineType && a.name == b.name));
}

bool sameListing (const SoundLibraryEntry& a, const SoundLibraryEntry& b)
{
    return a.used == b.used && (! a.used || (a.machineType == b.machineType && a.name == b.name));
}
} // namespace

int deviceDisplayValue (int value)
{
    return static_cast<int> (std::lround (value / 256.0));
}

juce::String machineSummaryName (int machineType)
{
    if (! ModelTables::isMachineType (machineType))
        return "machine " + juce::String (machineType);
    return juce::String (machineDisplayName (machineType)).trim();
}

juce::String librarySlotName (int slot)
{
    const auto bank = static_cast<char> ('A' + slot / slotsPerBank);
    return juce::String::charToString (bank) + juce::String (slot % slotsPerBank + 1).paddedLeft ('0', 3);
}

DeviceModelSnapshot takeDeviceModelSnapshot (Vantu::VantuInterface& device)
{
    DeviceModelSnapshot model;
    auto& kit = device.getKit();
    auto& settings = device.getSettings();

    model.kitName = readText (kit, Kit_Name);
    for (int t = 0; t < Vantu::Kit::numTracks; ++t)
    {
        auto& track = model.tracks[static_cast<std::size_t> (t)];
        const auto* sound = kit.getSound (t);
        track.machineType = readInt (*sound, Sound_MachineType);
        track.soundName = readText (*sound, Sound_Name);
        track.level = readInt (kit, Vantu::Kit::trackLevelId (t));
        track.patternMuted = readInt (kit, Vantu::Kit::trackPatternMuteId (t)) != 0;
        track.muted = readInt (settings, Vantu::Settings::trackMuteId (t)) != 0;
        track.solo = readInt (settings, Vantu::Settings::trackSoloId (t)) != 0;
    }
    model.fxLevel = readInt (kit, Vantu::Kit::trackLevelId (12));
    model.activeEditTrack = readInt (settings, Settings_ActiveEditTrack);
    model.pool = device.getSoundPool().getEntries();
    model.library = device.getSoundLibrary().getEntries();
    return model;
}

juce::String formatDeviceSummary (const DeviceModelSnapshot& model)
{
    juce::String text;
    text << "Kit " << quoted (model.kitName) << "\n";

    for (int t = 0; t < static_cast<int> (model.tracks.size()); ++t)
    {
        const auto& track = model.tracks[static_cast<std::size_t> (t)];
        text << "  " << padRight (trackLabel (t), 4) << padRight (machineSummaryName (track.machineType), 13)
             << padRight (quoted (track.soundName), 19) << "level " << juce::String (deviceDisplayValue (track.level)).paddedLeft (' ', 3);
        if (track.muted)
            text << "  muted";
        if (track.solo)
            text << "  solo";
        if (track.patternMuted)
            text << "  pattern muted";
        text << "\n";
    }
    text << "  " << padRight ("FX", 4) << "level " << deviceDisplayValue (model.fxLevel) << "\n";
    text << "Active edit track: " << trackLabel (model.activeEditTrack) << "\n";

    int poolInUse = 0;
    for (const auto& entry : model.pool)
        poolInUse += entry.used ? 1 : 0;
    text << "Sound pool: " << poolInUse << " of " << static_cast<int> (model.pool.size()) << " positions in use\n";
    for (std::size_t p = 0; p < model.pool.size(); ++p)
        if (model.pool[p].used)
            text << "  " << juce::String (static_cast<int> (p) + 1).paddedLeft (' ', 3) << "  "
                 << describeListed (true, model.pool[p].machineType, model.pool[p].name) << "\n";

    text << "Sound library:\n";
    for (int bank = 0; bank < banks; ++bank)
    {
        int inUse = 0;
        juce::StringArray names;
        for (const auto& entry : model.library)
        {
            if (! entry.used || entry.slot / slotsPerBank != bank)
                continue;
            if (++inUse <= namesPerBank)
                names.add (quoted (entry.name));
        }
        text << "  " << juce::String::charToString (static_cast<char> ('A' + bank)) << ": " << inUse
             << (inUse == 1 ? " sound" : " sounds");
        if (inUse > 0)
            text << " (" << names.joinIntoString (", ") << (inUse > namesPerBank ? ", ..." : "") << ")";
        text << "\n";
    }
    return text;
}

juce::String formatValueChange (FollowedValue value, int track, int oldValue, int newValue)
{
    const auto label = trackLabel (track);
    const bool on = newValue >= onValue / 2;
    switch (value)
    {
        case FollowedValue::machineType:
            return label + " machine " + machineSummaryName (oldValue) + " -> " + machineSummaryName (newValue);
        case FollowedValue::trackLevel:
            return label + " level " + juce::String (deviceDisplayValue (oldValue)) + " -> "
                 + juce::String (deviceDisplayValue (newValue));
        case FollowedValue::trackMute:
            return label + (on ? " muted" : " unmuted");
        case FollowedValue::trackSolo:
            return label + (on ? " solo on" : " solo off");
        case FollowedValue::trackPatternMute:
            return label + (on ? " pattern muted" : " pattern unmuted");
        case FollowedValue::activeEditTrack:
            return "Active edit track " + trackLabel (oldValue) + " -> " + trackLabel (newValue);
        case FollowedValue::kitName:
        case FollowedValue::soundName:
            break;
    }
    return label + " " + juce::String (oldValue) + " -> " + juce::String (newValue);
}

juce::String formatTextChange (FollowedValue value, int track, const juce::String& oldText, const juce::String& newText)
{
    if (value == FollowedValue::kitName)
        return "Kit name " + quoted (oldText) + " -> " + quoted (newText);
    return trackLabel (track) + " sound " + quoted (oldText) + " -> " + quoted (newText);
}

juce::StringArray formatPoolChanges (const std::vector<SoundPoolEntry>& before, const std::vector<SoundPoolEntry>& after)
{
    juce::StringArray lines;
    const SoundPoolEntry empty;
    for (std::size_t p = 0; p < std::max (before.size(), after.size()); ++p)
    {
        const auto& a = p < before.size() ? before[p] : empty;
        const auto& b = p < after.size() ? after[p] : empty;
        if (! sameListing (a, b))
            lines.add ("Pool " + juce::String (static_cast<int> (p) + 1) + ": " + describeListed (a.used, a.machineType, a.name)
                       + " -> " + describeListed (b.used, b.machineType, b.name));
    }
    return lines;
}

juce::StringArray formatLibraryChanges (const std::vector<SoundLibraryEntry>& before,
                                        const std::vector<SoundLibraryEntry>& after)
{
    juce::StringArray lines;
    for (std::size_t i = 0; i < std::min (before.size(), after.size()); ++i)
    {
        const auto& a = before[i];
        const auto& b = after[i];
        if (! sameListing (a, b))
            lines.add ("Library " + librarySlotName (b.slot) + ": " + describeListed (a.used, a.machineType, a.name) + " -> "
                       + describeListed (b.used, b.machineType, b.name));
    }
    return lines;
}
