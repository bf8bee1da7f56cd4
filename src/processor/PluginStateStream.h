#pragma once

#include "processor/PluginState.h"

// The plug-in state as a host keeps it with its session: the framework's
// value-tree stream of the whole tree.

// Calls prepareToSave, then replaces destData's contents with the stream (written
// under the state's lock).
void writePluginStateStream (PluginState& state, juce::MemoryBlock& destData);

// Reads a stream and hands the tree to replaceState. A stream that is not one
// whole value tree leaves the state untouched: false.
bool readPluginStateStream (PluginState& state, const void* data, int sizeInBytes);
