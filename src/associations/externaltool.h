#pragma once

#include <string>
#include <vector>

// Runs a tool found on PATH with the arguments, its output discarded, and waits for it.
// True when it ran and exited with 0; false when it is not installed or failed.
bool RunExternalTool(const std::string& name, const std::vector<std::string>& arguments);
