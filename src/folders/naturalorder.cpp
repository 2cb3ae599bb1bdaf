#include "naturalorder.h"

#include <cstddef>

namespace {

bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

unsigned char Folded(char c) noexcept
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

// Compares the digit runs starting at i and j by value (leading zeros ignored) and
// moves both past their runs.
int CompareNumbers(std::string_view a, std::size_t& i, std::string_view b, std::size_t& j) noexcept
{
    while (i < a.size() && a[i] == '0' && i + 1 < a.size() && IsDigit(a[i + 1])) {
        ++i;
    }
    while (j < b.size() && b[j] == '0' && j + 1 < b.size() && IsDigit(b[j + 1])) {
        ++j;
    }
    std::size_t endA = i;
    std::size_t endB = j;
    while (endA < a.size() && IsDigit(a[endA])) {
        ++endA;
    }
    while (endB < b.size() && IsDigit(b[endB])) {
        ++endB;
    }
    int result = 0;
    if (endA - i != endB - j) {
        result = endA - i < endB - j ? -1 : 1;
    } else {
        const int digits = a.substr(i, endA - i).compare(b.substr(j, endB - j));
        result = digits < 0 ? -1 : (digits > 0 ? 1 : 0);
    }
    i = endA;
    j = endB;
    return result;
}

}  // namespace

int CompareNatural(std::string_view a, std::string_view b) noexcept
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            if (const int numbers = CompareNumbers(a, i, b, j); numbers != 0) {
                return numbers;
            }
            continue;
        }
        const unsigned char x = Folded(a[i]);
        const unsigned char y = Folded(b[j]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    const int bytes = a.compare(b);
    return bytes < 0 ? -1 : (bytes > 0 ? 1 : 0);
}
