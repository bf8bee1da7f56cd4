#include "realtime/InterpolationKernel.h"
#include "realtime/InterpolationTables.h"

#include "KernelResponse.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
double db (double amplitude)
{
    return 20.0 * std::log10 (std::abs (amplitude));
}

// The worst response over [from, to] of the writer rate.
double worstDb (const std::vector<double>& prototype, double from, double to, int points)
{
    double worst = -1000.0;
    for (int i = 0; i <= points; ++i)
        worst = std::max (worst, db (kernelAmplitudeAt (prototype, from + (to - from) * i / points)));
    return worst;
}
} // namespace

TEST (InterpolationKernel, EveryRowTimesTheGainSumsToOne)
{
    for (int row = 0; row < kKernelPhases; ++row)
    {
        double sum = 0.0;
        for (int tap = 0; tap < kKernelTaps; ++tap)
            sum += kInterpolationKernel[row][tap];
        EXPECT_NEAR (sum * kKernelGain, 1.0, 1e-12) << "row " << row;
    }
}

TEST (InterpolationKernel, RowsAreOneSymmetricPrototypeCentredBetweenTheirTaps)
{
    // Row r is centred at tap 15 + (r + 0.5) / 32: rebuilt into one prototype at 32 times
    // the rate, the prototype is symmetric about 511.5.
    const auto prototype = kernelPrototype();
    double peak = 0.0;
    for (double h : prototype)
        peak = std::max (peak, std::abs (h));
    for (int m = 0; m < 512; ++m)
        EXPECT_NEAR (prototype[static_cast<std::size_t> (m)], prototype[static_cast<std::size_t> (1023 - m)], peak * 1e-9)
            << "tap " << m;
    for (int m = 1024; m < kKernelPhases * kKernelTaps; ++m)
        EXPECT_EQ (prototype[static_cast<std::size_t> (m)], 0.0);
}

TEST (InterpolationKernel, ResponseMeetsItsFigures)
{
    const auto prototype = kernelPrototype();

    double passLow = 0.0, passHigh = -1000.0;
    for (int i = 0; i <= 800; ++i)
    {
        const double r = db (kernelAmplitudeAt (prototype, 0.40 * i / 800));
        passLow = std::min (passLow, r);
        passHigh = std::max (passHigh, r);
    }
    EXPECT_LE (passHigh, 0.1);
    EXPECT_GE (passLow, -0.1);

    // The -6 dB point, found by bisection on the falling edge.
    double lo = 0.40, hi = 0.50;
    for (int i = 0; i < 50; ++i)
    {
        const double mid = (lo + hi) / 2.0;
        (db (kernelAmplitudeAt (prototype, mid)) > -6.0206 ? lo : hi) = mid;
    }
    EXPECT_GE (lo, 0.440);
    EXPECT_LE (lo, 0.455);

    EXPECT_LE (db (kernelAmplitudeAt (prototype, 0.5)), -33.0);
    EXPECT_LE (worstDb (prototype, 0.55, 16.0, 60000), -100.0);
}

TEST (InterpolationKernel, TablesHoldThisAndTheNextPhaseScaledByTheGain)
{
    InterpolationTables tables {};
    buildInterpolationTables (kInterpolationKernel, tables);
    for (int row = 0; row < kKernelPhases; ++row)
    {
        double here = 0.0, next = 0.0;
        for (int tap = 0; tap < InterpolationTables::kPaddedTaps; ++tap)
        {
            here += tables.thisPhase[row][tap];
            next += tables.thisPhase[row][tap] + tables.toNextPhase[row][tap];
            if (tap >= kKernelTaps)
            {
                EXPECT_EQ (tables.thisPhase[row][tap], 0.0f);
                EXPECT_EQ (tables.toNextPhase[row][tap], 0.0f);
            }
        }
        EXPECT_NEAR (here, 1.0, 1e-6) << "row " << row;
        EXPECT_NEAR (next, 1.0, 1e-6) << "row " << row;
    }
    // The next phase of row 31 is row 0 one tap later.
    for (int tap = 0; tap < kKernelTaps; ++tap)
    {
        const double expected = tap == 0 ? 0.0 : kInterpolationKernel[0][tap - 1] * kKernelGain;
        EXPECT_NEAR (tables.thisPhase[31][tap] + tables.toNextPhase[31][tap], expected, 1e-7) << "tap " << tap;
    }
}
