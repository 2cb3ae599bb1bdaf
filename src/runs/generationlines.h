#pragma once

#include "generationjob.h"
#include "listtypes.h"

#include <cstdint>
#include <optional>
#include <string>

class Crc32Engine;
class ProgressSink;
class ReadOnlyFile;
struct ChosenFile;

// Gathered lines go out when this much is waiting, and before any file of this size
// or more is read, so no finished line waits on a long read.
inline constexpr std::size_t kGatheredLinesLimit = 64 * 1024;
inline constexpr std::uint64_t kLongReadSize = 1024 * 1024;

// The run's total for progress: the chosen files' listed sizes.
[[nodiscard]] inline std::int64_t TotalBytesOf(const GenerationJob& job) noexcept
{
    const std::uint64_t total = job.chosen.totalSize;
    return total > static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<std::int64_t>(total);
}

// The entry line of one chosen file, `file` opened for it: its CRC-32 (SFV, through
// `engine`, whose table is built) or the digest of the kind's algorithm, plain or
// `tagged` (see DigestListEntryLine). Nothing, and `readError` holds the errno,
// when the file could not be opened or read whole. Reports progress per block like the
// engines: `bytesDone` is the running count they report.
[[nodiscard]] std::optional<std::string> ChecksumEntryLine(const ChosenFile& chosen, ReadOnlyFile& file, ListKind kind,
                                                           bool tagged, const Crc32Engine& engine, ProgressSink& progress,
                                                           std::int64_t totalBytes, std::uint64_t& bytesDone,
                                                           int& readError);
