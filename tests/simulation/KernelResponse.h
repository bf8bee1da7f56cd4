#pragma once

// The interpolation kernel's prototype as the resampler sees it, rebuilt from the
// table: 1056 taps at 32 times the writer rate, unity gain at DC.
#include <vector>

std::vector<double> kernelPrototype();

// The prototype's amplitude response (linear, its delay removed) at a frequency given
// as a fraction of the writer rate.
double kernelAmplitudeAt (const std::vector<double>& prototype, double frequency);
