#include "rowreaderrors.h"

#include <cstring>

void RowReadErrors::Reset() noexcept
{
    const std::lock_guard lock(m_mutex);
    m_errors.clear();
    m_any.store(false, std::memory_order_release);
}

void RowReadErrors::Set(std::size_t row, int error)
{
    if (error == 0) {
        Clear(row);
        return;
    }
    const std::lock_guard lock(m_mutex);
    m_errors[row] = error;
    m_any.store(true, std::memory_order_release);
}

void RowReadErrors::Clear(std::size_t row) noexcept
{
    if (!m_any.load(std::memory_order_acquire)) {
        return;
    }
    const std::lock_guard lock(m_mutex);
    m_errors.erase(row);
    m_any.store(!m_errors.empty(), std::memory_order_release);
}

int RowReadErrors::Get(std::size_t row) const noexcept
{
    if (!m_any.load(std::memory_order_acquire)) {
        return 0;
    }
    const std::lock_guard lock(m_mutex);
    const auto found = m_errors.find(row);
    return found != m_errors.end() ? found->second : 0;
}

std::vector<std::size_t> RowReadErrors::Rows() const
{
    std::vector<std::size_t> rows;
    if (!m_any.load(std::memory_order_acquire)) {
        return rows;
    }
    const std::lock_guard lock(m_mutex);
    rows.reserve(m_errors.size());
    for (const auto& [row, error] : m_errors) {
        rows.push_back(row);
    }
    return rows;
}

std::string ErrorText(int error)
{
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be in `buffer`.
    return ::strerror_r(error, buffer, sizeof buffer);
}
