#pragma once

#include "chosenfiles.h"
#include "generationoutcome.h"

#include <string>
#include <vector>

struct InputFiles {
    ChosenFiles chosen;
    std::vector<LeftOutFile> missing;  // arguments that name nothing readable
};

// The files named on the command line, in argument order, named relative to the list
// at `listPath`. A folder stands for every regular file beneath it, walked in sorted
// (byte-wise) order, without following links to folders. The list itself is never
// taken, whatever path names it.
[[nodiscard]] InputFiles CollectInputFiles(const std::vector<std::string>& inputs, const std::string& listPath);
