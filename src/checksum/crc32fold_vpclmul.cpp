// CRC-32 by carry-less multiplication on 512-bit vectors (VPCLMULQDQ, AVX-512):
// four accumulators of four 128-bit chunks each run 256 bytes apart. The end merges
// them into one vector, folds the remaining 64-byte chunks, merges the vector's four
// lanes and finishes like the 128-bit fold.
#include "crc32tables.h"

#if defined(__x86_64__)

// GCC 12's AVX-512 intrinsics build their "undefined" vectors from themselves, which
// -Wmaybe-uninitialized reports inside the headers.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"

#include <immintrin.h>

#define TALLYFOX_TARGET_VPCLMUL \
    __attribute__((target("avx512f,avx512vl,avx512bw,avx512dq,vpclmulqdq,avx2,sse4.1,pclmul")))

namespace {

TALLYFOX_TARGET_VPCLMUL inline __m512i Load(const unsigned char* p) noexcept
{
    return _mm512_loadu_si512(p);
}

// The constants that move each 128-bit lane forward by 16 * chunks bytes.
TALLYFOX_TARGET_VPCLMUL inline __m512i Distance(const Crc32Tables& tables, int chunks) noexcept
{
    const auto low = static_cast<long long>(tables.foldForward[chunks][0]);
    const auto high = static_cast<long long>(tables.foldForward[chunks][1]);
    return _mm512_set_epi64(high, low, high, low, high, low, high, low);
}

// Moves every lane of `chunk` forward by `distance` and adds `next`.
TALLYFOX_TARGET_VPCLMUL inline __m512i Forward(__m512i chunk, __m512i distance, __m512i next) noexcept
{
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(chunk, distance, 0x00),
                                     _mm512_clmulepi64_epi128(chunk, distance, 0x11), next, 0x96);
}

TALLYFOX_TARGET_VPCLMUL inline __m128i Forward128(__m128i chunk, __m128i distance, __m128i next) noexcept
{
    return _mm_ternarylogic_epi64(_mm_clmulepi64_si128(chunk, distance, 0x00),
                                  _mm_clmulepi64_si128(chunk, distance, 0x11), next, 0x96);
}

}  // namespace

TALLYFOX_TARGET_VPCLMUL std::uint32_t Crc32FoldVpclmul(const Crc32Tables& tables, std::uint32_t reg,
                                                       const unsigned char* data, std::size_t length) noexcept
{
    constexpr std::size_t kStride = 256;
    if (length < kStride) {
        return Crc32FoldPclmul(tables, reg, data, length);
    }
    const __m512i initial = _mm512_maskz_set1_epi32(0x0001, static_cast<int>(reg));
    __m512i a0 = _mm512_xor_si512(Load(data), initial);
    __m512i a1 = Load(data + 64);
    __m512i a2 = Load(data + 128);
    __m512i a3 = Load(data + 192);
    data += kStride;
    length -= kStride;

    const __m512i stride = Distance(tables, 16);
    while (length >= kStride) {
        a0 = Forward(a0, stride, Load(data));
        a1 = Forward(a1, stride, Load(data + 64));
        a2 = Forward(a2, stride, Load(data + 128));
        a3 = Forward(a3, stride, Load(data + 192));
        data += kStride;
        length -= kStride;
    }

    const __m512i four = Distance(tables, 4);
    __m512i acc = Forward(a0, Distance(tables, 12), Forward(a1, Distance(tables, 8), Forward(a2, four, a3)));
    while (length >= 64) {
        acc = Forward(acc, four, Load(data));
        data += 64;
        length -= 64;
    }

    // Lane j moves forward by 16 * (3 - j) bytes; lane 3 stays where it is.
    const auto constant = [&tables](int chunks, int half) {
        return static_cast<long long>(tables.foldForward[chunks][half]);
    };
    const __m512i lanes = _mm512_set_epi64(0, 0, constant(1, 1), constant(1, 0), constant(2, 1), constant(2, 0),
                                           constant(3, 1), constant(3, 0));
    acc = Forward(acc, lanes, _mm512_maskz_mov_epi64(0xC0, acc));
    acc = _mm512_xor_si512(acc, _mm512_shuffle_i64x2(acc, acc, 0x4E));  // lanes 0^2, 1^3
    acc = _mm512_xor_si512(acc, _mm512_shuffle_i64x2(acc, acc, 0xB1));  // lane 0: all four
    __m128i last = _mm512_castsi512_si128(acc);

    const __m128i one = _mm512_castsi512_si128(Distance(tables, 1));
    while (length >= 16) {
        last = Forward128(last, one, _mm_loadu_si128(reinterpret_cast<const __m128i*>(data)));
        data += 16;
        length -= 16;
    }
    alignas(16) unsigned char bytes[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(bytes), last);
    return Crc32FoldSlicing16(tables, Crc32Reduce16(tables, bytes), data, length);
}

#endif
