#pragma once

#include "progressmeter.h"

#include <QString>

// The figures line of a progress display, the same in the verify panel and the
// generation dialog: "42% · 1.2 GB of 4.0 GB", followed while the run goes on by
// its speed and time left ("· 45.6 MB/s · 1:05 left", dashes while unknown).
[[nodiscard]] QString ProgressFiguresText(const ProgressFigures& figures, bool running);
