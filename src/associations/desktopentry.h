#pragma once

#include <string>
#include <string_view>
#include <vector>

// The program's desktop entry (applications/tallyfox.desktop).
struct DesktopEntry {
    std::string programPath;             // absolute path of the executable
    std::string iconName;                // empty: no icon
    std::vector<std::string> mimeTypes;  // the list types the program opens
};

// The text of the desktop entry file; Exec starts the program with one file (%f).
[[nodiscard]] std::string DesktopEntryText(const DesktopEntry& entry);

// One argument of an Exec line, written so that any path survives: '%' is doubled; an
// argument with a reserved character (blank, quote, '$', '\', ...) goes in double
// quotes with '"', '`', '$' and '\' escaped, and then the escapes of a desktop-entry
// string value are applied ('\' doubled, control characters escaped).
[[nodiscard]] std::string ExecArgument(std::string_view argument);
