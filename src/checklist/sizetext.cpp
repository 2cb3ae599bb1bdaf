#include "sizetext.h"

#include "listtypes.h"

#include <cstdio>

namespace {

// The size display factors are the single-precision values nearest to 10^-6 and
// 10^-9; the product is taken in double. This is why 999,999,998 bytes read
// "1000.00 MB" and 999,999,999 bytes read "1.00 GB".
constexpr float kMegaFactor = 1e-6f;
constexpr float kGigaFactor = 1e-9f;

constexpr std::uint64_t kLargestByteText = 1024;
constexpr std::uint64_t kFirstMegabyteSize = 1'000'000;
constexpr std::uint64_t kFirstGigabyteSize = 999'999'999;

// The decimal digits of `value` with a comma before every group of three from the right.
std::string GroupDigits(std::uint64_t value)
{
    const std::string digits = std::to_string(value);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            grouped.push_back(',');
        }
        grouped.push_back(digits[i]);
    }
    return grouped;
}

std::string FormatScaled(std::uint64_t size, float factor, const char* unit)
{
    const double scaled = static_cast<double>(size) * static_cast<double>(factor);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f %s", scaled, unit);
    return buffer;
}

std::string KilobyteText(std::uint64_t size)
{
    return GroupDigits(size / 1024) + " KB";
}

}  // namespace

std::string FormatSizeText(std::uint64_t size, int sizeType)
{
    if (sizeType == kSizeTypeAuto) {
        if (size <= kLargestByteText) {
            return std::to_string(size) + " bytes";
        }
        if (size < kFirstMegabyteSize) {
            return KilobyteText(size);
        }
        if (size < kFirstGigabyteSize) {
            return FormatScaled(size, kMegaFactor, "MB");
        }
        return FormatScaled(size, kGigaFactor, "GB");
    }
    if (sizeType == kSizeTypeKB) {
        return KilobyteText(size < 1024 ? 1024 : size);
    }
    return GroupDigits(size);
}
