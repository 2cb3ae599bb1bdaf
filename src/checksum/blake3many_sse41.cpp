// Four BLAKE3 inputs side by side in 128-bit vectors (SSE4.1).
#include "blake3many.h"

#if defined(__x86_64__)

#include <immintrin.h>

#define TALLYFOX_BLAKE3_TARGET __attribute__((target("sse4.1")))
#include "blake3lanes.h"

namespace {

struct Sse41Lanes {
    using Vector = __m128i;
    static constexpr std::size_t kCount = 4;
    static constexpr std::size_t kPadFrom = 2;  // a padded group beats the narrower paths

    TALLYFOX_BLAKE3_TARGET static Vector Add(Vector a, Vector b) noexcept { return _mm_add_epi32(a, b); }
    TALLYFOX_BLAKE3_TARGET static Vector Xor(Vector a, Vector b) noexcept { return _mm_xor_si128(a, b); }
    TALLYFOX_BLAKE3_TARGET static Vector Broadcast(std::uint32_t word) noexcept
    {
        return _mm_set1_epi32(static_cast<int>(word));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Load(const std::uint32_t* words) noexcept
    {
        return _mm_load_si128(reinterpret_cast<const __m128i*>(words));
    }
    TALLYFOX_BLAKE3_TARGET static void Store(std::uint32_t* words, Vector x) noexcept
    {
        _mm_store_si128(reinterpret_cast<__m128i*>(words), x);
    }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate16(Vector x) noexcept
    {
        return _mm_shuffle_epi8(x, _mm_set_epi8(13, 12, 15, 14, 9, 8, 11, 10, 5, 4, 7, 6, 1, 0, 3, 2));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate8(Vector x) noexcept
    {
        return _mm_shuffle_epi8(x, _mm_set_epi8(12, 15, 14, 13, 8, 11, 10, 9, 4, 7, 6, 5, 0, 3, 2, 1));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate12(Vector x) noexcept
    {
        return _mm_or_si128(_mm_srli_epi32(x, 12), _mm_slli_epi32(x, 20));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate7(Vector x) noexcept
    {
        return _mm_or_si128(_mm_srli_epi32(x, 7), _mm_slli_epi32(x, 25));
    }

    // m[k] = message word k of every lane: four 4 x 4 transposes.
    TALLYFOX_BLAKE3_TARGET static void LoadMessage(const unsigned char* const* inputs, std::size_t offset,
                                                   Vector (&m)[16]) noexcept
    {
        for (int group = 0; group < 4; ++group) {
            Vector r[4];
            for (int lane = 0; lane < 4; ++lane) {
                r[lane] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(inputs[lane] + offset + 16 * group));
            }
            const Vector t0 = _mm_unpacklo_epi32(r[0], r[1]);
            const Vector t1 = _mm_unpackhi_epi32(r[0], r[1]);
            const Vector t2 = _mm_unpacklo_epi32(r[2], r[3]);
            const Vector t3 = _mm_unpackhi_epi32(r[2], r[3]);
            m[4 * group + 0] = _mm_unpacklo_epi64(t0, t2);
            m[4 * group + 1] = _mm_unpackhi_epi64(t0, t2);
            m[4 * group + 2] = _mm_unpacklo_epi64(t1, t3);
            m[4 * group + 3] = _mm_unpackhi_epi64(t1, t3);
        }
    }
};

}  // namespace

TALLYFOX_BLAKE3_TARGET void Blake3ManySse41(const unsigned char* const* inputs, std::size_t count, std::size_t blocks,
                                            std::uint64_t counter, bool incrementCounter, std::uint32_t flags,
                                            std::uint32_t flagsStart, std::uint32_t flagsEnd, unsigned char* out)
{
    ManyInLanes<Sse41Lanes>(inputs, count, blocks, counter, incrementCounter, flags, flagsStart, flagsEnd, out,
                            Blake3ManyPortable);
}

#endif
