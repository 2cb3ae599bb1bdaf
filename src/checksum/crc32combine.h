#pragma once

#include <cstdint>

// Joining CRC-32 registers of consecutive pieces. The register update is linear over
// GF(2): the register after A then B is the register after A moved past |B| zero
// bytes (a multiplication by x^(8|B|) mod P) XOR the register of B folded from 0.

// a * b mod P, both polynomials in the register's reflected bit order.
[[nodiscard]] std::uint32_t Crc32MultiplyModP(std::uint32_t a, std::uint32_t b) noexcept;

// x^(8 * bytes) mod P, by repeated squaring (a few dozen multiplications at most).
[[nodiscard]] std::uint32_t Crc32PowerOfXForBytes(std::uint64_t bytes) noexcept;

// The register after A then B, from the register after A (whatever it started from)
// and the register of B alone folded into a zero register.
[[nodiscard]] std::uint32_t Crc32Combine(std::uint32_t registerAfterA, std::uint32_t registerOfBFromZero,
                                         std::uint64_t lengthOfB) noexcept;
