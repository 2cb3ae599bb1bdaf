#pragma once

#include "chosenfiles.h"
#include "generationoutcome.h"

#include <string>
#include <vector>

struct InputFiles {
    ChosenFiles chosen;
    // Arguments that name nothing readable, and what a folder's walk could not reach
    // (a folder that cannot be entered, a path too long): each with the reason.
    std::vector<LeftOutFile> missing;
    // An argument names the list's own file (which would be emptied before it is read).
    bool listNamedAsInput = false;
};

// The files named on the command line, in argument order, named relative to the list
// at `listPath` from their real paths (links to folders resolved). A folder stands for
// every regular file beneath it, walked in sorted (byte-wise) order, without following
// links to folders, and without hidden files and folders (names starting with '.')
// unless `hidden`; a hidden file named on its own is taken. The list itself is never
// taken, whatever path names it.
[[nodiscard]] InputFiles CollectInputFiles(const std::vector<std::string>& inputs, const std::string& listPath,
                                           bool hidden);
