#pragma once

#include <cstdint>
#include <string>

// The size text of a byte count under a size display mode (0 Auto, 1 KB, 2 Bytes;
// any other mode acts as 2).
[[nodiscard]] std::string FormatSizeText(std::uint64_t size, int sizeType);

// The text a row shows for a file that could not be opened.
inline constexpr const char* kNotFoundText = "Not Found.";

// A row's size text: the size's text when the file was found, else "Not Found.".
[[nodiscard]] inline std::string RowSizeText(bool found, std::uint64_t size, int sizeType)
{
    return found ? FormatSizeText(size, sizeType) : std::string(kNotFoundText);
}
