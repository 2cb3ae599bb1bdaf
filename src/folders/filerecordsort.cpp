#include "filerecordsort.h"

#include "naturalorder.h"

#include <algorithm>
#include <numeric>

bool CompareByName(const FileRecord& a, const FileRecord& b) noexcept
{
    return CompareNatural(a.name, b.name) < 0;
}

bool CompareBySize(const FileRecord& a, const FileRecord& b) noexcept
{
    return a.size < b.size;
}

bool CompareByDate(const FileRecord& a, const FileRecord& b) noexcept
{
    // std::string compares its chars as unsigned bytes (char_traits<char>::lt).
    return a.dateText < b.dateText;
}

std::optional<std::vector<std::size_t>> SortFileRecords(std::vector<FileRecord>& records, int column, bool descending)
{
    bool (*less)(const FileRecord&, const FileRecord&) noexcept = nullptr;
    switch (column) {
    case static_cast<int>(FileColumn::Name): less = CompareByName; break;
    case static_cast<int>(FileColumn::Size): less = CompareBySize; break;
    case static_cast<int>(FileColumn::Date): less = CompareByDate; break;
    default: return std::nullopt;
    }
    // Sort row numbers, then move the records once into their new places.
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&records, less, descending](std::size_t x, std::size_t y) {
        return descending ? less(records[y], records[x]) : less(records[x], records[y]);
    });
    std::vector<FileRecord> sorted;
    sorted.reserve(records.size());
    for (const std::size_t from : order) {
        sorted.push_back(std::move(records[from]));
    }
    records = std::move(sorted);
    return order;
}
