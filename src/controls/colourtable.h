#pragma once

#include <QString>

#include <cstdint>

// The pop-up palette's 40 named colours, 8 to a row, in palette order.
inline constexpr int kSwatchColourCount = 40;
inline constexpr int kSwatchColumns = 8;

// The colour of palette cell 0..39 as 0x00BBGGRR.
[[nodiscard]] std::uint32_t SwatchColorRef(int index);
// The cell's name as shown in its tooltip, exactly as written ("Pale green " keeps its
// trailing blank).
[[nodiscard]] QString SwatchColourName(int index);
// The first cell holding exactly this colour, or -1.
[[nodiscard]] int FindSwatchColour(std::uint32_t colorRef);
