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
    // true: each line is written the moment its file is done, so the list grows line
    // by line (the window). false: lines of small files are gathered and written in
    // larger pieces, always before a long read and at the end, also after a cancel;
    // the bytes are the same (the command line, where a write per file costs).
    bool writeEachLineAtOnce = true;
    // Files read at once: 1 to 8 forces that many, 0 decides by the disk of the first
    // file. The lines are written in the chosen order either way.
    int filesInFlight = 0;
};
