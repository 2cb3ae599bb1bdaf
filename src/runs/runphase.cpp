#include "runphase.h"

RunPhase NextRunPhase(RunPhase current, RunEvent event) noexcept
{
    switch (event) {
    case RunEvent::Started:
    case RunEvent::SelectedRowsStarted:
    case RunEvent::Resumed: return RunPhase::Running;
    case RunEvent::Paused: return RunPhase::Paused;
    case RunEvent::Stopped: return RunPhase::Stopped;
    case RunEvent::Finished: return current == RunPhase::Stopped ? RunPhase::Stopped : RunPhase::Finished;
    case RunEvent::WorkerEnded: break;
    }
    return current;
}
