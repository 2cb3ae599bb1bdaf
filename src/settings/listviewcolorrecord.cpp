#include "listviewcolorrecord.h"

#include "recordbytes.h"

std::array<std::uint8_t, ListViewColorRecord::kSize> ListViewColorRecord::ToBytes() const
{
    std::array<std::uint8_t, kSize> bytes{};
    PutUInt32(bytes, 0, firstColour);
    PutUInt32(bytes, 4, secondColour);
    return bytes;
}

ListViewColorRecord ListViewColorRecord::FromBytes(std::span<const std::uint8_t, kSize> bytes)
{
    ListViewColorRecord record;
    record.firstColour = GetUInt32(bytes, 0);
    record.secondColour = GetUInt32(bytes, 4);
    return record;
}
