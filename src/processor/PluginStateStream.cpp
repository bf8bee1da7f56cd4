#include "processor/PluginStateStream.h"

#include "processor/ValueTreeStreamCheck.h"

void writePluginStateStream (PluginState& state, juce::MemoryBlock& destData)
{
    state.prepareToSave();
    juce::MemoryOutputStream stream (destData, false);
    state.writeToStream (stream);
}

bool readPluginStateStream (PluginState& state, const void* data, int sizeInBytes)
{
    // The framework's reader trusts the counts in the stream and reserves memory
    // by them, so a stream cut short or with counts larger than itself is not read.
    if (data == nullptr || sizeInBytes <= 0
        || ! isWellFormedValueTreeStream (data, static_cast<std::size_t> (sizeInBytes)))
        return false;

    juce::MemoryInputStream stream (data, static_cast<std::size_t> (sizeInBytes), false);
    const auto tree = juce::ValueTree::readFromStream (stream);
    return tree.isValid() && state.replaceState (tree);
}
