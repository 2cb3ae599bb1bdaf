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

inline void Round(std::uint32_t (&v)[16], const std::uint32_t (&m)[16]) noexcept
{
    Mix(v, 0, 4, 8, 12, m[0], m[1]);
    Mix(v, 1, 5, 9, 13, m[2], m[3]);
    Mix(v, 2, 6, 10, 14, m[4], m[5]);
    Mix(v, 3, 7, 11, 15, m[6], m[7]);
    Mix(v, 0, 5, 10, 15, m[8], m[9]);
    Mix(v, 1, 6, 11, 12, m[10], m[11]);
    Mix(v, 2, 7, 8, 13, m[12], m[13]);
    Mix(v, 3, 4, 9, 14, m[14], m[15]);
}

// The seven rounds on the state `v`, the message permuted between rounds.
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
    for (int round = 0; round < 7; ++round) {
        Round(v, m);
        if (round < 6) {
            std::uint32_t next[16];
            for (int i = 0; i < 16; ++i) {
                next[i] = m[kBlake3Permutation[i]];
            }
            for (int i = 0; i < 16; ++i) {
                m[i] = next[i];
            }
        }
    }
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
