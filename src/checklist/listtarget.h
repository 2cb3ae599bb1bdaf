#pragma once

// Checks on the place a new list is to be written, made before anything is written, so
// that a list is never written over a file it was meant to list, or over data.

#include <string>

// True when both paths name the same existing file (same device and inode).
[[nodiscard]] bool IsSameFile(const std::string& first, const std::string& second);

// True when `listPath` names an existing file with bytes in it that is no checksum list
// (neither its name nor its first entry line says so): writing the list would replace it.
[[nodiscard]] bool HoldsOtherThanAList(const std::string& listPath);
