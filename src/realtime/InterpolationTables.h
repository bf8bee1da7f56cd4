#pragma once

#include "realtime/InterpolationKernel.h"

// The kernel expanded for vector arithmetic: per phase, this phase's 33 coefficients
// and the difference to the next phase's, in single precision, scaled by kKernelGain
// and padded with zeros to 40 taps. The kernel for a fraction f is
// thisPhase[row] + w x toNextPhase[row] with row = floor(32 f) and w = 32 f - row.
// The next phase of row 31 is row 0 moved one tap later.
struct InterpolationTables
{
    static constexpr int kPaddedTaps = 40;

    alignas (32) float thisPhase[kKernelPhases][kPaddedTaps];
    alignas (32) float toNextPhase[kKernelPhases][kPaddedTaps];
};

// Expands a kernel table into tables.
void buildInterpolationTables (const double (&kernel)[kKernelPhases][kKernelTaps], InterpolationTables& tables) noexcept;

// The program's tables, built from kInterpolationKernel on the first call. Call it once
// before any audio thread runs (AudioRingSet's constructor does).
const InterpolationTables& interpolationTables() noexcept;
