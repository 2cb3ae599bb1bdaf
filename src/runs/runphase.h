#pragma once

#include "runobserver.h"

// The state of a run in words, as a progress display names it.
enum class RunPhase {
    Running,
    Paused,
    Stopped,   // Stop was given
    Finished,  // every row the run covered was verified
};

// The phase after `event`. A run that was stopped still goes through its common end
// (reported as Finished) and stays Stopped; the worker's own end changes nothing.
[[nodiscard]] RunPhase NextRunPhase(RunPhase current, RunEvent event) noexcept;
