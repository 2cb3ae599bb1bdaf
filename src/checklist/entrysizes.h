#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct EntrySize {
    bool found = false;       // the file could be opened for reading
    std::uint64_t size = 0;
};

// QueryFileSize for every entry's file (base folder + name). Long lists are queried on
// several threads: the time goes into opening each file, which scales with cores.
// `rowTraits` (one entrytraits byte per name, or empty) marks exact names.
[[nodiscard]] std::vector<EntrySize> QueryEntrySizes(const std::string& baseFolder,
                                                     const std::vector<std::string>& names,
                                                     const std::vector<std::uint8_t>& rowTraits = {});
