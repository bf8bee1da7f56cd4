#pragma once

#include "foundation/SafeChangeBroadcaster.h"
#include "processor/PluginState.h"
#include "support/TestEnvironment.h"

#include <juce_data_structures/juce_data_structures.h>

#include <chrono>
#include <vector>

namespace processortest
{
// Every message a broadcaster delivers, in order (message thread).
struct MessageRecorder : SafeChangeListener
{
    explicit MessageRecorder (SafeChangeBroadcaster& b) : broadcaster (b) { broadcaster.addChangeListener (this); }
    ~MessageRecorder() override { broadcaster.removeChangeListener (this); }

    void changeListenerCallback (SafeChangeBroadcaster* source) override { messages.push_back (source->lastMessage); }

    // Pumps the message loop until n messages have arrived (or 5 s); returns them.
    std::vector<juce::String> waitFor (std::size_t n)
    {
        fhtest::pumpUntil ([&] { return messages.size() >= n; }, std::chrono::milliseconds (5000));
        return messages;
    }

    void clear() { messages.clear(); }

    SafeChangeBroadcaster& broadcaster;
    std::vector<juce::String> messages;
};

inline juce::MemoryBlock streamOf (const juce::ValueTree& tree)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    tree.writeToStream (out);
    return block;
}

// The whole tree of a state, as its stream holds it.
inline juce::ValueTree treeOf (const PluginState& state)
{
    juce::MemoryBlock block;
    {
        juce::MemoryOutputStream out (block, false);
        state.writeToStream (out);
    }
    return juce::ValueTree::readFromData (block.getData(), block.getSize());
}

// A stream whose root claims `count` children and holds none.
inline juce::MemoryBlock childCountStream (int count)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    out.writeString ("PluginSettings");
    out.writeCompressedInt (0);
    out.writeCompressedInt (count);
    return block;
}

// A stream whose root has one binary property claiming `bytes` bytes and holding four.
inline juce::MemoryBlock binaryValueStream (int bytes)
{
    juce::MemoryBlock block;
    juce::MemoryOutputStream out (block, false);
    out.writeString ("PluginSettings");
    out.writeCompressedInt (1);
    out.writeString ("Image");
    out.writeCompressedInt (bytes);
    out.writeByte (8);
    out.writeInt (0);
    out.writeCompressedInt (0);
    return block;
}
} // namespace processortest
