#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Checksums and stored records are written in upper-case hexadecimal.
inline constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

// The value of a hex digit of either case, or -1.
[[nodiscard]] constexpr int HexDigitValue(char digit) noexcept
{
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

// The byte spelled by the two hex digits `high` and `low`, or -1.
[[nodiscard]] constexpr int HexByteValue(char high, char low) noexcept
{
    const int h = HexDigitValue(high);
    const int l = HexDigitValue(low);
    return (h < 0 || l < 0) ? -1 : h * 16 + l;
}

// Appends the byte as two upper-case hex digits, high digit first.
inline void AppendHexByte(std::string& text, std::uint8_t byte)
{
    text.push_back(kUpperHexDigits[byte >> 4]);
    text.push_back(kUpperHexDigits[byte & 0x0Fu]);
}

// Eight upper-case hex digits with leading zeros: the text form of a CRC-32 ("%08X").
[[nodiscard]] inline std::array<char, 8> Crc32Text(std::uint32_t crc) noexcept
{
    std::array<char, 8> text{};
    for (std::size_t i = text.size(); i-- > 0;) {
        text[i] = kUpperHexDigits[crc & 0xFu];
        crc >>= 4;
    }
    return text;
}
