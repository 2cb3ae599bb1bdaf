#pragma once

#include <QColor>

#include <cstdint>

// Colours are stored as COLORREF values, 0x00BBGGRR (red in the lowest byte).
[[nodiscard]] QColor ColourFromColorRef(std::uint32_t colorRef);
[[nodiscard]] std::uint32_t ColorRefFromColour(const QColor& colour);
