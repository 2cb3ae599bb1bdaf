#include "expectedchecksums.h"

#include <algorithm>
#include <utility>

void ExpectedChecksums::Reset(std::size_t presize, std::size_t growBy)
{
    m_growBy = std::max<std::size_t>(growBy, 1);
    m_texts.clear();
    m_texts.resize(presize);
}

void ExpectedChecksums::SetAt(std::size_t index, std::string text)
{
    if (index >= m_texts.size()) {
        m_texts.resize(std::max(index + 1, m_texts.size() + m_growBy));
    }
    m_texts[index] = std::move(text);
}

const std::string& ExpectedChecksums::At(std::size_t index) const
{
    static const std::string empty;
    return index < m_texts.size() ? m_texts[index] : empty;
}
