// Built with eight-wide vectors and fused multiply-add (see the folder's build file);
// called only when the processor has them. Keeps every definition internal so that
// no code built for these instructions is shared with other files.
#if defined(__x86_64__) || defined(_M_X64)

#include "realtime/ResampleLoop.h"

#include <immintrin.h>

namespace
{
struct Avx2Ops
{
    struct Kernel
    {
        __m256 v[4];
        float last;
    };

    static Kernel blend (const float* here, const float* toNext, float w) noexcept
    {
        Kernel kernel;
        const __m256 weight = _mm256_set1_ps (w);
        for (int j = 0; j < 4; ++j)
            kernel.v[j] = _mm256_fmadd_ps (_mm256_load_ps (toNext + 8 * j), weight, _mm256_load_ps (here + 8 * j));
        kernel.last = here[32] + w * toNext[32];
        return kernel;
    }

    static float dot (const Kernel& kernel, const float* x) noexcept
    {
        __m256 a = _mm256_mul_ps (kernel.v[0], _mm256_loadu_ps (x));
        __m256 b = _mm256_mul_ps (kernel.v[1], _mm256_loadu_ps (x + 8));
        a = _mm256_fmadd_ps (kernel.v[2], _mm256_loadu_ps (x + 16), a);
        b = _mm256_fmadd_ps (kernel.v[3], _mm256_loadu_ps (x + 24), b);
        const __m256 s8 = _mm256_add_ps (a, b);
        __m128 s = _mm_add_ps (_mm256_castps256_ps128 (s8), _mm256_extractf128_ps (s8, 1));
        s = _mm_add_ps (s, _mm_movehl_ps (s, s));
        s = _mm_add_ss (s, _mm_movehdup_ps (s));
        return _mm_cvtss_f32 (s) + kernel.last * x[32];
    }
};
} // namespace

void resampleRingsAvx2 (float* const* outs, const float* const* rings, int numChannels, std::uint32_t capacity,
                        int numSamples, std::int64_t index, double fraction, double ratio, float gain) noexcept
{
    resampleLoop<Avx2Ops> (outs, rings, numChannels, capacity, numSamples, index, fraction, ratio, gain);
}

#endif
