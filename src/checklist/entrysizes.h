#pragma once

#include "rowtexts.h"

#include <cstdint>
#include <string>
#include <vector>

// QueryFileSize for every entry's file (base folder + name): its size, or
// kSizeNotFound when it could not be opened for reading. Long lists are queried on
// several threads: the time goes into opening each file, which scales with cores.
// `rowTraits` (one entrytraits byte per name, or empty) marks exact names.
[[nodiscard]] std::vector<std::uint64_t> QueryEntrySizes(const std::string& baseFolder, const RowTexts& rows,
                                                         const std::vector<std::uint8_t>& rowTraits = {});
