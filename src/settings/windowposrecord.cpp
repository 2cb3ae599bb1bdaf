#include "windowposrecord.h"

#include "recordbytes.h"

std::array<std::uint8_t, WindowPosRecord::kSize> WindowPosRecord::ToBytes() const
{
    std::array<std::uint8_t, kSize> bytes{};
    PutInt32(bytes, 0, maximized);
    PutInt32(bytes, 4, savePosition);
    PutInt32(bytes, 8, left);
    PutInt32(bytes, 12, top);
    PutInt32(bytes, 16, right);
    PutInt32(bytes, 20, bottom);
    return bytes;
}

WindowPosRecord WindowPosRecord::FromBytes(std::span<const std::uint8_t, kSize> bytes)
{
    WindowPosRecord record;
    record.maximized = GetInt32(bytes, 0);
    record.savePosition = GetInt32(bytes, 4);
    record.left = GetInt32(bytes, 8);
    record.top = GetInt32(bytes, 12);
    record.right = GetInt32(bytes, 16);
    record.bottom = GetInt32(bytes, 20);
    return record;
}
