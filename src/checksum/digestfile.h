#pragma once

#include "digestalgorithm.h"

#include <cstdint>
#include <string>

class ProgressSink;
class ReadOnlyFile;

// The digest of an opened file by the algorithm a list entry names: MD5 through
// Md5File, SHA-1/256/512, BLAKE2b and SHA3 through ShaFile, BLAKE3 through Blake3File
// (same progress and abort rules).
// Raises FileError as they do. Not for CRC-32, whose engine returns result codes.
[[nodiscard]] std::string DigestFile(ReadOnlyFile& file, const std::string& path, DigestAlgorithm algorithm,
                                     ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone);
// The same with BLAKE3 on up to `rangeThreads` threads for one large file, as the
// worker's CRC-32 engine is set up (one thread when several files are in flight).
[[nodiscard]] std::string DigestFile(ReadOnlyFile& file, const std::string& path, DigestAlgorithm algorithm,
                                     int rangeThreads, ProgressSink& progress, std::int64_t totalBytes,
                                     std::uint64_t& bytesDone);
