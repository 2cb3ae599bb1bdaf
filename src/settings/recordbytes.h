#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian 32-bit fields of the binary settings records. The records are built
// byte by byte so their stored form never depends on the compiler's struct layout.

inline void PutUInt32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value)
{
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFFu);
    bytes[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFFu);
    bytes[offset + 2] = static_cast<std::uint8_t>((value >> 16) & 0xFFu);
    bytes[offset + 3] = static_cast<std::uint8_t>((value >> 24) & 0xFFu);
}

inline void PutInt32(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value)
{
    PutUInt32(bytes, offset, static_cast<std::uint32_t>(value));
}

[[nodiscard]] inline std::uint32_t GetUInt32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

[[nodiscard]] inline std::int32_t GetInt32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(GetUInt32(bytes, offset));
}
