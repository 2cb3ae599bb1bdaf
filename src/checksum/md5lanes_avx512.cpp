// Sixteen MD5 lanes in 512-bit vectors: element i of every vector belongs to lane i.
// Each lane's block is loaded as one vector and the sixteen are transposed, so that
// vector w[k] holds message word k of every lane; the round functions are single
// ternary-logic instructions and the rotations single vprold.
#include "md5lanesblocks.h"
#include "md5lanesteps.h"

#if defined(__x86_64__)

// GCC 12's AVX-512 intrinsics build their "undefined" vectors from themselves, which
// -Wmaybe-uninitialized reports inside the headers.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include <immintrin.h>

#include <utility>

#define TALLYFOX_TARGET_AVX512 __attribute__((target("avx512f,avx2")))

namespace {

// Rows r[0..15] (one lane's 16 words each) into columns w[0..15] (one word of every lane).
TALLYFOX_TARGET_AVX512 inline void Transpose(const __m512i (&r)[16], __m512i (&w)[16]) noexcept
{
    __m512i t[16];
    for (int i = 0; i < 16; i += 2) {
        t[i] = _mm512_unpacklo_epi32(r[i], r[i + 1]);
        t[i + 1] = _mm512_unpackhi_epi32(r[i], r[i + 1]);
    }
    // u[4j + c], 128-bit lane q: rows 4j..4j+3 of column 4q + c.
    __m512i u[16];
    for (int j = 0; j < 16; j += 4) {
        u[j] = _mm512_unpacklo_epi64(t[j], t[j + 2]);
        u[j + 1] = _mm512_unpackhi_epi64(t[j], t[j + 2]);
        u[j + 2] = _mm512_unpacklo_epi64(t[j + 1], t[j + 3]);
        u[j + 3] = _mm512_unpackhi_epi64(t[j + 1], t[j + 3]);
    }
    // Column 4q + c gathers 128-bit lane q of u[c], u[4 + c], u[8 + c], u[12 + c].
    for (int c = 0; c < 4; ++c) {
        const __m512i v0 = _mm512_shuffle_i32x4(u[c], u[4 + c], 0x44);
        const __m512i v1 = _mm512_shuffle_i32x4(u[c], u[4 + c], 0xEE);
        const __m512i v2 = _mm512_shuffle_i32x4(u[8 + c], u[12 + c], 0x44);
        const __m512i v3 = _mm512_shuffle_i32x4(u[8 + c], u[12 + c], 0xEE);
        w[c] = _mm512_shuffle_i32x4(v0, v2, 0x88);
        w[4 + c] = _mm512_shuffle_i32x4(v0, v2, 0xDD);
        w[8 + c] = _mm512_shuffle_i32x4(v1, v3, 0x88);
        w[12 + c] = _mm512_shuffle_i32x4(v1, v3, 0xDD);
    }
}

// One step: a = b + rotl(a + f(b, c, d) + word + constant, shift), with f as a
// ternary-logic table: F = b ? c : d (0xCA), G = d ? b : c (0xE4), H = b ^ c ^ d
// (0x96), I = c ^ (b | ~d) (0x39).
template <std::size_t Step>
TALLYFOX_TARGET_AVX512 inline void DoStep(__m512i (&v)[4], const __m512i (&w)[16]) noexcept
{
    constexpr int kTable[4] = {0xCA, 0xE4, 0x96, 0x39};
    constexpr int kFunction = kTable[Step / 16];
    constexpr int kShift = kMd5StepShift[Step];
    __m512i& a = v[Md5RoleA(Step)];
    const __m512i b = v[Md5RoleB(Step)];
    const __m512i c = v[Md5RoleC(Step)];
    const __m512i d = v[Md5RoleD(Step)];
    const __m512i input =
        _mm512_add_epi32(w[kMd5StepWord[Step]], _mm512_set1_epi32(static_cast<int>(kMd5StepConstant[Step])));
    a = _mm512_add_epi32(a, input);
    a = _mm512_add_epi32(a, _mm512_ternarylogic_epi32(b, c, d, kFunction));
    a = _mm512_add_epi32(_mm512_rol_epi32(a, kShift), b);
}

template <std::size_t... Steps>
TALLYFOX_TARGET_AVX512 inline void EveryStep(__m512i (&v)[4], const __m512i (&w)[16],
                                             std::index_sequence<Steps...>) noexcept
{
    (DoStep<Steps>(v, w), ...);
}

}  // namespace

TALLYFOX_TARGET_AVX512 void Md5LaneBlocksAvx512(Md5LaneStates& states, const unsigned char* const blocks[kMd5MaxLanes],
                                                std::size_t count, std::uint32_t laneMask) noexcept
{
    const auto mask = static_cast<__mmask16>(laneMask & 0xFFFFu);
    __m512i v[4];
    for (int i = 0; i < 4; ++i) {
        v[i] = _mm512_load_si512(states.word[i]);
    }
    for (std::size_t block = 0; block < count; ++block) {
        __m512i rows[16];
        for (std::size_t lane = 0; lane < 16; ++lane) {
            rows[lane] = _mm512_loadu_si512(blocks[lane] + 64 * block);
        }
        __m512i w[16];
        Transpose(rows, w);
        const __m512i start[4] = {v[0], v[1], v[2], v[3]};
        EveryStep(v, w, std::make_index_sequence<64>{});
        for (int i = 0; i < 4; ++i) {
            // Lanes outside the mask keep the state they started the block with.
            v[i] = _mm512_mask_add_epi32(start[i], mask, v[i], start[i]);
        }
    }
    for (int i = 0; i < 4; ++i) {
        _mm512_store_si512(states.word[i], v[i]);
    }
}

#endif
