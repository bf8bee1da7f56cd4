#pragma once

#include <cmath>
#include <cstdint>

// A position in a writer's stream: a whole sample index and a fraction in [0, 1).
struct ReadPosition
{
    std::int64_t index = 0;
    double fraction = 0.0;

    // Splits a position given as one number (floor arithmetic, so negative positions
    // keep a fraction in [0, 1)).
    // A value that is not finite (or too large for an index) gives a position whose
    // fraction is not finite.
    static ReadPosition fromSamples (double samples) noexcept
    {
        if (! (std::abs (samples) < 4.0e18))
            return { 0, std::nan ("") };
        const double whole = std::floor (samples);
        return { static_cast<std::int64_t> (whole), samples - whole };
    }

    double toSamples() const noexcept { return static_cast<double> (index) + fraction; }

    // This position moved by a (possibly negative) number of samples.
    ReadPosition movedBy (double samples) const noexcept
    {
        const double sum = fraction + samples;
        if (! (std::abs (sum) < 4.0e18))
            return { index, std::nan ("") };
        const double whole = std::floor (sum);
        return { index + static_cast<std::int64_t> (whole), sum - whole };
    }

    // The distance from other to this position, in samples.
    double minus (const ReadPosition& other) const noexcept
    {
        return static_cast<double> (index - other.index) + (fraction - other.fraction);
    }

    bool isZero() const noexcept { return index == 0 && fraction == 0.0; }
    bool isFinite() const noexcept { return std::isfinite (fraction); }
};
