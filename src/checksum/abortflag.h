#pragma once

#include <atomic>

// The process-wide abort request: 0 go on, 1 stop at the next check. Raised by
// Pause, Stop, the generation dialog's Cancel and the main window's close; cleared
// by a run when it starts. Read with relaxed ordering: a late observation only
// costs one more block.
extern std::atomic<int> g_abort;

[[nodiscard]] inline bool AbortRequested() noexcept
{
    return g_abort.load(std::memory_order_relaxed) != 0;
}
