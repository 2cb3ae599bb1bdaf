#pragma once

#include "chosenfiles.h"

#include <cstdint>
#include <string>

// Everything a generation run needs, prepared before it starts. For an SFV list the
// head has already been written to outputPath; the run appends the entry lines.
struct GenerationJob {
    std::string outputPath;
    std::int32_t kind = 0;  // ListKind: 1 Sfv, 2 Md5; anything else is reported as unknown
    ChosenFiles chosen;
};
