#pragma once

#include "commandid.h"
#include "runobserver.h"

#include <optional>

class MainToolbar;

// What the toolbar and the progress panel follow: the switch between the two views and
// the events of a run.
enum class ToolbarTrigger {
    ChecksumView,      // the checksum view is shown
    BrowserView,       // the folder browser is shown
    RunStarted,        // a run over every row started
    SelectedRunStarted,// a run over the selected rows started
    RunResumed,
    RunPaused,
    RunStopped,
    RunFinished,
};

// The states one trigger sets. Buttons, in the order Open, view toggle, Generate,
// Start/Pause, Stop, Properties: 'E' enabled, 'C' enabled and checked, 'D' disabled,
// '-' left as it is. The panel: shown, hidden, or left as it is.
struct ToolbarChange {
    const char* buttons;
    std::optional<bool> panelShown;
};

[[nodiscard]] ToolbarChange ToolbarChangeFor(ToolbarTrigger trigger) noexcept;
// The trigger a run event is for the toolbar; none for the worker's own end.
[[nodiscard]] std::optional<ToolbarTrigger> ToolbarTriggerOf(RunEvent event) noexcept;

// Sets the buttons of `change` on the toolbar (the panel is the window's).
void ApplyToolbarChange(MainToolbar& toolbar, const ToolbarChange& change);
