#pragma once

#include <functional>

#include <string>

class Crc32Engine;

// The most files a run keeps in flight at once.
inline constexpr int kMaxFilesInFlight = 8;
// The setting that leaves the choice to FilesInFlight.
inline constexpr int kFilesInFlightAuto = 0;

// How many files a run verifies or checksums at once. `setting` 1 to kMaxFilesInFlight
// forces that many; anything else decides by the disk under `folder`: one at a time on a
// rotating disk (where several would make its heads seek between them), else as many as
// hardware threads, at most kMaxFilesInFlight. Never more than `files`, never below 1.
[[nodiscard]] int FilesInFlight(int setting, const std::string& folder, int files,
                                const std::string& sysfsRoot = "/sys");

// The path of the run's file at `index` (0 to files - 1).
using RunFilePath = std::function<std::string(int index)>;

// FilesInFlight, except that a disk that says it rotates is taken at its word only when
// it acts like one: when a few files spread over the run (at most kCacheSamples) are
// all nearly whole in the page cache, or the disk serves several reads at once much
// faster than one after another (ParallelReadsPay), the run reads several at once.
[[nodiscard]] int FilesInFlight(int setting, const std::string& folder, int files, const RunFilePath& filePath,
                                const std::string& sysfsRoot = "/sys");

// How many of a run's files the page-cache look opens.
inline constexpr int kCacheSamples = 8;
// Whether the sampled files all open and are nearly whole in the page cache.
[[nodiscard]] bool SampledFilesCached(int files, const RunFilePath& filePath);

// Readies a worker's CRC-32 engine for a run with `filesInFlight` files in flight
// (builds its table when `crc32`). The one place that decides how many threads one
// file's reading may use: all of them with one file in flight, one each with several.
void PrepareWorkerEngine(Crc32Engine& engine, bool crc32, int filesInFlight);
