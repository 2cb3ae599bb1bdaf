#pragma once

#include "digestalgorithm.h"

#include <cstddef>
#include <cstdint>
#include <string>

class ProgressSink;
class ReadOnlyFile;

// The logical block of ShaFile: update, progress, pump and abort check once per block.
inline constexpr std::size_t kShaBlockSize = 4096;

// The libcrypto digest (SHA-1/256/512, BLAKE2b, SHA3; see ShaContext) of an opened
// file as upper-case hex digits, read through
// the engines' read buffer. Works as Md5File does, block by block: it updates,
// reports progress, pumps and checks g_abort once per 4096-byte block, and an abort
// returns the digest of the bytes read so far. A file that is not open or a read
// error part-way raises FileError; `bytesDone` keeps the bytes of the blocks before it.
[[nodiscard]] std::string ShaFile(ReadOnlyFile& file, const std::string& path, DigestAlgorithm algorithm,
                                  ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone);
