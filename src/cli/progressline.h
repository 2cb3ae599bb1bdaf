#pragma once

#include "progressmeter.h"

#include <string>
#include <string_view>

// The progress line tallyfox-check keeps on a terminal's stderr during a run, without
// the carriage return: " 42%  12/300  12.3 MB of 30.0 MB  45.6 MB/s  0:12 left  dir/file".
// Speed and time left read "--" until measured. The line is cut to `width` - 1
// columns (never inside a UTF-8 character), so it never wraps; a width below 2 cuts
// nothing.
[[nodiscard]] std::string TerminalProgressLine(const ProgressFigures& figures, int filesDone, int rowCount,
                                               std::string_view currentFile, int width);
