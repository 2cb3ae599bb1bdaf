#include "crc32combine.h"

#include <array>

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;  // reflected 0x04C11DB7
constexpr std::uint32_t kOne = 0x80000000u;         // x^0: the top bit is the lowest degree

// x^(2^k) mod P for k = 0..63.
std::array<std::uint32_t, 64> PowersOfTwoPowers() noexcept
{
    std::array<std::uint32_t, 64> powers{};
    powers[0] = kOne >> 1;  // x^1
    for (std::size_t k = 1; k < powers.size(); ++k) {
        powers[k] = Crc32MultiplyModP(powers[k - 1], powers[k - 1]);
    }
    return powers;
}

}  // namespace

std::uint32_t Crc32MultiplyModP(std::uint32_t a, std::uint32_t b) noexcept
{
    std::uint32_t product = 0;
    for (std::uint32_t bit = kOne; bit != 0; bit >>= 1) {
        if ((a & bit) != 0) {
            product ^= b;
        }
        b = (b & 1u) != 0 ? (b >> 1) ^ kPolynomial : b >> 1;  // b * x
    }
    return product;
}

std::uint32_t Crc32PowerOfXForBytes(std::uint64_t bytes) noexcept
{
    static const std::array<std::uint32_t, 64> kPowers = PowersOfTwoPowers();
    std::uint32_t result = kOne;
    // x^(8n) = product of x^(2^(k+3)) over the set bits k of n.
    for (std::size_t k = 3; bytes != 0 && k < kPowers.size(); ++k, bytes >>= 1) {
        if ((bytes & 1u) != 0) {
            result = Crc32MultiplyModP(result, kPowers[k]);
        }
    }
    return result;
}

std::uint32_t Crc32Combine(std::uint32_t registerAfterA, std::uint32_t registerOfBFromZero,
                           std::uint64_t lengthOfB) noexcept
{
    return Crc32MultiplyModP(registerAfterA, Crc32PowerOfXForBytes(lengthOfB)) ^ registerOfBFromZero;
}
