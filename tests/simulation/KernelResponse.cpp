#include "KernelResponse.h"

#include "realtime/InterpolationKernel.h"

#include <cmath>

std::vector<double> kernelPrototype()
{
    std::vector<double> prototype (static_cast<std::size_t> (kKernelPhases * kKernelTaps), 0.0);
    for (int row = 0; row < kKernelPhases; ++row)
        for (int tap = 0; tap < kKernelTaps; ++tap)
            prototype[static_cast<std::size_t> (32 * tap + 31 - row)] = kInterpolationKernel[row][tap] * kKernelGain;
    return prototype;
}

double kernelAmplitudeAt (const std::vector<double>& prototype, double frequency)
{
    // The prototype is centred at index 511.5; a cosine sum gives the zero-phase amplitude.
    double sum = 0.0;
    const double w = 2.0 * M_PI * frequency / kKernelPhases;
    for (std::size_t m = 0; m < prototype.size(); ++m)
        sum += prototype[m] * std::cos (w * (static_cast<double> (m) - 511.5));
    return sum / kKernelPhases;
}
