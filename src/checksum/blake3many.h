#pragma once

#include <cstddef>
#include <cstdint>

// Compresses `count` independent inputs of `blocks` whole 64-byte blocks each, every
// one starting from the IV: input i reads its blocks from inputs[i] and takes the
// counter `counter + i` when `incrementCounter` (chunks), else `counter` (parents).
// Every block gets `flags`, the first one also `flagsStart`, the last one also
// `flagsEnd`. Input i's 32-byte chaining value goes to out + 32 * i, little-endian;
// `out` must not overlap the inputs.
using Blake3ManyFunction = void (*)(const unsigned char* const* inputs, std::size_t count, std::size_t blocks,
                                    std::uint64_t counter, bool incrementCounter, std::uint32_t flags,
                                    std::uint32_t flagsStart, std::uint32_t flagsEnd, unsigned char* out);

// One input after another through the scalar compression function.
void Blake3ManyPortable(const unsigned char* const* inputs, std::size_t count, std::size_t blocks,
                        std::uint64_t counter, bool incrementCounter, std::uint32_t flags, std::uint32_t flagsStart,
                        std::uint32_t flagsEnd, unsigned char* out);
#if defined(__x86_64__)
// 4 (SSE4.1), 8 (AVX2) or 16 (AVX-512F) inputs at once; a rest of fewer goes through
// the next narrower function. The CPU must have the instruction set (Blake3PathSupported).
void Blake3ManySse41(const unsigned char* const* inputs, std::size_t count, std::size_t blocks, std::uint64_t counter,
                     bool incrementCounter, std::uint32_t flags, std::uint32_t flagsStart, std::uint32_t flagsEnd,
                     unsigned char* out);
void Blake3ManyAvx2(const unsigned char* const* inputs, std::size_t count, std::size_t blocks, std::uint64_t counter,
                    bool incrementCounter, std::uint32_t flags, std::uint32_t flagsStart, std::uint32_t flagsEnd,
                    unsigned char* out);
void Blake3ManyAvx512(const unsigned char* const* inputs, std::size_t count, std::size_t blocks,
                      std::uint64_t counter, bool incrementCounter, std::uint32_t flags, std::uint32_t flagsStart,
                      std::uint32_t flagsEnd, unsigned char* out);
#endif
