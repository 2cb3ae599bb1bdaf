#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class ProgressSink;
class ReadOnlyFile;

// Progress goes out once per 4096 bytes; the hash takes the file in larger spans (so
// many chunks go through the SIMD lanes at once), and an abort is seen once per span.
inline constexpr std::size_t kBlake3ProgressStep = 4096;
inline constexpr std::size_t kBlake3FileSpan = 64 * 1024;

// BLAKE3 of an opened file as 64 upper-case hex digits, read through the engines' read
// buffer. Reports progress and pumps every 4096 bytes and checks g_abort once per span;
// an abort returns the digest of the bytes read so far. A file that is not open or a
// read error part-way raises FileError; `bytesDone` keeps the bytes of the spans before it.
[[nodiscard]] std::string Blake3File(ReadOnlyFile& file, const std::string& path, ProgressSink& progress,
                                     std::int64_t totalBytes, std::uint64_t& bytesDone);
