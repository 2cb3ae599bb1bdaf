#pragma once

#include <string>

// The texts the user sees when a list cannot be opened, with the path in place.
[[nodiscard]] std::string UnknownFileTypeMessage(const std::string& path);  // "Unknow file type: [%s]."
[[nodiscard]] std::string OpenFailedMessage(const std::string& path);       // "Open [%s] failed."
