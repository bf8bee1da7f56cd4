#include "processor/BufferSafetyMargin.h"

#include "foundation/GlobalPreferencesIfc.h"

#include <algorithm>

int BufferSafetyMargin::read (const GlobalPreferencesIfc& preferences)
{
    const int stored = preferences.getBufferSafetyMargin();
    const int margin = std::clamp (stored, kMinimum, kMaximum);
    if (margin != stored)
        FH_LOG (spdlog::level::warn, "Resampler buffer safety margin {} is outside {} to {}; {} is used", stored,
                kMinimum, kMaximum, margin);
    return margin;
}
