#pragma once

#include <string_view>

// The order of folder names in the tree: case-insensitive (ASCII letters) and natural,
// so that runs of digits compare by their value ("disc 2" before "disc 10"). Names
// equal under that rule are ordered by their bytes, so the order is total.
// Returns <0, 0 or >0.
[[nodiscard]] int CompareNatural(std::string_view a, std::string_view b) noexcept;
