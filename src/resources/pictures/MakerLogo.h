#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>

// The maker's logo as SVG text (our own drawing: an open ring with a wedge
// pointing out of its opening), in the header's accent colour.
namespace MakerLogo
{
extern const char svg[];
extern const size_t svgSize;

std::unique_ptr<juce::Drawable> createDrawable();
} // namespace MakerLogo
