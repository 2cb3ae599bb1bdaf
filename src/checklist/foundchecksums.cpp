#include "foundchecksums.h"

#include "hextext.h"

#include <atomic>
#include <new>

namespace {

std::uint8_t Load(const std::uint8_t& byte, std::memory_order order) noexcept
{
    return std::atomic_ref<std::uint8_t>(const_cast<std::uint8_t&>(byte)).load(order);
}

void Store(std::uint8_t& byte, std::uint8_t value, std::memory_order order) noexcept
{
    std::atomic_ref<std::uint8_t>(byte).store(value, order);
}

}  // namespace

void FoundChecksums::Reset(std::size_t rows, std::size_t maxBytes)
{
    m_slots.reset();
    m_rows = 0;
    m_width = maxBytes > 255 ? 255 : maxBytes;
    if (rows == 0) {
        return;
    }
    auto* slots = static_cast<std::uint8_t*>(std::calloc(rows, m_width + 1));
    if (slots == nullptr) {
        throw std::bad_alloc();
    }
    m_slots.reset(slots);
    m_rows = rows;
}

void FoundChecksums::Set(std::size_t row, std::string_view hexText) noexcept
{
    if (row >= m_rows) {
        return;
    }
    std::uint8_t* slot = Slot(row);
    Store(slot[0], 0, std::memory_order_relaxed);
    const std::size_t length = hexText.size() / 2;
    if (hexText.size() % 2 != 0 || length > m_width || length == 0) {
        return;
    }
    for (std::size_t i = 0; i < length; ++i) {
        const int byte = HexByteValue(hexText[2 * i], hexText[2 * i + 1]);
        if (byte < 0) {
            return;
        }
        Store(slot[1 + i], static_cast<std::uint8_t>(byte), std::memory_order_relaxed);
    }
    Store(slot[0], static_cast<std::uint8_t>(length), std::memory_order_release);
}

void FoundChecksums::Clear(std::size_t row) noexcept
{
    if (row < m_rows) {
        Store(Slot(row)[0], 0, std::memory_order_release);
    }
}

std::string FoundChecksums::Get(std::size_t row) const
{
    std::string text;
    if (row >= m_rows) {
        return text;
    }
    const std::uint8_t* slot = Slot(row);
    const std::size_t length = Load(slot[0], std::memory_order_acquire);
    text.reserve(2 * length);
    for (std::size_t i = 0; i < length; ++i) {
        AppendHexByte(text, Load(slot[1 + i], std::memory_order_relaxed));
    }
    return text;
}
