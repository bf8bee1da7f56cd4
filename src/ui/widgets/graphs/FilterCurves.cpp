#include "ui/widgets/graphs/FilterCurves.h"

#include <cmath>

namespace corvanel
{
namespace
{
struct Frequencies
{
    double p;   // cutoff
    double r;   // sample position
};

Frequencies frequencies (float cutoff, float position)
{
    return { std::pow (128.0, static_cast<double> (cutoff) / 128.0), std::pow (128.0, static_cast<double> (position)) };
}

double twoPole (const Frequencies& f, double q)
{
    const auto diff = f.p * f.p - f.r * f.r;
    const auto damping = f.p * f.r / q;
    return diff * diff + damping * damping;
}

double twoPoleDamped (const Frequencies& f, double q)
{
    const auto diff = f.p * f.p - f.r * f.r;
    return diff * diff + (q - 2.0) * (q - 2.0) * f.p * f.p * f.r * f.r;
}

float attenuation (double numerator, double denominator)
{
    return static_cast<float> (-20.0 * std::log10 (std::sqrt (numerator / denominator)));
}

using Numerator = double (*) (const Frequencies&);

template <Numerator numerator>
float twoPoleCurve (float cutoff, float q, float position, float)
{
    const auto f = frequencies (cutoff, position);
    return attenuation (numerator (f), twoPole (f, q));
}

template <Numerator numerator>
float twoPoleDampedCurve (float cutoff, float q, float position, float)
{
    const auto f = frequencies (cutoff, position);
    return attenuation (numerator (f), twoPoleDamped (f, q));
}

double p2 (const Frequencies& f) { return f.p * f.p; }
double r2 (const Frequencies& f) { return f.r * f.r; }
double pr2 (const Frequencies& f) { return f.p * f.p * f.r * f.r; }

double lowPass (const Frequencies& f) { return 0.5 * p2 (f) * p2 (f); }
double lowShelfMix (const Frequencies& f) { return 0.5 * (pr2 (f) + p2 (f) * p2 (f)); }
double bandPass (const Frequencies& f) { return 2.0 * pr2 (f); }
double highShelfMix (const Frequencies& f) { return 0.5 * (pr2 (f) + r2 (f) * r2 (f)); }
double highPass (const Frequencies& f) { return 0.5 * r2 (f) * r2 (f); }
double notch (const Frequencies& f) { return 0.25 * (p2 (f) - r2 (f)) * (p2 (f) - r2 (f)); }
double peak (const Frequencies& f) { return 0.5 * (p2 (f) + r2 (f)) * (p2 (f) + r2 (f)); }
double lowShelf (const Frequencies& f) { return p2 (f) * p2 (f) + 0.1 * r2 (f) * r2 (f); }
double highShelf (const Frequencies& f) { return r2 (f) * r2 (f) + 0.1 * p2 (f) * p2 (f); }
double plainLowPass (const Frequencies& f) { return p2 (f) * p2 (f); }
double plainHighPass (const Frequencies& f) { return r2 (f) * r2 (f); }

float offCurve (float cutoff, float, float position, float)
{
    const auto f = frequencies (cutoff, position);
    return attenuation (peak (f), twoPole (f, 0.51));
}

float fourPoleLowPass (float cutoff, float q, float position, float)
{
    const auto f = frequencies (cutoff, position);
    const auto sum = p2 (f) + r2 (f);
    const auto p4 = p2 (f) * p2 (f);
    return attenuation (p4 * p4, twoPoleDamped (f, q) * sum * sum);
}

float equaliser (float cutoff, float q, float position, float gain)
{
    const auto f = frequencies (cutoff, position);
    const auto g = std::pow (10.0, (static_cast<double> (gain) / 64.0) * 11.25 / 20.0);
    const auto qq = g >= 1.0 ? static_cast<double> (q) : static_cast<double> (q) * g;
    const auto peakTerm = f.p * f.r * g / qq;
    const auto diff = p2 (f) - r2 (f);
    return attenuation (peakTerm * peakTerm + diff * diff, twoPole (f, qq));
}
} // namespace

FilterCurve filterCurveForType (int filterType)
{
    switch (filterType)
    {
        case 1: return twoPoleCurve<lowShelfMix>;
        case 2: return twoPoleCurve<bandPass>;
        case 3: return twoPoleCurve<highShelfMix>;
        case 4: return twoPoleCurve<highPass>;
        case 5:
        case 11:
        case 12:
        case 17: return twoPoleCurve<notch>;
        case 6: return twoPoleCurve<peak>;
        case 7: return offCurve;
        case 8: return equaliser;
        case 9: return twoPoleCurve<lowShelf>;
        case 10: return twoPoleCurve<highShelf>;
        case 13: return twoPoleDampedCurve<plainLowPass>;
        case 14: return twoPoleDampedCurve<plainHighPass>;
        case 15: return twoPoleDampedCurve<bandPass>;
        case 16: return fourPoleLowPass;
        default: return twoPoleCurve<lowPass>;
    }
}
} // namespace corvanel
