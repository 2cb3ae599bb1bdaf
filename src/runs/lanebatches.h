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

// How many MD5 files the lanes hash side by side on this CPU; 0 where they run on the
// scalar path, which gains nothing over one file at a time.
[[nodiscard]] std::size_t Md5LaneCountThatPays();

// How many of `files`, from the first on, go through the lanes as one batch: files of
// their listed size up to kLaneFileLimit, kLaneBatchBytes in all, at most `laneCount`
// (an MD5 list holds every name). A batch of fewer than 2 is not worth the lanes.
[[nodiscard]] std::size_t LaneBatchLength(std::span<const ChosenFile> files, std::size_t laneCount) noexcept;

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
