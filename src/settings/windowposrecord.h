#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// The main window's placement, stored as the 24-byte "WindowPos" record: six
// little-endian 32-bit signed integers in this order.
struct WindowPosRecord {
    static constexpr std::size_t kSize = 24;

    std::int32_t maximized = 0;    // nonzero: the window was maximized when written
    std::int32_t savePosition = 0; // nonzero: apply the stored rectangle at start-up
    std::int32_t left = 0;         // window rectangle in screen coordinates
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    [[nodiscard]] std::array<std::uint8_t, kSize> ToBytes() const;
    [[nodiscard]] static WindowPosRecord FromBytes(std::span<const std::uint8_t, kSize> bytes);

    friend bool operator==(const WindowPosRecord&, const WindowPosRecord&) = default;
};
