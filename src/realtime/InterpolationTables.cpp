#include "realtime/InterpolationTables.h"

void buildInterpolationTables (const double (&kernel)[kKernelPhases][kKernelTaps], InterpolationTables& tables) noexcept
{
    for (int row = 0; row < kKernelPhases; ++row)
    {
        for (int tap = 0; tap < InterpolationTables::kPaddedTaps; ++tap)
        {
            double here = 0.0;
            double next = 0.0;
            if (tap < kKernelTaps)
            {
                here = kernel[row][tap];
                if (row + 1 < kKernelPhases)
                    next = kernel[row + 1][tap];
                else if (tap >= 1)
                    next = kernel[0][tap - 1];
            }
            tables.thisPhase[row][tap] = static_cast<float> (here * kKernelGain);
            tables.toNextPhase[row][tap] = static_cast<float> ((next - here) * kKernelGain);
        }
    }
}

const InterpolationTables& interpolationTables() noexcept
{
    static const InterpolationTables tables = [] {
        InterpolationTables t {};
        buildInterpolationTables (kInterpolationKernel, t);
        return t;
    }();
    return tables;
}
