#include "toolbarstates.h"

#include "maintoolbar.h"

#include <array>
#include <cstddef>

namespace {

struct Row {
    ToolbarTrigger trigger;
    ToolbarChange change;
};

// The one place that says which toolbar buttons each situation enables. Stop is never
// changed by a run and stays available throughout it. A check button's own click
// toggles its look; a row that names it sets it anyway, so the look follows the run.
//                                                 Open ViewToggle Generate StartPause Stop Properties
constexpr Row kRows[] = {
    {ToolbarTrigger::ChecksumView,       {"E-DEE-", std::nullopt}},
    {ToolbarTrigger::BrowserView,        {"D-EDD-", std::nullopt}},
    {ToolbarTrigger::RunStarted,         {"DD-C-D", true}},
    {ToolbarTrigger::SelectedRunStarted, {"DD-D-D", true}},
    {ToolbarTrigger::RunResumed,         {"---C--", true}},
    {ToolbarTrigger::RunPaused,          {"---E--", std::nullopt}},
    {ToolbarTrigger::RunStopped,         {"EE-E-E", false}},
    {ToolbarTrigger::RunFinished,        {"EE-E-E", false}},
};

constexpr std::array<CommandId, 6> kColumns = {CommandId::Open,       CommandId::ViewToggle, CommandId::Generate,
                                               CommandId::StartPause, CommandId::Stop,       CommandId::Properties};

}  // namespace

ToolbarChange ToolbarChangeFor(ToolbarTrigger trigger) noexcept
{
    for (const Row& row : kRows) {
        if (row.trigger == trigger) {
            return row.change;
        }
    }
    return {"------", std::nullopt};
}

std::optional<ToolbarTrigger> ToolbarTriggerOf(RunEvent event) noexcept
{
    switch (event) {
    case RunEvent::Started: return ToolbarTrigger::RunStarted;
    case RunEvent::SelectedRowsStarted: return ToolbarTrigger::SelectedRunStarted;
    case RunEvent::Resumed: return ToolbarTrigger::RunResumed;
    case RunEvent::Paused: return ToolbarTrigger::RunPaused;
    case RunEvent::Stopped: return ToolbarTrigger::RunStopped;
    case RunEvent::Finished: return ToolbarTrigger::RunFinished;
    case RunEvent::WorkerEnded: break;
    }
    return std::nullopt;
}

void ApplyToolbarChange(MainToolbar& toolbar, const ToolbarChange& change)
{
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        switch (change.buttons[column]) {
        case 'E': toolbar.SetButtonState(kColumns[column], ButtonState::Enabled); break;
        case 'C': toolbar.SetButtonState(kColumns[column], ButtonState::EnabledChecked); break;
        case 'D': toolbar.SetButtonState(kColumns[column], ButtonState::Disabled); break;
        default: break;
        }
    }
}
