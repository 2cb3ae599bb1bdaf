#include "fontrecord.h"

#include "recordbytes.h"

#include <cstdlib>
#include <utility>

namespace {

constexpr std::size_t kFaceNameOffset = 32;
constexpr std::size_t kHandleOffset = 64;

// number * numerator / denominator rounded half away from zero, with a 64-bit
// intermediate; -1 for a zero denominator or a result beyond 32 bits, as the
// platform's MulDiv does.
int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(number) * numerator;
    const long long divisor = denominator;
    const long long magnitude = (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
    const long long result = ((product < 0) != (divisor < 0)) ? -magnitude : magnitude;
    if (result > 2147483647LL || result < -2147483647LL) {
        return -1;
    }
    return static_cast<int>(result);
}

} // namespace

std::string FitFaceName(std::string_view face)
{
    const std::size_t zero = face.find('\0');
    if (zero != std::string_view::npos) {
        face = face.substr(0, zero);
    }
    std::size_t length = face.size();
    if (length > FontRecord::kFaceNameSize - 1) {
        length = FontRecord::kFaceNameSize - 1;
        // Back up while the first byte cut off continues a UTF-8 sequence.
        while (length > 0 && (static_cast<unsigned char>(face[length]) & 0xC0u) == 0x80u) {
            --length;
        }
    }
    return std::string(face.substr(0, length));
}

std::array<std::uint8_t, FontRecord::kSize> FontRecord::ToBytes() const
{
    std::array<std::uint8_t, kSize> bytes{};
    PutUInt32(bytes, 0, colour);
    PutInt32(bytes, 4, logFont.lfHeight);
    PutInt32(bytes, 8, logFont.lfWidth);
    PutInt32(bytes, 12, logFont.lfEscapement);
    PutInt32(bytes, 16, logFont.lfOrientation);
    PutInt32(bytes, 20, logFont.lfWeight);
    bytes[24] = logFont.lfItalic;
    bytes[25] = logFont.lfUnderline;
    bytes[26] = logFont.lfStrikeOut;
    bytes[27] = logFont.lfCharSet;
    bytes[28] = logFont.lfOutPrecision;
    bytes[29] = logFont.lfClipPrecision;
    bytes[30] = logFont.lfQuality;
    bytes[31] = logFont.lfPitchAndFamily;
    const std::string face = FitFaceName(logFont.lfFaceName);
    for (std::size_t i = 0; i < face.size(); ++i) {
        bytes[kFaceNameOffset + i] = static_cast<std::uint8_t>(face[i]);
    }
    PutUInt32(bytes, kHandleOffset, 0);
    return bytes;
}

FontRecord FontRecord::FromBytes(std::span<const std::uint8_t, kSize> bytes)
{
    FontRecord record;
    record.colour = GetUInt32(bytes, 0);
    record.logFont.lfHeight = GetInt32(bytes, 4);
    record.logFont.lfWidth = GetInt32(bytes, 8);
    record.logFont.lfEscapement = GetInt32(bytes, 12);
    record.logFont.lfOrientation = GetInt32(bytes, 16);
    record.logFont.lfWeight = GetInt32(bytes, 20);
    record.logFont.lfItalic = bytes[24];
    record.logFont.lfUnderline = bytes[25];
    record.logFont.lfStrikeOut = bytes[26];
    record.logFont.lfCharSet = bytes[27];
    record.logFont.lfOutPrecision = bytes[28];
    record.logFont.lfClipPrecision = bytes[29];
    record.logFont.lfQuality = bytes[30];
    record.logFont.lfPitchAndFamily = bytes[31];
    // The name ends at its zero byte; a name without one ends with the field.
    std::string face;
    for (std::size_t i = kFaceNameOffset; i < kHandleOffset && bytes[i] != 0; ++i) {
        face.push_back(static_cast<char>(bytes[i]));
    }
    record.logFont.lfFaceName = std::move(face);
    return record;
}

FontRecord DefaultFontRecord(int dpi)
{
    FontRecord record;
    record.colour = 0;
    record.logFont.lfHeight = -MulDiv(9, dpi, 72);
    record.logFont.lfWeight = 400;
    record.logFont.lfCharSet = 0;      // ANSI_CHARSET
    record.logFont.lfOutPrecision = 4; // OUT_TT_PRECIS
    record.logFont.lfFaceName = "Tahoma";
    return record;
}
