#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class ProgressSink;
class ReadOnlyFile;
struct ChosenFile;

// MD5 files go through the lanes of Md5Lanes in batches of files up to this size: the
// lanes pay most on small files, and a larger one would hold up its batch while it runs
// on alone at one lane's speed, as fast as the one-file path reads it.
inline constexpr std::uint64_t kLaneFileLimit = 4 * 1024 * 1024;
// A batch ends before its files pass this many bytes, so that an interruption, which
// leaves the whole batch to be done again, loses little work and results come often.
inline constexpr std::uint64_t kLaneBatchBytes = 32 * 1024 * 1024;

// A batch holds up to this many files per lane: a lane whose file ends takes the next
// one, so the lanes stay full until the batch's last files, and the fewer batches, the
// fewer lanes run on alone at their ends.
inline constexpr std::size_t kLaneBatchFilesPerLane = 8;
// Of which at most this many are larger than the files read whole when opened, since
// those stay open while their batch runs (one descriptor each, several workers).
inline constexpr std::size_t kLaneBatchOpenFiles = 32;

// How many MD5 files the lanes hash side by side on this CPU; 0 where they run on the
// scalar path, which gains nothing over one file at a time.
[[nodiscard]] std::size_t Md5LaneCountThatPays();

// The most files one lane batch takes: kLaneBatchFilesPerLane per lane, but no more
// than an even share of the `filesLeft` among the `workers`, so that each has files to
// the end, and never fewer than one per lane.
[[nodiscard]] std::size_t LaneBatchMaxFiles(std::size_t laneCount, std::size_t filesLeft, std::size_t workers) noexcept;

// Counts the files of one lane batch as they are added: false once `size` (as listed)
// would pass a limit (`maxFiles`, the bytes or the open files) and the batch ends before it.
class LaneBatchLimits {
public:
    explicit LaneBatchLimits(std::size_t maxFiles) noexcept : m_maxFiles(maxFiles) {}
    [[nodiscard]] bool Add(std::uint64_t size) noexcept;

private:
    std::size_t m_maxFiles;
    std::size_t m_files = 0;
    std::size_t m_openFiles = 0;
    std::uint64_t m_bytes = 0;
};

// How many of `files`, from the first on, go through the lanes as one batch: files of
// their listed size up to kLaneFileLimit, within LaneBatchLimits(maxFiles) (an MD5 list
// holds every name). A batch of fewer than 2 is not worth the lanes.
[[nodiscard]] std::size_t LaneBatchLength(std::span<const ChosenFile> files, std::size_t maxFiles) noexcept;

// One file's outcome in a batch: its entry line, or the errno that left it out.
struct LaneEntryLine {
    std::optional<std::string> line;
    int readError = 0;
};

// The MD5 entry lines of `chosen` (plain or `tagged`), each opened as `files` (same
// order), hashed side by side; each line equal to ChecksumEntryLine's. Progress and abort as HashFilesInLanes:
// after an abort (AbortRequested) the results mean nothing.
[[nodiscard]] std::vector<LaneEntryLine> Md5EntryLinesInLanes(std::span<const ChosenFile> chosen,
                                                              std::span<ReadOnlyFile> files, bool tagged,
                                                              ProgressSink& progress, std::int64_t totalBytes,
                                                              std::uint64_t& bytesDone);
