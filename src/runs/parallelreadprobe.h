#pragma once

#include "filesinflight.h"

#include <optional>

// Whether reading several files at once pays on the disk under a run's files, found by
// what the disk does rather than what it says: the first page of a few files spread
// over the run that are not in the page cache is read one file after another, and of
// as many others asked for all at once (read-ahead requests the device may serve in
// any order), and the two times compared. A disk with one head seeks for each file
// however many are asked at once (queueing saves little more than the order), so one
// at a time stays its best; solid-state and most virtual disks serve many requests
// together. The probe reads at most 2 * kProbeFiles pages.
inline constexpr int kProbeFiles = 4;

// Nothing when too few of the sampled files are uncached to tell.
[[nodiscard]] std::optional<bool> ParallelReadsPay(int files, const RunFilePath& filePath);

// The decision from the two times: asked at once, the pages came at least
// kParallelGain times as fast as one after another.
inline constexpr double kParallelGain = 2.0;
[[nodiscard]] bool ParallelReadsPay(double oneAfterAnotherSeconds, double allAtOnceSeconds) noexcept;
