#pragma once

// Identifiers of the main window's commands: the twelve toolbar positions (5000-5011,
// four of them separators) and the drop-down menu items (32771-32790, 32800-32804). Every toolbar
// and menu action carries its id, so one dispatcher handles them all.
enum class CommandId : int {
    Open = 5000,
    Separator1 = 5001,
    ViewToggle = 5002,
    Generate = 5003,
    Separator2 = 5004,
    StartPause = 5005,
    Stop = 5006,
    Separator3 = 5007,
    Properties = 5008,
    AlwaysOnTop = 5009,
    Separator4 = 5010,
    About = 5011,

    EmptyRecentList = 32771,
    RecentFile0 = 32772,  // RecentFile0 + n opens recent entry n (0 to 9)
    RecentFile9 = 32781,
    GenerateMd5 = 32787,
    GenerateSfv = 32788,
    // The drop-down's items for the newer list kinds, after the two above.
    GenerateSha1 = 32800,
    GenerateSha256 = 32801,
    GenerateSha512 = 32802,
    GenerateBlake2b = 32803,
    GenerateBlake3 = 32804,

    // Saves the results of the last run as a text or CSV report (Ctrl+S, and the
    // status bar's context menu).
    SaveReport = 32790,
    // The Open drop-down's last item: every list beneath a folder, as one list.
    OpenFolderOfLists = 32791,
};

// The three states a toolbar button takes in this program.
enum class ButtonState {
    Enabled,         // enabled, not checked
    EnabledChecked,  // enabled and shown pressed
    Disabled,        // greyed, cannot be clicked
};
