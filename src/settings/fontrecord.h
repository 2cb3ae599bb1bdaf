#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The font part of the "Font" record, shaped like the platform's LOGFONTA.
struct LogFont {
    std::int32_t lfHeight = 0;
    std::int32_t lfWidth = 0;
    std::int32_t lfEscapement = 0;
    std::int32_t lfOrientation = 0;
    std::int32_t lfWeight = 0;
    std::uint8_t lfItalic = 0;
    std::uint8_t lfUnderline = 0;
    std::uint8_t lfStrikeOut = 0;
    std::uint8_t lfCharSet = 0;
    std::uint8_t lfOutPrecision = 0;
    std::uint8_t lfClipPrecision = 0;
    std::uint8_t lfQuality = 0;
    std::uint8_t lfPitchAndFamily = 0;
    // UTF-8; stored in 32 bytes with a terminating zero, so at most 31 bytes survive.
    std::string lfFaceName;

    friend bool operator==(const LogFont&, const LogFont&) = default;
};

// The list font and the list text colour, stored as the 68-byte "Font" record:
// colour (COLORREF 0x00BBGGRR), the LOGFONTA fields, the 32-byte face name and a
// 4-byte font handle that means nothing outside the program that wrote it (written
// as 0, ignored on read). Integers are little-endian.
struct FontRecord {
    static constexpr std::size_t kSize = 68;
    static constexpr std::size_t kFaceNameSize = 32;

    std::uint32_t colour = 0;
    LogFont logFont;

    [[nodiscard]] std::array<std::uint8_t, kSize> ToBytes() const;
    [[nodiscard]] static FontRecord FromBytes(std::span<const std::uint8_t, kSize> bytes);

    friend bool operator==(const FontRecord&, const FontRecord&) = default;
};

// The default list font: black, Tahoma, 9 points at `dpi` pixels per logical inch,
// weight 400, ANSI character set, TrueType output precision.
[[nodiscard]] FontRecord DefaultFontRecord(int dpi = 96);

// `face` cut to the longest prefix of at most 31 bytes that ends neither inside a
// UTF-8 sequence nor after an embedded zero byte.
[[nodiscard]] std::string FitFaceName(std::string_view face);
