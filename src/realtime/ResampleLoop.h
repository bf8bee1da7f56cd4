#pragma once

// The resampler's per-sample loop, shared by the arithmetic variants. Included only by
// the files that define a variant; everything here has internal linkage so that a
// variant built for wider vectors never lends its code to another file.

#include "realtime/InterpolationTables.h"

#include <cmath>
#include <cstdint>

namespace
{
// Ops supplies: Kernel blend (const float* thisPhase, const float* toNext, float w) and
// float dot (const Kernel&, const float* x), x holding the 33 samples of the kernel.
template <typename Ops>
inline void resampleLoop (float* const* outs, const float* const* rings, int numChannels, std::uint32_t capacity,
                          int numSamples, std::int64_t index, double fraction, double ratio, float gain) noexcept
{
    const InterpolationTables& tables = interpolationTables();
    const std::uint32_t mask = capacity - 1;
    alignas (32) float wrapped[InterpolationTables::kPaddedTaps] {};

    for (int i = 0; i < numSamples; ++i)
    {
        const double phase = fraction * kKernelPhases;
        const int row = static_cast<int> (phase);
        const float w = static_cast<float> (phase - row);
        const auto kernel = Ops::blend (tables.thisPhase[row], tables.toNextPhase[row], w);

        const auto base = static_cast<std::uint32_t> (static_cast<std::uint64_t> (index - kKernelHalfTaps)) & mask;
        const bool contiguous = base + kKernelTaps <= capacity;
        for (int c = 0; c < numChannels; ++c)
        {
            const float* x = rings[c] + base;
            if (! contiguous)
            {
                for (std::uint32_t k = 0; k < kKernelTaps; ++k)
                    wrapped[k] = rings[c][(base + k) & mask];
                x = wrapped;
            }
            outs[c][i] = Ops::dot (kernel, x) * gain;
        }

        fraction += ratio;
        const double whole = std::floor (fraction);
        index += static_cast<std::int64_t> (whole);
        fraction -= whole;
    }
}
} // namespace
