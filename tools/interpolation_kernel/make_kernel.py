#!/usr/bin/python3
"""Writes the resampler's interpolation kernel table as C++ source.

Run by hand with Debian's python3-scipy (never at build time):

    /usr/bin/python3 tools/interpolation_kernel/make_kernel.py > src/realtime/InterpolationKernel.cpp

The kernel is a polyphase low-pass filter: 32 phases (rows) of 33 taps. Row r,
tap k weighs the input sample at (read index - 16 + k); the row's centre lies at
tap 15 + (r + 0.5) / 32. All rows are cut from one prototype sampled at 32 times
the writer rate: prototype index m = 32 k + 31 - r, the prototype symmetric about
m = 511.5 over m = 0 .. 1023 (1024 taps). Tap 32 is therefore zero in every row; it is
used only by the next phase of row 31, which is row 0 moved one tap later.

The prototype is an equiripple (Parks-McClellan) design, because a windowed sinc of
this length cannot hold 0.1 dB up to 0.40 of the writer rate and -100 dB from 0.55:
  pass band   0 .. 0.40      flat within +-0.1 dB
  guard band  0.50 .. 0.55   at most -33 dB (keeps the -6 dB point near 0.45)
  stop band   0.55 .. 16     at most -100 dB, falling with frequency
Each row is then scaled so that it sums to exactly 1 / 31.8613 (the interpolator
multiplies by 31.8613), which makes a constant signal read back unchanged at any
fraction.

The script checks its own result and exits with an error when a figure is missed.
"""

import sys

import numpy as np
from scipy import signal

PHASES = 32
TAPS = 33
GAIN = 31.8613
PROTOTYPE_TAPS = 1024          # m = 0 .. 1023
PROTOTYPE_FIRST = 0
OVERSAMPLED_RATE = float(PHASES)  # frequencies below are in units of the writer rate

PASS_EDGE = 0.40
GUARD_START = 0.50
STOP_START = 0.55
STOP_BANDS = 40
STOP_WEIGHT = 700.0


def design_prototype():
    # The stop band is cut into bands whose weight grows with the square of the
    # frequency, so its ripple falls off instead of staying level: every phase row then
    # carries the sum of the prototype's images near the multiples of the writer rate,
    # and level ripple would add up to about -90 dB of phase-dependent error.
    bands = [0.0, PASS_EDGE, GUARD_START, STOP_START - 1e-4]
    desired = [1.0, 0.0]
    weight = [1.0, 0.35]
    edges = np.concatenate([[STOP_START], np.linspace(0.6, OVERSAMPLED_RATE / 2, STOP_BANDS)])
    for low, high in zip(edges[:-1], edges[1:]):
        bands += [low if low == STOP_START else low + 1e-4, high]
        desired.append(0.0)
        weight.append(STOP_WEIGHT * (((low + high) / 2) / STOP_START) ** 2)
    return signal.remez(PROTOTYPE_TAPS, bands, desired, weight=weight, fs=OVERSAMPLED_RATE,
                        maxiter=300, grid_density=16)


def cut_rows(prototype):
    rows = np.zeros((PHASES, TAPS))
    for r in range(PHASES):
        for k in range(TAPS):
            m = 32 * k + 31 - r
            index = m - PROTOTYPE_FIRST
            if 0 <= index < len(prototype):
                rows[r, k] = prototype[index]
    for r in range(PHASES):
        rows[r] /= rows[r].sum() * GAIN
    return rows


def reassemble(rows):
    """The prototype as the interpolator sees it, rebuilt from the normalised rows."""
    prototype = np.zeros(PHASES * TAPS)
    for r in range(PHASES):
        for k in range(TAPS):
            prototype[32 * k + 31 - r] = rows[r, k]
    return prototype * GAIN  # unity gain at DC after the 31.8613 factor


def response_db(prototype, freqs):
    n = np.arange(len(prototype))
    # DC gain of the 32x prototype is 32: divide it out so 0 dB is unity.
    h = np.exp(-2j * np.pi * np.outer(freqs / OVERSAMPLED_RATE, n)) @ prototype
    return 20 * np.log10(np.maximum(np.abs(h) / PHASES, 1e-300))


def check(rows):
    prototype = reassemble(rows)
    problems = []
    sums = rows.sum(axis=1) * GAIN
    if np.max(np.abs(sums - 1.0)) > 1e-12:
        problems.append("row sums off by %g" % np.max(np.abs(sums - 1.0)))
    passband = response_db(prototype, np.linspace(0.0, PASS_EDGE, 2001))
    ripple = np.max(np.abs(passband))
    fine = np.linspace(0.40, 0.50, 20001)
    transition = response_db(prototype, fine)
    minus6 = fine[np.argmax(transition < -6.0206)]
    at_half = response_db(prototype, np.array([0.5]))[0]
    stop = response_db(prototype, np.linspace(STOP_START, OVERSAMPLED_RATE / 2, 200001))
    at_23k = response_db(prototype, np.array([23000.0 / 48000.0]))[0]
    figures = ("ripple %.4f dB, -6 dB at %.4f, %.2f dB at 0.5, %.2f dB at 23 kHz, worst stop band %.2f dB"
               % (ripple, minus6, at_half, at_23k, np.max(stop)))
    if ripple > 0.1:
        problems.append("pass band ripple")
    if not 0.440 <= minus6 <= 0.455:
        problems.append("-6 dB point")
    if at_half > -33.0:
        problems.append("response at 0.5")
    if np.max(stop) > -100.0:
        problems.append("stop band")
    return figures, problems


def main():
    rows = cut_rows(design_prototype())
    figures, problems = check(rows)
    sys.stderr.write(figures + "\n")
    if problems:
        sys.stderr.write("kernel misses: " + ", ".join(problems) + "\n")
        return 1

    out = sys.stdout
    out.write("// Generated by tools/interpolation_kernel/make_kernel.py; do not edit by hand.\n")
    out.write("// " + figures + "\n")
    out.write('#include "realtime/InterpolationKernel.h"\n\n')
    out.write("// Row r, tap k: this phase's coefficient for the input sample at (read index - 16 + k).\n")
    out.write("const double kInterpolationKernel[kKernelPhases][kKernelTaps] = {\n")
    for r in range(PHASES):
        out.write("    {\n")
        for k in range(0, TAPS, 3):
            values = ", ".join("%.17g" % rows[r, j] for j in range(k, min(k + 3, TAPS)))
            out.write("        " + values + ",\n")
        out.write("    },\n")
    out.write("};\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
