#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The two row colours of the checksum list (COLORREF 0x00BBGGRR), stored as the
// 8-byte "ListViewColor" record, little-endian.
struct ListViewColorRecord {
    static constexpr std::size_t kSize = 8;

    std::uint32_t firstColour = 0xFCFBFA;  // rows of odd index (1, 3, 5, ...)
    std::uint32_t secondColour = 0xFAF3F0; // rows of even index (0, 2, 4, ...)

    [[nodiscard]] std::array<std::uint8_t, kSize> ToBytes() const;
    [[nodiscard]] static ListViewColorRecord FromBytes(std::span<const std::uint8_t, kSize> bytes);

    friend bool operator==(const ListViewColorRecord&, const ListViewColorRecord&) = default;
};
