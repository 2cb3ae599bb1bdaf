#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The MIME type that the shared-mime-info databases in `mimeFolders` (each a ".../mime"
// folder, most important first) give a file-name pattern such as "*.sfv", read from
// their globs2 files: the highest weight wins, an earlier folder on equal weight. The
// pattern is compared without regard to case. Types in `ignored` do not count.
[[nodiscard]] std::optional<std::string> FindGlobType(const std::vector<std::string>& mimeFolders,
                                                      std::string_view pattern,
                                                      const std::vector<std::string>& ignored);
