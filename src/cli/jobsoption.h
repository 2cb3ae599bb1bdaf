#pragma once

#include <string_view>

// The value of --jobs: "auto" (0: decided by the disk) or a count of files in flight,
// 1 to 8. False, and `filesInFlight` unchanged, for anything else.
[[nodiscard]] bool ParseJobsValue(std::string_view text, int& filesInFlight) noexcept;

// The --help lines of the option, shared by both tools.
inline constexpr char kJobsHelp[] =
    "  -j, --jobs N|auto   files read at once, 1 to 8 (default auto: one at a time on\n"
    "                      a rotating disk, else one per hardware thread, at most 8)\n";
