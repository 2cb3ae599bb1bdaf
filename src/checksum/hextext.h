#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Checksums and stored records are written in upper-case hexadecimal.
inline constexpr char kUpperHexDigits[] = "0123456789ABCDEF";

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
