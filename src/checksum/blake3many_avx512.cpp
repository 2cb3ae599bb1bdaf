// Sixteen BLAKE3 inputs side by side in 512-bit vectors (AVX-512F).
#include "blake3many.h"

#if defined(__x86_64__)

#include <immintrin.h>

// GCC 12's AVX-512 intrinsics build their "undefined" vectors from themselves, which
// its uninitialised-use analysis reports inside the intrinsics' own headers.
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#define TALLYFOX_BLAKE3_TARGET __attribute__((target("avx512f")))
#include "blake3lanes.h"

namespace {

struct Avx512Lanes {
    using Vector = __m512i;
    static constexpr std::size_t kCount = 16;
    static constexpr std::size_t kPadFrom = 9;  // a padded group beats the narrower paths

    TALLYFOX_BLAKE3_TARGET static Vector Add(Vector a, Vector b) noexcept { return _mm512_add_epi32(a, b); }
    TALLYFOX_BLAKE3_TARGET static Vector Xor(Vector a, Vector b) noexcept { return _mm512_xor_si512(a, b); }
    TALLYFOX_BLAKE3_TARGET static Vector Broadcast(std::uint32_t word) noexcept
    {
        return _mm512_set1_epi32(static_cast<int>(word));
    }
    TALLYFOX_BLAKE3_TARGET static Vector Load(const std::uint32_t* words) noexcept
    {
        return _mm512_load_si512(words);
    }
    TALLYFOX_BLAKE3_TARGET static void Store(std::uint32_t* words, Vector x) noexcept { _mm512_store_si512(words, x); }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate16(Vector x) noexcept { return _mm512_ror_epi32(x, 16); }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate12(Vector x) noexcept { return _mm512_ror_epi32(x, 12); }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate8(Vector x) noexcept { return _mm512_ror_epi32(x, 8); }
    TALLYFOX_BLAKE3_TARGET static Vector Rotate7(Vector x) noexcept { return _mm512_ror_epi32(x, 7); }

    // m[k] = message word k of every lane: one 16 x 16 transpose of the lanes' blocks.
    TALLYFOX_BLAKE3_TARGET static void LoadMessage(const unsigned char* const* inputs, std::size_t offset,
                                                   Vector (&m)[16]) noexcept
    {
        Vector r[16];
        for (int lane = 0; lane < 16; ++lane) {
            r[lane] = _mm512_loadu_si512(inputs[lane] + offset);
        }
        Vector t[16];
        for (int a = 0; a < 8; ++a) {
            t[2 * a] = _mm512_unpacklo_epi32(r[2 * a], r[2 * a + 1]);
            t[2 * a + 1] = _mm512_unpackhi_epi32(r[2 * a], r[2 * a + 1]);
        }
        // u[4b + c], 128-bit quarter q: word 4q + c of rows 4b to 4b+3.
        Vector u[16];
        for (int b = 0; b < 4; ++b) {
            u[4 * b + 0] = _mm512_unpacklo_epi64(t[4 * b], t[4 * b + 2]);
            u[4 * b + 1] = _mm512_unpackhi_epi64(t[4 * b], t[4 * b + 2]);
            u[4 * b + 2] = _mm512_unpacklo_epi64(t[4 * b + 1], t[4 * b + 3]);
            u[4 * b + 3] = _mm512_unpackhi_epi64(t[4 * b + 1], t[4 * b + 3]);
        }
        // Word 4q + c gathers quarter q of u[c], u[4 + c], u[8 + c], u[12 + c]: a 4 x 4
        // transpose of quarters, in two steps of quarter shuffles.
        for (int c = 0; c < 4; ++c) {
            const Vector evenAb = _mm512_shuffle_i32x4(u[c], u[4 + c], 0x88);     // a0 a2 b0 b2
            const Vector oddAb = _mm512_shuffle_i32x4(u[c], u[4 + c], 0xDD);      // a1 a3 b1 b3
            const Vector evenCd = _mm512_shuffle_i32x4(u[8 + c], u[12 + c], 0x88);  // c0 c2 d0 d2
            const Vector oddCd = _mm512_shuffle_i32x4(u[8 + c], u[12 + c], 0xDD);   // c1 c3 d1 d3
            m[c] = _mm512_shuffle_i32x4(evenAb, evenCd, 0x88);
            m[8 + c] = _mm512_shuffle_i32x4(evenAb, evenCd, 0xDD);
            m[4 + c] = _mm512_shuffle_i32x4(oddAb, oddCd, 0x88);
            m[12 + c] = _mm512_shuffle_i32x4(oddAb, oddCd, 0xDD);
        }
    }
};

}  // namespace

TALLYFOX_BLAKE3_TARGET void Blake3ManyAvx512(const unsigned char* const* inputs, std::size_t count,
                                             std::size_t blocks, std::uint64_t counter, bool incrementCounter,
                                             std::uint32_t flags, std::uint32_t flagsStart, std::uint32_t flagsEnd,
                                             unsigned char* out)
{
    ManyInLanes<Avx512Lanes>(inputs, count, blocks, counter, incrementCounter, flags, flagsStart, flagsEnd, out,
                             Blake3ManyAvx2);
}

#endif
