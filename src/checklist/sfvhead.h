#pragma once

#include "chosenfiles.h"

#include <string>

struct HeadOutcome {
    bool written = false;
    std::string message;  // why not, as the user sees it
};

// Creates (or empties) the SFV list at `listPath` and writes its head: the header lines
// with `now`, then one comment line per chosen file in order, from the sizes and times
// the files were listed with (no file is opened). A failed create gives "Create [%s]
// failed."; a failed write (full disk, I/O error) names the list and the reason.
[[nodiscard]] HeadOutcome WriteSfvHead(const std::string& listPath, const ChosenFiles& chosen,
                                       const DateTimeFields& now);
