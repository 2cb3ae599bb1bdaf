// Eight MD5 lanes in 256-bit vectors (AVX2): element i of every vector belongs to
// lane i. Each lane's block is loaded as two vectors and two 8 x 8 transposes give
// vector w[k] = message word k of every lane.
#include "md5lanesblocks.h"
#include "md5lanesteps.h"

#if defined(__x86_64__)

#include <immintrin.h>

#include <utility>

#define TALLYFOX_TARGET_AVX2 __attribute__((target("avx2")))

namespace {

// Rows r[0..7] (eight words of one lane each) into columns w[0..7] (one word of every lane).
TALLYFOX_TARGET_AVX2 inline void Transpose(const __m256i (&r)[8], __m256i* w) noexcept
{
    __m256i t[8];
    for (int i = 0; i < 8; i += 2) {
        t[i] = _mm256_unpacklo_epi32(r[i], r[i + 1]);
        t[i + 1] = _mm256_unpackhi_epi32(r[i], r[i + 1]);
    }
    // u[4j + c], 128-bit lane q: rows 4j..4j+3 of column 4q + c.
    __m256i u[8];
    for (int j = 0; j < 8; j += 4) {
        u[j] = _mm256_unpacklo_epi64(t[j], t[j + 2]);
        u[j + 1] = _mm256_unpackhi_epi64(t[j], t[j + 2]);
        u[j + 2] = _mm256_unpacklo_epi64(t[j + 1], t[j + 3]);
        u[j + 3] = _mm256_unpackhi_epi64(t[j + 1], t[j + 3]);
    }
    for (int c = 0; c < 4; ++c) {
        w[c] = _mm256_permute2x128_si256(u[c], u[4 + c], 0x20);
        w[4 + c] = _mm256_permute2x128_si256(u[c], u[4 + c], 0x31);
    }
}

template <int Shift>
TALLYFOX_TARGET_AVX2 inline __m256i RotateLeft(__m256i x) noexcept
{
    return _mm256_or_si256(_mm256_slli_epi32(x, Shift), _mm256_srli_epi32(x, 32 - Shift));
}

// The round functions of RFC 1321, written as the scalar transform writes them.
template <int Round>
TALLYFOX_TARGET_AVX2 inline __m256i RoundFunction(__m256i b, __m256i c, __m256i d) noexcept
{
    if constexpr (Round == 0) {
        return _mm256_xor_si256(d, _mm256_and_si256(b, _mm256_xor_si256(c, d)));  // F = b ? c : d
    } else if constexpr (Round == 1) {
        return _mm256_or_si256(_mm256_and_si256(b, d), _mm256_andnot_si256(d, c));  // G = d ? b : c
    } else if constexpr (Round == 2) {
        return _mm256_xor_si256(b, _mm256_xor_si256(c, d));  // H
    } else {
        const __m256i notD = _mm256_xor_si256(d, _mm256_set1_epi32(-1));
        return _mm256_xor_si256(c, _mm256_or_si256(b, notD));  // I = c ^ (b | ~d)
    }
}

template <std::size_t Step>
TALLYFOX_TARGET_AVX2 inline void DoStep(__m256i (&v)[4], const __m256i (&w)[16]) noexcept
{
    constexpr int kShift = kMd5StepShift[Step];
    __m256i& a = v[Md5RoleA(Step)];
    const __m256i b = v[Md5RoleB(Step)];
    const __m256i c = v[Md5RoleC(Step)];
    const __m256i d = v[Md5RoleD(Step)];
    const __m256i input =
        _mm256_add_epi32(w[kMd5StepWord[Step]], _mm256_set1_epi32(static_cast<int>(kMd5StepConstant[Step])));
    a = _mm256_add_epi32(a, input);
    a = _mm256_add_epi32(a, RoundFunction<Step / 16>(b, c, d));
    a = _mm256_add_epi32(RotateLeft<kShift>(a), b);
}

template <std::size_t... Steps>
TALLYFOX_TARGET_AVX2 inline void EveryStep(__m256i (&v)[4], const __m256i (&w)[16],
                                           std::index_sequence<Steps...>) noexcept
{
    (DoStep<Steps>(v, w), ...);
}

}  // namespace

TALLYFOX_TARGET_AVX2 void Md5LaneBlocksAvx2(Md5LaneStates& states, const unsigned char* const blocks[kMd5MaxLanes],
                                            std::size_t count, std::uint32_t laneMask) noexcept
{
    // All ones in the elements of the lanes that keep their result.
    const __m256i bits = _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128);
    const __m256i keep =
        _mm256_cmpeq_epi32(_mm256_and_si256(_mm256_set1_epi32(static_cast<int>(laneMask & 0xFFu)), bits), bits);
    __m256i v[4];
    for (int i = 0; i < 4; ++i) {
        v[i] = _mm256_load_si256(reinterpret_cast<const __m256i*>(states.word[i]));
    }
    for (std::size_t block = 0; block < count; ++block) {
        __m256i low[8];
        __m256i high[8];
        for (std::size_t lane = 0; lane < 8; ++lane) {
            const unsigned char* data = blocks[lane] + 64 * block;
            low[lane] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data));
            high[lane] = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + 32));
        }
        __m256i w[16];
        Transpose(low, w);
        Transpose(high, w + 8);
        const __m256i start[4] = {v[0], v[1], v[2], v[3]};
        EveryStep(v, w, std::make_index_sequence<64>{});
        for (int i = 0; i < 4; ++i) {
            // Lanes outside the mask keep the state they started the block with.
            v[i] = _mm256_blendv_epi8(start[i], _mm256_add_epi32(v[i], start[i]), keep);
        }
    }
    for (int i = 0; i < 4; ++i) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(states.word[i]), v[i]);
    }
}

#endif
