#pragma once

#include <string>
#include <string_view>

// Letter case by the ASCII rule only: checksums, extensions, tags and handler names are
// compared this way, and bytes of other scripts in names stay as they are.

[[nodiscard]] constexpr char AsciiLower(char c) noexcept
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

[[nodiscard]] constexpr char AsciiUpper(char c) noexcept
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

[[nodiscard]] inline std::string AsciiLowerCopy(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        c = AsciiLower(c);
    }
    return lower;
}

[[nodiscard]] inline std::string AsciiUpperCopy(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        c = AsciiUpper(c);
    }
    return upper;
}
