// Eight BLAKE3 inputs side by side in 256-bit vectors (AVX2).
#include "blake3many.h"

#if defined(__x86_64__)

#include <immintrin.h>

#define TALLYFOX_BLAKE3_TARGET __attribute__((target("avx2")))
#include "blake3lanes.h"

namespace {

struct Avx2Lanes {
    using Vector = __m256i;
    static constexpr std::size_t kCount = 8;
    static constexpr std::size_t kPadFrom = 5;  // a padded group beats the narrower paths

    TALLYFOX_BLAKE3_TARGET static Vector Add(Vector a, Vector b) noexcept { return _mm256_add_epi32(a, b); }
    TALLYFOX_BLAKE3_TARGET static Vector Xor(Vector a, Vector b) noexcept { return _mm256_xor_si256(a, b); }
    TALLYFOX_BLAKE3_TARGET static Vector Broadcast(std::uint32_t word) noexcept
    {
        return _mm256_set1_epi32(static_cast<int>(word));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Load(const std::uint32_t* words) noexcept
    {
        return _mm256_load_si256(reinterpret_cast<const __m256i*>(words));
    }
    TALLYFOX_BLAKE3_TARGET static void Store(std::uint32_t* words, Vector x) noexcept
    {
        _mm256_store_si256(reinterpret_cast<__m256i*>(words), x);
    }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate16(Vector x) noexcept
    {
        return _mm256_shuffle_epi8(x, _mm256_set_epi8(13, 12, 15, 14, 9, 8, 11, 10, 5, 4, 7, 6, 1, 0, 3, 2, 13, 12, 15,
                                                      14, 9, 8, 11, 10, 5, 4, 7, 6, 1, 0, 3, 2));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate8(Vector x) noexcept
    {
        return _mm256_shuffle_epi8(x, _mm256_set_epi8(12, 15, 14, 13, 8, 11, 10, 9, 4, 7, 6, 5, 0, 3, 2, 1, 12, 15, 14,
                                                      13, 8, 11, 10, 9, 4, 7, 6, 5, 0, 3, 2, 1));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate12(Vector x) noexcept
    {
        return _mm256_or_si256(_mm256_srli_epi32(x, 12), _mm256_slli_epi32(x, 20));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate7(Vector x) noexcept
    {
        return _mm256_or_si256(_mm256_srli_epi32(x, 7), _mm256_slli_epi32(x, 25));
    }

    // m[k] = message word k of every lane: two 8 x 8 transposes (words 0-7, then 8-15).
    TALLYFOX_BLAKE3_TARGET static void LoadMessage(const unsigned char* const* inputs, std::size_t offset,
                                                   Vector (&m)[16]) noexcept
    {
        for (int half = 0; half < 2; ++half) {
            Vector r[8];
            for (int lane = 0; lane < 8; ++lane) {
                r[lane] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(inputs[lane] + offset + 32 * half));
            }
            // In each 128-bit half q: t[2a] holds words 4q, 4q+1 and t[2a+1] words 4q+2,
            // 4q+3 of rows 2a and 2a+1, interleaved.
            Vector t[8];
            for (int a = 0; a < 4; ++a) {
                t[2 * a] = _mm256_unpacklo_epi32(r[2 * a], r[2 * a + 1]);
                t[2 * a + 1] = _mm256_unpackhi_epi32(r[2 * a], r[2 * a + 1]);
            }
            // u[4b + c], half q: word 4q + c of rows 4b to 4b+3.
            Vector u[8];
            for (int b = 0; b < 2; ++b) {
                u[4 * b + 0] = _mm256_unpacklo_epi64(t[4 * b], t[4 * b + 2]);
                u[4 * b + 1] = _mm256_unpackhi_epi64(t[4 * b], t[4 * b + 2]);
                u[4 * b + 2] = _mm256_unpacklo_epi64(t[4 * b + 1], t[4 * b + 3]);
                u[4 * b + 3] = _mm256_unpackhi_epi64(t[4 * b + 1], t[4 * b + 3]);
            }
            for (int c = 0; c < 4; ++c) {
                m[8 * half + c] = _mm256_permute2x128_si256(u[c], u[4 + c], 0x20);
                m[8 * half + 4 + c] = _mm256_permute2x128_si256(u[c], u[4 + c], 0x31);
            }
        }
    }
};

}  // namespace

TALLYFOX_BLAKE3_TARGET void Blake3ManyAvx2(const unsigned char* const* inputs, std::size_t count, std::size_t blocks,
                                           std::uint64_t counter, bool incrementCounter, std::uint32_t flags,
                                           std::uint32_t flagsStart, std::uint32_t flagsEnd, unsigned char* out)
{
    ManyInLanes<Avx2Lanes>(inputs, count, blocks, counter, incrementCounter, flags, flagsStart, flagsEnd, out,
                           Blake3ManySse41);
}

#endif
