#pragma once

#include <functional>

namespace corvanel
{
// Attenuation in dB (positive: below unity) of a track filter type at the
// horizontal position 0 .. 1 of the display (a logarithmic frequency axis of
// seven octaves), for a cutoff 0 .. 127 and a quality value q. Only the
// equaliser (type 8) uses the gain (-64 .. 63, about +-11.25 dB). NaN where
// the ratio of the response is negative. Any thread.
using FilterCurve = std::function<float (float cutoff, float q, float position, float gain)>;

// The curve of one of the eighteen filter types; unknown types get type 0's.
FilterCurve filterCurveForType (int filterType);
} // namespace corvanel
