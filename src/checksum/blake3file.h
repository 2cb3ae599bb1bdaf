#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ProgressSink;
class ReadOnlyFile;

// Progress goes out once per 4096 bytes; the hash takes the file in larger spans, so
// that many chunks go through the SIMD lanes at once.
inline constexpr std::size_t kBlake3ProgressStep = 4096;
inline constexpr std::size_t kBlake3FileSpan = 64 * 1024;

// BLAKE3 of an opened file as 64 upper-case hex digits, read through the engines' read
// buffer. Reports progress, pumps and checks g_abort every 4096 bytes; an abort stops the
// reports at once and returns the digest of the spans hashed so far (the last one whole,
// so it may hold more bytes than were reported). A file that is not open or a
// read error part-way raises FileError; `bytesDone` keeps the bytes of the spans before it.
// A large file in the page cache is hashed on the hardware threads (Blake3RangeCount).
[[nodiscard]] std::string Blake3File(ReadOnlyFile& file, const std::string& path, ProgressSink& progress,
                                     std::int64_t totalBytes, std::uint64_t& bytesDone);
// The same on up to `threads` threads (1: the calling thread alone).
[[nodiscard]] std::string Blake3File(ReadOnlyFile& file, const std::string& path, int threads,
                                     ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone);
