#pragma once

#include "listtypes.h"

#include <cstdint>
#include <string_view>

class ChecksumList;
struct LaneFileDigest;

// The verdict of one row from what reading its file gave, as a verification run
// records it: the found checksum (or the reason the file could not be read) goes into
// the list first, then the caller sets the verdict.

// A computed checksum (upper-case hex) against the row's expected one: OK or Bad.
[[nodiscard]] EntryStatus FoundChecksumVerdict(ChecksumList& list, int row, std::string_view found);

// A file that could not be opened or read (errno `error`) is Missing: it may well be
// intact, it just could not be checked. Every reason but "no such file" is kept with
// the row, to be shown beside it.
[[nodiscard]] EntryStatus UnreadableVerdict(ChecksumList& list, int row, int error);

// What Crc32Engine::ChecksumFile returned for the row (`result`, and `crc` when 0).
[[nodiscard]] EntryStatus Crc32Verdict(ChecksumList& list, int row, int result, std::uint32_t crc);

// A file hashed in the lanes; only asked when the run was not interrupted, so a file
// without its digest could not be opened or read.
[[nodiscard]] EntryStatus LaneVerdict(ChecksumList& list, int row, const LaneFileDigest& digest);
