#pragma once

#include <juce_graphics/juce_graphics.h>

// The transform that both envelope graphs draw with: the unit square of an
// envelope path (x 0 .. 1 along the time, y 0 at full level, 1 at zero) onto a
// display of the given size less a margin on every side, upside down when
// flipped (full level at the bottom). A display smaller than its margins
// collapses onto the margin's corner.
juce::AffineTransform envelopeGraphTransform (int width, int height, int margin, bool flipped);
