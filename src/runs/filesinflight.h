#pragma once

#include <string>

class CCrc32Engine;

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

// Readies a worker's CRC-32 engine for a run with `filesInFlight` files in flight
// (builds its table when `crc32`). The one place that decides how many threads one
// file's reading may use: all of them with one file in flight, one each with several.
void PrepareWorkerEngine(CCrc32Engine& engine, bool crc32, int filesInFlight);
