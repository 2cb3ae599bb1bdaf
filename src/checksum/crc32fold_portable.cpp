// The portable CRC-32 folds: the plain byte-at-a-time table loop, and slicing-by-16,
// which takes sixteen bytes per step through sixteen tables and runs four lanes of
// the input side by side.
#include "crc32tables.h"

#include <bit>
#include <cstring>

namespace {

inline std::uint32_t LoadLittleEndian32(const unsigned char* p) noexcept
{
    std::uint32_t value;
    std::memcpy(&value, p, sizeof value);
    if constexpr (std::endian::native == std::endian::big) {
        value = __builtin_bswap32(value);
    }
    return value;
}

// Sixteen bytes into the register through the sixteen tables; the twelve bytes that
// do not meet the register are table indexes straight from memory.
inline std::uint32_t Step16(const std::uint32_t (&t)[16][256], std::uint32_t reg, const unsigned char* data) noexcept
{
    const std::uint32_t low = LoadLittleEndian32(data) ^ reg;
    return t[15][low & 0xFFu] ^ t[14][(low >> 8) & 0xFFu] ^ t[13][(low >> 16) & 0xFFu] ^ t[12][low >> 24] ^
           t[11][data[4]] ^ t[10][data[5]] ^ t[9][data[6]] ^ t[8][data[7]] ^
           t[7][data[8]] ^ t[6][data[9]] ^ t[5][data[10]] ^ t[4][data[11]] ^
           t[3][data[12]] ^ t[2][data[13]] ^ t[1][data[14]] ^ t[0][data[15]];
}

// The register moved past one lane of zero bytes.
inline std::uint32_t ShiftLane(const Crc32Tables& tables, std::uint32_t reg) noexcept
{
    const auto& s = tables.shiftLane;
    return s[0][reg & 0xFFu] ^ s[1][(reg >> 8) & 0xFFu] ^ s[2][(reg >> 16) & 0xFFu] ^ s[3][reg >> 24];
}

}  // namespace

std::uint32_t Crc32FoldTable(const Crc32Tables& tables, std::uint32_t reg, const unsigned char* data,
                             std::size_t length) noexcept
{
    const std::uint32_t* table = tables.slicing[0];
    for (std::size_t i = 0; i < length; ++i) {
        reg = (reg >> 8) ^ table[(reg ^ data[i]) & 0xFFu];
    }
    return reg;
}

std::uint32_t Crc32FoldSlicing16(const Crc32Tables& tables, std::uint32_t reg, const unsigned char* data,
                                 std::size_t length) noexcept
{
    const auto& t = tables.slicing;
    // Four lanes side by side keep the loads of four independent registers in flight;
    // the lanes are joined by moving each register past the lanes after it.
    constexpr std::size_t kLane = kCrc32LaneBytes;
    while (length >= 4 * kLane) {
        std::uint32_t r0 = reg;
        std::uint32_t r1 = 0;
        std::uint32_t r2 = 0;
        std::uint32_t r3 = 0;
        for (std::size_t offset = 0; offset < kLane; offset += 16) {
            r0 = Step16(t, r0, data + offset);
            r1 = Step16(t, r1, data + kLane + offset);
            r2 = Step16(t, r2, data + 2 * kLane + offset);
            r3 = Step16(t, r3, data + 3 * kLane + offset);
        }
        reg = ShiftLane(tables, ShiftLane(tables, ShiftLane(tables, r0) ^ r1) ^ r2) ^ r3;
        data += 4 * kLane;
        length -= 4 * kLane;
    }
    while (length >= 16) {
        reg = Step16(t, reg, data);
        data += 16;
        length -= 16;
    }
    return Crc32FoldTable(tables, reg, data, length);
}

std::uint32_t Crc32Reduce16(const Crc32Tables& tables, const unsigned char bytes[16]) noexcept
{
    return Crc32FoldSlicing16(tables, 0, bytes, 16);
}
