#pragma once

#include "expectedchecksums.h"
#include "listtypes.h"

#include <cstdint>
#include <string>
#include <vector>

// What a successful load produces: everything a load replaces in one go.
struct ChecksumListContent {
    std::string listPath;
    std::string baseFolder;
    ListKind kind = ListKind::None;
    std::uint64_t totalBytes = 0;
    std::vector<std::string> names;      // row i's "Filename" text, exactly as split
    std::vector<std::string> sizeTexts;  // row i's "Size" text
    ExpectedChecksums expected;          // row i's expected checksum, upper-cased
    std::vector<std::uint8_t> rowTraits; // row i's entrytraits byte; empty for Sfv lists
};
