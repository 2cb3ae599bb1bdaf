#pragma once

#include "listtypes.h"
#include "rowtexts.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// A row's size for a file that could not be opened (no file is that large).
inline constexpr std::uint64_t kSizeNotFound = std::numeric_limits<std::uint64_t>::max();

// What a successful load produces: everything a load replaces in one go.
struct ChecksumListContent {
    std::string listPath;
    std::string baseFolder;
    ListKind kind = ListKind::None;
    bool kindGuessed = false;            // the kind was guessed from the digests' length
    std::uint64_t totalBytes = 0;
    int sizeType = 0;                    // the size display mode the "Size" texts follow
    RowTexts rows;                       // row i's "Filename" text, exactly as split, and
                                         // its expected checksum, upper-cased
    std::vector<std::uint64_t> sizes;    // row i's file size, or kSizeNotFound
    std::vector<std::uint8_t> rowTraits; // row i's entrytraits byte; empty for Sfv lists
};
