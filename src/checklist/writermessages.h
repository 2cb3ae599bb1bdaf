#pragma once

#include <string>

// The texts the user sees when a new list cannot be made, with the values in place.
inline constexpr char kNoFilesSelectedMessage[] = "No Files Selected.";
[[nodiscard]] std::string CreateFailedMessage(const std::string& path);  // "Create [%s] failed."
// The list would be written over one of the files it is made of.
[[nodiscard]] std::string ListIsAnInputMessage(const std::string& path);
// The list would be written over a file that is no checksum list.
[[nodiscard]] std::string ListWouldReplaceDataMessage(const std::string& path);
// A write into the new list failed (full disk, I/O error): the list and the reason.
[[nodiscard]] std::string WriteFailedMessage(const std::string& path, int errorCode);
