#pragma once

#include <cstdint>

// Entries of the pop-up palette: a cell index 0..39, or one of these.
inline constexpr int kNoSwatchEntry = -1;
inline constexpr int kCustomSwatchEntry = -2;   // "More Colours..."
inline constexpr int kDefaultSwatchEntry = -3;  // "Automatic"

enum class SwatchKey { Left, Up, Right, Down };

// Which text entries the pop-up shows (an entry is present when its text is not empty).
struct SwatchEntries {
    bool hasDefault = true;
    bool hasCustom = true;
};

// The entry an arrow key moves to. Cells run row by row; stepping off either end of
// the cells goes to the text entries, falling through the absent ones.
[[nodiscard]] int NextSwatchEntry(int from, SwatchKey key, SwatchEntries entries);

// The entry that holds a colour when the pop-up opens: "Automatic" for the automatic
// colour, else the first cell of exactly that colour, else "More Colours...", else none.
[[nodiscard]] int ChosenSwatchEntry(std::uint32_t colorRef, SwatchEntries entries);
