#include "mimeglobs.h"

#include "asciitext.h"

#include <algorithm>
#include <fstream>

namespace {

// One "weight:type:pattern[:flags]" line of globs2.
struct GlobLine {
    int weight = 0;
    std::string type;
    std::string pattern;
};

std::optional<GlobLine> ParseGlobLine(const std::string& line)
{
    if (line.empty() || line.front() == '#') {
        return std::nullopt;
    }
    const std::size_t first = line.find(':');
    const std::size_t second = first == std::string::npos ? first : line.find(':', first + 1);
    if (second == std::string::npos || first == 0) {
        return std::nullopt;
    }
    GlobLine glob;
    for (std::size_t i = 0; i < first; ++i) {
        if (line[i] < '0' || line[i] > '9') {
            return std::nullopt;
        }
        glob.weight = std::min(glob.weight * 10 + (line[i] - '0'), 1000);
    }
    glob.type = line.substr(first + 1, second - first - 1);
    const std::size_t third = line.find(':', second + 1);
    glob.pattern = line.substr(second + 1, third == std::string::npos ? std::string::npos : third - second - 1);
    return glob;
}

}  // namespace

std::optional<std::string> FindGlobType(const std::vector<std::string>& mimeFolders, std::string_view pattern,
                                        const std::vector<std::string>& ignored)
{
    const std::string wanted = AsciiLowerCopy(pattern);
    std::optional<std::string> best;
    int bestWeight = -1;
    for (const std::string& folder : mimeFolders) {
        std::ifstream globs(folder + "/globs2");
        std::string line;
        while (std::getline(globs, line)) {
            const std::optional<GlobLine> glob = ParseGlobLine(line);
            if (!glob.has_value() || glob->weight <= bestWeight || AsciiLowerCopy(glob->pattern) != wanted ||
                glob->type == "__NOGLOBS__" ||
                std::find(ignored.begin(), ignored.end(), glob->type) != ignored.end()) {
                continue;
            }
            best = glob->type;
            bestWeight = glob->weight;
        }
    }
    return best;
}
