#include "model/tables/MachineTables.h"

namespace ModelTables
{
    LateConstructed<std::array<juce::String, machineTypeCount>> machineNameStorage;
    LateConstructed<juce::StringArray> soundTagNameStorage;

    void constructMachineNames()
    {
        auto* names = new (&machineNameStorage.value) std::array<juce::String, machineTypeCount>();
        for (std::size_t i = 0; i < names->size(); ++i)
            (*names)[i] = juce::String (machineNameTexts[i]);

        auto* tags = new (&soundTagNameStorage.value) juce::StringArray();
        for (auto* text : soundTagTexts)
            tags->add (text);
    }

    void destroyMachineNames() noexcept
    {
        using Names = std::array<juce::String, machineTypeCount>;
        soundTagNameStorage.value.~StringArray();
        machineNameStorage.value.~Names();
    }
}

juce::String trackName (int trackIndex)
{
    if (static_cast<unsigned> (trackIndex) >= static_cast<unsigned> (ModelTables::trackCount))
        return {};
    return "T" + juce::String (trackIndex + 1);
}

juce::StringArray soundTagNamesOfMask (std::uint32_t tagMask)
{
    juce::StringArray names;
    for (int tag = 0; tag < ModelTables::soundTagCount; ++tag)
        if ((tagMask >> tag) & 1u)
            names.add (soundTagNames[tag]);
    return names;
}
