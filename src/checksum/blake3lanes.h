#pragma once

// The BLAKE3 compression of several inputs side by side, one input per vector element
// (the inputs transposed, not one input spread over a vector): vector k holds state word k
// of every input, so a round mixes one column or diagonal of all of them at once.
//
// Included only by the SIMD sources, each after defining TALLYFOX_BLAKE3_TARGET (the
// function attribute of its instruction set) and inside its own anonymous namespace use:
// `Lanes` supplies the vector type, its element count and the operations.

#include "blake3compress.h"

#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>

namespace {

template <typename Lanes, int A, int B, int C, int D>
TALLYFOX_BLAKE3_TARGET inline void MixLanes(typename Lanes::Vector (&v)[16], typename Lanes::Vector x,
                                            typename Lanes::Vector y) noexcept
{
    v[A] = Lanes::Add(Lanes::Add(v[A], v[B]), x);
    v[D] = Lanes::Rotate16(Lanes::Xor(v[D], v[A]));
    v[C] = Lanes::Add(v[C], v[D]);
    v[B] = Lanes::Rotate12(Lanes::Xor(v[B], v[C]));
    v[A] = Lanes::Add(Lanes::Add(v[A], v[B]), y);
    v[D] = Lanes::Rotate8(Lanes::Xor(v[D], v[A]));
    v[C] = Lanes::Add(v[C], v[D]);
    v[B] = Lanes::Rotate7(Lanes::Xor(v[B], v[C]));
}

template <typename Lanes, int R>
TALLYFOX_BLAKE3_TARGET inline void RoundLanes(typename Lanes::Vector (&v)[16],
                                              const typename Lanes::Vector (&m)[16]) noexcept
{
    constexpr const std::uint8_t* s = kBlake3Schedule.word[R];
    MixLanes<Lanes, 0, 4, 8, 12>(v, m[s[0]], m[s[1]]);
    MixLanes<Lanes, 1, 5, 9, 13>(v, m[s[2]], m[s[3]]);
    MixLanes<Lanes, 2, 6, 10, 14>(v, m[s[4]], m[s[5]]);
    MixLanes<Lanes, 3, 7, 11, 15>(v, m[s[6]], m[s[7]]);
    MixLanes<Lanes, 0, 5, 10, 15>(v, m[s[8]], m[s[9]]);
    MixLanes<Lanes, 1, 6, 11, 12>(v, m[s[10]], m[s[11]]);
    MixLanes<Lanes, 2, 7, 8, 13>(v, m[s[12]], m[s[13]]);
    MixLanes<Lanes, 3, 4, 9, 14>(v, m[s[14]], m[s[15]]);
}

// Lanes::kCount inputs of `blocks` blocks each; the arguments as Blake3ManyFunction's.
template <typename Lanes>
TALLYFOX_BLAKE3_TARGET void CompressLanes(const unsigned char* const* inputs, std::size_t blocks,
                                          std::uint64_t counter, bool incrementCounter, std::uint32_t flags,
                                          std::uint32_t flagsStart, std::uint32_t flagsEnd,
                                          unsigned char* out) noexcept
{
    using Vector = typename Lanes::Vector;
    alignas(64) std::uint32_t counterLow[Lanes::kCount];
    alignas(64) std::uint32_t counterHigh[Lanes::kCount];
    for (std::size_t i = 0; i < Lanes::kCount; ++i) {
        const std::uint64_t laneCounter = incrementCounter ? counter + i : counter;
        counterLow[i] = static_cast<std::uint32_t>(laneCounter);
        counterHigh[i] = static_cast<std::uint32_t>(laneCounter >> 32);
    }
    Vector h[8];
    for (int i = 0; i < 8; ++i) {
        h[i] = Lanes::Broadcast(kBlake3Iv[i]);
    }
    for (std::size_t block = 0; block < blocks; ++block) {
        Vector m[16];
        Lanes::LoadMessage(inputs, block * kBlake3BlockBytes, m);
        const std::uint32_t blockFlags = flags | (block == 0 ? flagsStart : 0) | (block + 1 == blocks ? flagsEnd : 0);
        Vector v[16];
        for (int i = 0; i < 8; ++i) {
            v[i] = h[i];
        }
        for (int i = 0; i < 4; ++i) {
            v[8 + i] = Lanes::Broadcast(kBlake3Iv[i]);
        }
        v[12] = Lanes::Load(counterLow);
        v[13] = Lanes::Load(counterHigh);
        v[14] = Lanes::Broadcast(static_cast<std::uint32_t>(kBlake3BlockBytes));
        v[15] = Lanes::Broadcast(blockFlags);
        RoundLanes<Lanes, 0>(v, m);
        RoundLanes<Lanes, 1>(v, m);
        RoundLanes<Lanes, 2>(v, m);
        RoundLanes<Lanes, 3>(v, m);
        RoundLanes<Lanes, 4>(v, m);
        RoundLanes<Lanes, 5>(v, m);
        RoundLanes<Lanes, 6>(v, m);
        for (int i = 0; i < 8; ++i) {
            h[i] = Lanes::Xor(v[i], v[8 + i]);
        }
    }
    // Word i of every lane out to lane-major order (x86 is little-endian).
    alignas(64) std::uint32_t words[8][Lanes::kCount];
    for (int i = 0; i < 8; ++i) {
        Lanes::Store(words[i], h[i]);
    }
    for (std::size_t lane = 0; lane < Lanes::kCount; ++lane) {
        for (int i = 0; i < 8; ++i) {
            std::memcpy(out + kBlake3CvBytes * lane + 4 * i, &words[i][lane], 4);
        }
    }
}

// Every full group of Lanes::kCount inputs here, and a rest of at least Lanes::kPadFrom
// in one more group padded with repeats of the last input; a smaller rest through `narrower`.
template <typename Lanes>
TALLYFOX_BLAKE3_TARGET void ManyInLanes(const unsigned char* const* inputs, std::size_t count, std::size_t blocks,
                                        std::uint64_t counter, bool incrementCounter, std::uint32_t flags,
                                        std::uint32_t flagsStart, std::uint32_t flagsEnd, unsigned char* out,
                                        Blake3ManyFunction narrower) noexcept
{
    std::size_t done = 0;
    for (; count - done >= Lanes::kCount; done += Lanes::kCount) {
        CompressLanes<Lanes>(inputs + done, blocks, incrementCounter ? counter + done : counter, incrementCounter,
                             flags, flagsStart, flagsEnd, out + done * kBlake3CvBytes);
    }
    if (count - done >= Lanes::kPadFrom) {
        const unsigned char* padded[Lanes::kCount];
        for (std::size_t i = 0; i < Lanes::kCount; ++i) {
            padded[i] = inputs[std::min(done + i, count - 1)];
        }
        unsigned char cvs[Lanes::kCount * kBlake3CvBytes];
        CompressLanes<Lanes>(padded, blocks, incrementCounter ? counter + done : counter, incrementCounter, flags,
                             flagsStart, flagsEnd, cvs);
        std::memcpy(out + done * kBlake3CvBytes, cvs, (count - done) * kBlake3CvBytes);
    } else if (done < count) {
        narrower(inputs + done, count - done, blocks, incrementCounter ? counter + done : counter, incrementCounter,
                 flags, flagsStart, flagsEnd, out + done * kBlake3CvBytes);
    }
}

}  // namespace
