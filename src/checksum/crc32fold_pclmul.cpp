// CRC-32 by carry-less multiplication (PCLMULQDQ): eight 128-bit accumulators run
// 128 bytes apart; each step moves an accumulator forward by multiplying its two
// halves with x^k mod P and adds the next chunk. The end merges the accumulators,
// folds the remaining 16-byte chunks and turns the last 128 bits into the register
// through the slicing tables.
#include "crc32tables.h"

#if defined(__x86_64__)

#include <immintrin.h>

#define TALLYFOX_TARGET_PCLMUL __attribute__((target("sse4.1,pclmul")))

namespace {

TALLYFOX_TARGET_PCLMUL inline __m128i Load(const unsigned char* p) noexcept
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// The constants that move a chunk forward by 16 * chunks bytes.
TALLYFOX_TARGET_PCLMUL inline __m128i Distance(const Crc32Tables& tables, int chunks) noexcept
{
    return _mm_set_epi64x(static_cast<long long>(tables.foldForward[chunks][1]),
                          static_cast<long long>(tables.foldForward[chunks][0]));
}

TALLYFOX_TARGET_PCLMUL inline __m128i Forward(__m128i chunk, __m128i distance) noexcept
{
    return _mm_xor_si128(_mm_clmulepi64_si128(chunk, distance, 0x00), _mm_clmulepi64_si128(chunk, distance, 0x11));
}

}  // namespace

TALLYFOX_TARGET_PCLMUL std::uint32_t Crc32FoldPclmul(const Crc32Tables& tables, std::uint32_t reg,
                                                     const unsigned char* data, std::size_t length) noexcept
{
    constexpr std::size_t kStride = 128;
    if (length < kStride) {
        return Crc32FoldSlicing16(tables, reg, data, length);
    }
    // Folding from `reg` equals XOR-ing it into the first four bytes and folding from zero.
    __m128i a0 = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(static_cast<int>(reg)));
    __m128i a1 = Load(data + 16);
    __m128i a2 = Load(data + 32);
    __m128i a3 = Load(data + 48);
    __m128i a4 = Load(data + 64);
    __m128i a5 = Load(data + 80);
    __m128i a6 = Load(data + 96);
    __m128i a7 = Load(data + 112);
    data += kStride;
    length -= kStride;

    const __m128i stride = Distance(tables, 8);
    while (length >= kStride) {
        a0 = _mm_xor_si128(Forward(a0, stride), Load(data));
        a1 = _mm_xor_si128(Forward(a1, stride), Load(data + 16));
        a2 = _mm_xor_si128(Forward(a2, stride), Load(data + 32));
        a3 = _mm_xor_si128(Forward(a3, stride), Load(data + 48));
        a4 = _mm_xor_si128(Forward(a4, stride), Load(data + 64));
        a5 = _mm_xor_si128(Forward(a5, stride), Load(data + 80));
        a6 = _mm_xor_si128(Forward(a6, stride), Load(data + 96));
        a7 = _mm_xor_si128(Forward(a7, stride), Load(data + 112));
        data += kStride;
        length -= kStride;
    }

    const __m128i m01 = _mm_xor_si128(Forward(a0, Distance(tables, 7)), Forward(a1, Distance(tables, 6)));
    const __m128i m23 = _mm_xor_si128(Forward(a2, Distance(tables, 5)), Forward(a3, Distance(tables, 4)));
    const __m128i m45 = _mm_xor_si128(Forward(a4, Distance(tables, 3)), Forward(a5, Distance(tables, 2)));
    const __m128i m67 = _mm_xor_si128(Forward(a6, Distance(tables, 1)), a7);
    __m128i acc = _mm_xor_si128(_mm_xor_si128(m01, m23), _mm_xor_si128(m45, m67));

    const __m128i one = Distance(tables, 1);
    while (length >= 16) {
        acc = _mm_xor_si128(Forward(acc, one), Load(data));
        data += 16;
        length -= 16;
    }
    alignas(16) unsigned char last[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(last), acc);
    return Crc32FoldSlicing16(tables, Crc32Reduce16(tables, last), data, length);
}

#endif
