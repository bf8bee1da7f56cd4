#pragma once

#include "realtime/ReadPosition.h"

#include <cstdint>

// The band-limited interpolator that reads a writer's stream out of ring buffers at a
// fractional position and a ratio of writer samples per output sample. One kernel is
// blended per output sample and shared by every channel read at that position.
enum class ResamplerArithmetic
{
    portable,   // plain C++
    sse2,       // four-wide vectors (every x86-64 processor)
    avx2        // eight-wide vectors with fused multiply-add, chosen at run time
};

bool isResamplerArithmeticAvailable (ResamplerArithmetic arithmetic) noexcept;
// The widest arithmetic this processor runs.
ResamplerArithmetic fastestResamplerArithmetic() noexcept;

// Writes numSamples output samples per channel: outs[c] from rings[c], each ring holding
// capacity samples (a power of two) indexed modulo capacity. The output sample i is the
// interpolated stream at start + i x ratio (its kernel centre 63/64 sample earlier),
// times gain. A start or ratio that is not finite gives silence.
void resampleRings (float* const* outs, const float* const* rings, int numChannels, std::uint32_t capacity,
                    int numSamples, ReadPosition start, double ratio, float gain) noexcept;

// The same with a chosen arithmetic (which must be available).
void resampleRingsWith (ResamplerArithmetic arithmetic, float* const* outs, const float* const* rings,
                        int numChannels, std::uint32_t capacity, int numSamples, ReadPosition start, double ratio,
                        float gain) noexcept;
