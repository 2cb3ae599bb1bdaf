#pragma once

#include "iniprofile.h"
#include "settings.h"

// Reading and writing the settings through the INI profile.
//
// Section "Setup": "Font" (68-byte record), "ListViewColor" (8), "WindowPos" (24),
// "FullRowSelect", "AutoScroll", "SizeType" (4 each, little-endian signed).
// Section "Recent Files": "Menu0" (newest) to "Menu9", plain paths, empty when unused.
// Section "Performance": "FilesInFlight", plain text "auto" or 1 to 8 (anything else is
// auto); only read, never written.

// The settings stored in `profile`; every key that is missing or unreadable keeps its
// default, the others are read normally. `dpi` sizes the default font.
[[nodiscard]] Settings LoadSettings(const IniProfile& profile, int dpi = 96);

// Writes every setting to `profile` and saves it. While the window is minimized its
// rectangle means nothing, so "WindowPos" keeps its stored value. Returns whether the
// file was written; the program carries on either way.
bool SaveSettings(IniProfile& profile, const Settings& settings, bool minimized);
