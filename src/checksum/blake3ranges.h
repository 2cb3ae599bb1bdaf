#pragma once

#include "blake3path.h"

#include <cstddef>
#include <cstdint>

class Blake3;
class ProgressSink;
class ReadOnlyFile;

// One large file hashed on several threads through BLAKE3's tree: the file is cut into
// segments of 64 chunks (complete subtrees), each thread hashes a run of whole segments
// read with pread, and the calling thread joins their chaining values in order.

// A segment: whole subtrees of this many bytes, the unit the threads hand back.
inline constexpr std::uint64_t kBlake3SegmentBytes = 64 * 1024;
// Files of at least this many bytes per range are split.
inline constexpr std::uint64_t kBlake3MinRangeBytes = 4u << 20;

// The threads to use by default: the hardware threads.
[[nodiscard]] int Blake3DefaultThreads() noexcept;

// How many ranges `file` is hashed in with up to `threads` threads: 1 for one thread
// (a small file, a file read ahead, one thread, a file not read from its start, or a
// file that is not in the page cache: from the disk one stream reads fastest).
[[nodiscard]] int Blake3RangeCount(const ReadOnlyFile& file, int threads) noexcept;

// Hashes `file` from its start into `hasher` (new, nothing taken yet) in `ranges`
// ranges at once, one per thread, the calling thread taking the first and the bytes
// after the last whole segment (and any appended since the size was taken). Progress
// and abort follow the one-thread rules (every 4096 bytes reported once, by the calling
// thread). On an abort or a read error `hasher` holds the longest run of bytes from the
// start that was hashed. Returns 0 or the errno of the read that failed.
int Blake3HashInRanges(ReadOnlyFile& file, int ranges, Blake3& hasher, ProgressSink& progress,
                       std::int64_t totalBytes, std::uint64_t& bytesDone);
