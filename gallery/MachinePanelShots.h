#pragma once

#include <juce_core/juce_core.h>

namespace gallery
{
// Builds the panel of every machine type that has one, on a kit of its own
// whose machine values are spread over their ranges, polls once and writes one
// PNG per type into the folder, named by type and code ("15_SDCL.png").
// Returns the number of pictures that could not be written.
int writeMachinePanelShots (const juce::File& folder);
} // namespace gallery
