#include "realtime/Resampler.h"

#include "realtime/ResampleLoop.h"

#include <cstring>

#if defined(__x86_64__) || defined(_M_X64)
#define FH_RESAMPLER_X86 1
#include <emmintrin.h>
#endif

// Defined in ResamplerAvx2.cpp, built for eight-wide vectors.
void resampleRingsAvx2 (float* const* outs, const float* const* rings, int numChannels, std::uint32_t capacity,
                        int numSamples, std::int64_t index, double fraction, double ratio, float gain) noexcept;

namespace
{
struct PortableOps
{
    struct Kernel
    {
        float k[kKernelTaps];
    };

    static Kernel blend (const float* here, const float* toNext, float w) noexcept
    {
        Kernel kernel;
        for (int j = 0; j < kKernelTaps; ++j)
            kernel.k[j] = here[j] + w * toNext[j];
        return kernel;
    }

    static float dot (const Kernel& kernel, const float* x) noexcept
    {
        float sum = 0.0f;
        for (int j = 0; j < kKernelTaps; ++j)
            sum += kernel.k[j] * x[j];
        return sum;
    }
};

#if FH_RESAMPLER_X86
struct Sse2Ops
{
    struct Kernel
    {
        __m128 v[8];
        float last;
    };

    static Kernel blend (const float* here, const float* toNext, float w) noexcept
    {
        Kernel kernel;
        const __m128 weight = _mm_set1_ps (w);
        for (int j = 0; j < 8; ++j)
            kernel.v[j] = _mm_add_ps (_mm_load_ps (here + 4 * j), _mm_mul_ps (_mm_load_ps (toNext + 4 * j), weight));
        kernel.last = here[32] + w * toNext[32];
        return kernel;
    }

    static float dot (const Kernel& kernel, const float* x) noexcept
    {
        __m128 a = _mm_mul_ps (kernel.v[0], _mm_loadu_ps (x));
        __m128 b = _mm_mul_ps (kernel.v[1], _mm_loadu_ps (x + 4));
        for (int j = 2; j < 8; j += 2)
        {
            a = _mm_add_ps (a, _mm_mul_ps (kernel.v[j], _mm_loadu_ps (x + 4 * j)));
            b = _mm_add_ps (b, _mm_mul_ps (kernel.v[j + 1], _mm_loadu_ps (x + 4 * j + 4)));
        }
        __m128 s = _mm_add_ps (a, b);
        s = _mm_add_ps (s, _mm_movehl_ps (s, s));
        s = _mm_add_ss (s, _mm_shuffle_ps (s, s, 1));
        return _mm_cvtss_f32 (s) + kernel.last * x[32];
    }
};

bool cpuHasAvx2() noexcept
{
    static const bool has = __builtin_cpu_supports ("avx2") && __builtin_cpu_supports ("fma");
    return has;
}
#endif
} // namespace

bool isResamplerArithmeticAvailable (ResamplerArithmetic arithmetic) noexcept
{
    switch (arithmetic)
    {
        case ResamplerArithmetic::portable: return true;
#if FH_RESAMPLER_X86
        case ResamplerArithmetic::sse2: return true;
        case ResamplerArithmetic::avx2: return cpuHasAvx2();
#else
        case ResamplerArithmetic::sse2:
        case ResamplerArithmetic::avx2: return false;
#endif
    }
    return false;
}

ResamplerArithmetic fastestResamplerArithmetic() noexcept
{
    if (isResamplerArithmeticAvailable (ResamplerArithmetic::avx2))
        return ResamplerArithmetic::avx2;
    if (isResamplerArithmeticAvailable (ResamplerArithmetic::sse2))
        return ResamplerArithmetic::sse2;
    return ResamplerArithmetic::portable;
}

void resampleRingsWith (ResamplerArithmetic arithmetic, float* const* outs, const float* const* rings,
                        int numChannels, std::uint32_t capacity, int numSamples, ReadPosition start, double ratio,
                        float gain) noexcept
{
    if (numSamples <= 0 || numChannels <= 0)
        return;
    if (! start.isFinite() || ! std::isfinite (ratio) || capacity < 64 || (capacity & (capacity - 1)) != 0)
    {
        for (int c = 0; c < numChannels; ++c)
            std::memset (outs[c], 0, sizeof (float) * static_cast<std::size_t> (numSamples));
        return;
    }

    switch (arithmetic)
    {
#if FH_RESAMPLER_X86
        case ResamplerArithmetic::avx2:
            resampleRingsAvx2 (outs, rings, numChannels, capacity, numSamples, start.index, start.fraction, ratio, gain);
            return;
        case ResamplerArithmetic::sse2:
            resampleLoop<Sse2Ops> (outs, rings, numChannels, capacity, numSamples, start.index, start.fraction, ratio,
                                   gain);
            return;
#endif
        default:
            resampleLoop<PortableOps> (outs, rings, numChannels, capacity, numSamples, start.index, start.fraction,
                                       ratio, gain);
            return;
    }
}

void resampleRings (float* const* outs, const float* const* rings, int numChannels, std::uint32_t capacity,
                    int numSamples, ReadPosition start, double ratio, float gain) noexcept
{
    static const ResamplerArithmetic fastest = fastestResamplerArithmetic();
    resampleRingsWith (fastest, outs, rings, numChannels, capacity, numSamples, start, ratio, gain);
}
