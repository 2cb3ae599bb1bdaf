#pragma once

#include <string>

// Why a list could not be opened or created, in the system's words ("Permission
// denied"), for the detail of the error dialog; empty when no reason can be found.
// Both look again at the path without changing anything on disk.
[[nodiscard]] std::string OpenFailureReason(const std::string& path);
[[nodiscard]] std::string CreateFailureReason(const std::string& path);
