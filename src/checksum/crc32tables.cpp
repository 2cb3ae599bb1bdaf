#include "crc32tables.h"

namespace {

constexpr std::uint32_t kPolynomial = 0xEDB88320u;  // reflected 0x04C11DB7

// value * x^power mod P.
std::uint32_t MultiplyByPowerOfX(const std::uint32_t table[256], std::uint32_t value, std::uint64_t power) noexcept
{
    for (; power >= 8; power -= 8) {
        value = (value >> 8) ^ table[value & 0xFFu];  // a zero byte multiplies by x^8
    }
    for (; power > 0; --power) {
        value = (value >> 1) ^ ((value & 1u) != 0 ? kPolynomial : 0u);
    }
    return value;
}

}  // namespace

std::uint32_t Crc32PowerOfX(const std::uint32_t table[256], std::uint64_t power) noexcept
{
    return MultiplyByPowerOfX(table, 0x80000000u, power);  // x^0: the register's top bit is the lowest degree
}

void Crc32Tables::Build() noexcept
{
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1u) != 0 ? (c >> 1) ^ kPolynomial : c >> 1;
        }
        slicing[0][n] = c;
    }
    for (int k = 1; k < 16; ++k) {
        for (int n = 0; n < 256; ++n) {
            const std::uint32_t previous = slicing[k - 1][n];
            slicing[k][n] = (previous >> 8) ^ slicing[0][previous & 0xFFu];
        }
    }
    // Moving the register past zero bytes is linear: build each table from the moved bits.
    std::uint32_t movedBit[32];
    for (int bit = 0; bit < 32; ++bit) {
        movedBit[bit] = MultiplyByPowerOfX(slicing[0], std::uint32_t{1} << bit, 8 * kCrc32LaneBytes);
    }
    for (int k = 0; k < 4; ++k) {
        for (int n = 0; n < 256; ++n) {
            std::uint32_t moved = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if ((n >> bit & 1) != 0) {
                    moved ^= movedBit[8 * k + bit];
                }
            }
            shiftLane[k][n] = moved;
        }
    }

    foldForward[0][0] = 0;
    foldForward[0][1] = 0;
    for (std::uint64_t n = 1; n <= 16; ++n) {
        foldForward[n][0] = std::uint64_t{Crc32PowerOfX(slicing[0], 128 * n + 63)} << 32;
        foldForward[n][1] = std::uint64_t{Crc32PowerOfX(slicing[0], 128 * n - 1)} << 32;
    }
}
