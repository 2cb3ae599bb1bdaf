#include "rowtexts.h"

#include <stdexcept>

void RowTexts::Reserve(std::size_t rows, std::size_t bytes)
{
    m_text.reserve(bytes);
    m_starts.reserve(rows);
    m_nameLengths.reserve(rows);
    m_blockStarts.reserve((rows >> kBlockShift) + 1);
}

void RowTexts::Append(std::string_view name, std::string_view checksum)
{
    const std::size_t row = m_starts.size();
    const std::size_t start = m_text.size();
    if ((row & ((std::size_t{1} << kBlockShift) - 1)) == 0) {
        m_blockStarts.push_back(start);
    }
    const std::size_t fromBlock = start - m_blockStarts.back();
    if (fromBlock > UINT32_MAX) {
        // A block's rows are at most 65,536 lines of a list; only lines far beyond any
        // path's length could get here.
        throw std::length_error("list rows too long");
    }
    m_text.append(name);
    m_text.append(checksum);
    m_starts.push_back(static_cast<std::uint32_t>(fromBlock));
    if (name.size() >= kLongName) {
        m_longNames.emplace(row, name.size());
        m_nameLengths.push_back(kLongName);
    } else {
        m_nameLengths.push_back(static_cast<std::uint16_t>(name.size()));
    }
}

void RowTexts::Clear() noexcept
{
    m_text.clear();
    m_blockStarts.clear();
    m_starts.clear();
    m_nameLengths.clear();
    m_longNames.clear();
}

std::size_t RowTexts::Start(std::size_t row) const noexcept
{
    return m_blockStarts[row >> kBlockShift] + m_starts[row];
}

std::size_t RowTexts::End(std::size_t row) const noexcept
{
    return row + 1 < m_starts.size() ? Start(row + 1) : m_text.size();
}

std::size_t RowTexts::NameLength(std::size_t row) const noexcept
{
    const std::uint16_t length = m_nameLengths[row];
    return length == kLongName ? m_longNames.at(row) : length;
}

std::string_view RowTexts::Name(std::size_t row) const noexcept
{
    return std::string_view(m_text).substr(Start(row), NameLength(row));
}

std::string_view RowTexts::Checksum(std::size_t row) const noexcept
{
    const std::size_t nameEnd = Start(row) + NameLength(row);
    return std::string_view(m_text).substr(nameEnd, End(row) - nameEnd);
}
