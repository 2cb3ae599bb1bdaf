#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The growable array of expected checksum texts, indexed by row. A load empties it,
// sets the growth step and pre-sizes it, so ordinary lists load without reallocation.
class ExpectedChecksums {
public:
    void Reset(std::size_t presize, std::size_t growBy);
    // Stores `text` at `index`, growing by at least the growth step when needed.
    void SetAt(std::size_t index, std::string text);
    // The text at `index`; an index beyond the size gives an empty text.
    [[nodiscard]] const std::string& At(std::size_t index) const;
    [[nodiscard]] std::size_t Size() const noexcept { return m_texts.size(); }

private:
    std::vector<std::string> m_texts;
    std::size_t m_growBy = 1;
};
