#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The names and expected checksums of a list's rows, held compactly: every row's name
// and checksum lie one after the other in one buffer, and a row costs six bytes of
// bookkeeping besides its text (a 32-bit start within its block of rows and a 16-bit
// name length; a name of 64 KiB or more keeps its length aside). A list of millions of
// tiny entries so needs little more memory than the list file itself.
class RowTexts {
public:
    // Room for `rows` rows and `bytes` bytes of text. Only a hint: the room is taken
    // from the system as it is filled, so a generous hint costs no memory.
    void Reserve(std::size_t rows, std::size_t bytes);
    void Append(std::string_view name, std::string_view checksum);
    void Clear() noexcept;

    [[nodiscard]] std::size_t Size() const noexcept { return m_starts.size(); }
    [[nodiscard]] bool Empty() const noexcept { return m_starts.empty(); }
    // Row `row`'s texts; `row` must be below Size().
    [[nodiscard]] std::string_view Name(std::size_t row) const noexcept;
    [[nodiscard]] std::string_view Checksum(std::size_t row) const noexcept;

private:
    static constexpr unsigned kBlockShift = 16;            // rows per block: 65,536
    static constexpr std::uint16_t kLongName = 0xFFFF;     // the length is in m_longNames

    [[nodiscard]] std::size_t Start(std::size_t row) const noexcept;
    [[nodiscard]] std::size_t End(std::size_t row) const noexcept;
    [[nodiscard]] std::size_t NameLength(std::size_t row) const noexcept;

    std::string m_text;                                  // name, checksum, name, checksum...
    std::vector<std::uint64_t> m_blockStarts;            // where each block's text starts
    std::vector<std::uint32_t> m_starts;                 // row start, from its block's start
    std::vector<std::uint16_t> m_nameLengths;
    std::unordered_map<std::size_t, std::size_t> m_longNames;  // row -> name length
};
