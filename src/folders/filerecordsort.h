#pragma once

#include "filerecord.h"

#include <cstddef>
#include <optional>
#include <vector>

// The file list's sort columns.
enum class FileColumn { Name = 0, Size = 1, Date = 2 };

// The three ascending orders: true when a goes before b.
// Name: natural order (CompareNatural: ASCII case folded, digit runs by value, so
// "file 2" goes before "file 12").
[[nodiscard]] bool CompareByName(const FileRecord& a, const FileRecord& b) noexcept;
[[nodiscard]] bool CompareBySize(const FileRecord& a, const FileRecord& b) noexcept;
// Date: the date texts byte by byte (chronological to the minute).
[[nodiscard]] bool CompareByDate(const FileRecord& a, const FileRecord& b) noexcept;

// Sorts the records by a column (0 name, 1 size, 2 date), ascending or descending, and
// returns, for each new row, the row the record had before, so that a view can move
// its selection along. Any other column leaves the records alone and gives nothing.
[[nodiscard]] std::optional<std::vector<std::size_t>> SortFileRecords(std::vector<FileRecord>& records, int column,
                                                                      bool descending = false);
