#pragma once

#include <juce_graphics/juce_graphics.h>

// Pictures stored as vector shapes in the framework's path stream format
// ('n' non-zero winding, 'm'/'l' with two floats, 'q' four, 'b' six, 'c'
// close, 'e' end; little-endian 32-bit floats). Reading stops at 'e'.
namespace IconPaths
{
// Reads a stored shape without copying the bytes.
juce::Path pathFromStoredBytes (const void* data, size_t numBytes);

// The random LFO waveform (built on first use, never changed afterwards, so
// any thread may copy it). Callers fit it to their box by its bounds.
const juce::Path& randomWaveform();

size_t randomWaveformStoredSize();
} // namespace IconPaths
