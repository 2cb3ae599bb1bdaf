#pragma once

#include <cstddef>
#include <cstdint>

// The MD5 states of up to 16 lanes side by side: word[0][lane] is the lane's A,
// word[3][lane] its D. One row is one 512-bit vector.
struct Md5LaneStates {
    alignas(64) std::uint32_t word[4][16];
};

inline constexpr std::size_t kMd5MaxLanes = 16;

// Runs `count` consecutive 64-byte blocks in every lane: lane i reads its blocks from
// blocks[i] onwards. Only the lanes whose bit is set in `laneMask` keep the result;
// every pointer must still name `count` readable blocks (a masked lane may repeat
// another lane's pointer). Pointers need no alignment.
using Md5LaneBlockFunction = void (*)(Md5LaneStates& states, const unsigned char* const blocks[kMd5MaxLanes],
                                      std::size_t count, std::uint32_t laneMask) noexcept;

// One lane after another through the RFC transform of Md5 (any lane count).
void Md5LaneBlocksScalar(Md5LaneStates& states, const unsigned char* const blocks[kMd5MaxLanes], std::size_t count,
                         std::uint32_t laneMask) noexcept;
#if defined(__x86_64__)
// Lanes 0-7 in 256-bit vectors (AVX2).
void Md5LaneBlocksAvx2(Md5LaneStates& states, const unsigned char* const blocks[kMd5MaxLanes], std::size_t count,
                       std::uint32_t laneMask) noexcept;
// Lanes 0-15 in 512-bit vectors (AVX-512F).
void Md5LaneBlocksAvx512(Md5LaneStates& states, const unsigned char* const blocks[kMd5MaxLanes], std::size_t count,
                         std::uint32_t laneMask) noexcept;
#endif
