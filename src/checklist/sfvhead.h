#pragma once

#include "chosenfiles.h"

#include <string>

struct HeadOutcome {
    bool written = false;
    std::string message;        // why not, as the user sees it
    std::string temporaryPath;  // where the head was written, when it was
};

// Writes the head of the SFV list at `listPath` into a new temporary file beside it
// (see newlistfile.h; the generation run appends the entry lines and puts it in place):
// the header lines with `now`, then one comment line per chosen file in order, from the
// sizes and times the files were listed with (no file is opened). Nothing changes at
// `listPath`. A failed create gives "Create [%s] failed."; a failed write (full disk,
// I/O error) names the list and the reason, and leaves no temporary file.
[[nodiscard]] HeadOutcome WriteSfvHead(const std::string& listPath, const ChosenFiles& chosen,
                                       const DateTimeFields& now);
