#pragma once

#include <QColor>

#include <cstdint>

// Colours are stored as COLORREF values, 0x00BBGGRR (red in the lowest byte).
// kColorRefDefault (0xFF000000) is the "automatic" colour: no colour of its own.
inline constexpr std::uint32_t kColorRefDefault = 0xFF000000u;

[[nodiscard]] QColor ColourFromColorRef(std::uint32_t colorRef);
[[nodiscard]] std::uint32_t ColorRefFromColour(const QColor& colour);
[[nodiscard]] constexpr std::uint32_t ColorRefFromRgb(int red, int green, int blue) noexcept
{
    return static_cast<std::uint32_t>(red & 0xFF) | (static_cast<std::uint32_t>(green & 0xFF) << 8) |
           (static_cast<std::uint32_t>(blue & 0xFF) << 16);
}
