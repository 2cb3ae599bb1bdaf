#pragma once

#include <cstddef>
#include <cstdint>

// Everything the CRC-32 folds need, derived at run time from the polynomial.
struct Crc32Tables {
    // slicing[0] is the standard reflected table of 0xEDB88320; slicing[k][b] is the
    // register contribution of byte b followed by k zero bytes.
    std::uint32_t slicing[16][256];

    // shiftLane[k][b]: byte b at byte position k of the register, moved past
    // kCrc32LaneBytes zero bytes; joins the lanes of the portable fold.
    std::uint32_t shiftLane[4][256];

    // Carry-less multiply constants that move a 128-bit chunk forward by 16 * n bytes
    // (n = 1..16): low qword (x^(128n+63) mod P) << 32, high qword (x^(128n-1) mod P) << 32,
    // in the reflected bit order of the register.
    std::uint64_t foldForward[17][2];

    // Fills every member from the polynomial.
    void Build() noexcept;
};

// The portable fold runs four independent lanes of this many bytes side by side.
inline constexpr std::size_t kCrc32LaneBytes = 256;

// x^power mod P in the register's reflected bit order.
[[nodiscard]] std::uint32_t Crc32PowerOfX(const std::uint32_t table[256], std::uint64_t power) noexcept;

using Crc32FoldFunction = std::uint32_t (*)(const Crc32Tables& tables, std::uint32_t reg, const unsigned char* data,
                                            std::size_t length) noexcept;

// The folds: each returns the register after `length` bytes (no complement).
[[nodiscard]] std::uint32_t Crc32FoldTable(const Crc32Tables& tables, std::uint32_t reg, const unsigned char* data,
                                           std::size_t length) noexcept;
[[nodiscard]] std::uint32_t Crc32FoldSlicing16(const Crc32Tables& tables, std::uint32_t reg,
                                               const unsigned char* data, std::size_t length) noexcept;
#if defined(__x86_64__)
[[nodiscard]] std::uint32_t Crc32FoldPclmul(const Crc32Tables& tables, std::uint32_t reg, const unsigned char* data,
                                            std::size_t length) noexcept;
[[nodiscard]] std::uint32_t Crc32FoldVpclmul(const Crc32Tables& tables, std::uint32_t reg,
                                             const unsigned char* data, std::size_t length) noexcept;
#endif

// The register after 16 bytes folded into a zero register (the end of the vector folds).
[[nodiscard]] std::uint32_t Crc32Reduce16(const Crc32Tables& tables, const unsigned char bytes[16]) noexcept;
