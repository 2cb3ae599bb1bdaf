#include "blake3compress.h"

#include <bit>

namespace {

inline void Mix(std::uint32_t (&v)[16], int a, int b, int c, int d, std::uint32_t x, std::uint32_t y) noexcept
{
    v[a] = v[a] + v[b] + x;
    v[d] = std::rotr(v[d] ^ v[a], 16);
    v[c] = v[c] + v[d];
    v[b] = std::rotr(v[b] ^ v[c], 12);
    v[a] = v[a] + v[b] + y;
    v[d] = std::rotr(v[d] ^ v[a], 8);
    v[c] = v[c] + v[d];
    v[b] = std::rotr(v[b] ^ v[c], 7);
}

template <int R>
inline void Round(std::uint32_t (&v)[16], const std::uint32_t (&m)[16]) noexcept
{
    constexpr const std::uint8_t* s = kBlake3Schedule.word[R];
    Mix(v, 0, 4, 8, 12, m[s[0]], m[s[1]]);
    Mix(v, 1, 5, 9, 13, m[s[2]], m[s[3]]);
    Mix(v, 2, 6, 10, 14, m[s[4]], m[s[5]]);
    Mix(v, 3, 7, 11, 15, m[s[6]], m[s[7]]);
    Mix(v, 0, 5, 10, 15, m[s[8]], m[s[9]]);
    Mix(v, 1, 6, 11, 12, m[s[10]], m[s[11]]);
    Mix(v, 2, 7, 8, 13, m[s[12]], m[s[13]]);
    Mix(v, 3, 4, 9, 14, m[s[14]], m[s[15]]);
}

// The seven rounds on the state `v`, each taking the message words in its own order.
void Permute(std::uint32_t (&v)[16], const std::uint32_t cv[8], const unsigned char* block, std::uint64_t counter,
             std::uint32_t blockLength, std::uint32_t flags) noexcept
{
    std::uint32_t m[16];
    for (int i = 0; i < 16; ++i) {
        m[i] = LoadLittleEndian32(block + 4 * i);
    }
    for (int i = 0; i < 8; ++i) {
        v[i] = cv[i];
    }
    for (int i = 0; i < 4; ++i) {
        v[8 + i] = kBlake3Iv[i];
    }
    v[12] = static_cast<std::uint32_t>(counter);
    v[13] = static_cast<std::uint32_t>(counter >> 32);
    v[14] = blockLength;
    v[15] = flags;
    Round<0>(v, m);
    Round<1>(v, m);
    Round<2>(v, m);
    Round<3>(v, m);
    Round<4>(v, m);
    Round<5>(v, m);
    Round<6>(v, m);
}

}  // namespace

void Blake3Compress(const std::uint32_t cv[8], const unsigned char block[kBlake3BlockBytes], std::uint64_t counter,
                    std::uint32_t blockLength, std::uint32_t flags, std::uint32_t out[16]) noexcept
{
    std::uint32_t v[16];
    Permute(v, cv, block, counter, blockLength, flags);
    for (int i = 0; i < 8; ++i) {
        out[i] = v[i] ^ v[8 + i];
        out[8 + i] = v[8 + i] ^ cv[i];
    }
}

void Blake3CompressChainingValue(std::uint32_t cv[8], const unsigned char block[kBlake3BlockBytes],
                                 std::uint64_t counter, std::uint32_t blockLength, std::uint32_t flags) noexcept
{
    std::uint32_t v[16];
    Permute(v, cv, block, counter, blockLength, flags);
    for (int i = 0; i < 8; ++i) {
        cv[i] = v[i] ^ v[8 + i];
    }
}
