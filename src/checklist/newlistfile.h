#pragma once

// A new list is written to a temporary file beside its place and renamed into place
// when it is done, so a failed write (a full disk) never leaves a partial list where a
// whole one was, nor takes an older list's place.

#include <string>

// Creates the empty temporary file for the list at `listPath` (in the folder of the
// file the path names, through a symbolic link) and returns its path; empty, with
// `error` set to the errno, when it cannot be created.
[[nodiscard]] std::string CreateTemporaryList(const std::string& listPath, int& error);

// Renames the finished temporary list over `listPath` (an older list there is replaced
// in one step). On failure the temporary file is removed, whatever was at `listPath`
// stays, and false is returned with `error` set.
[[nodiscard]] bool MoveListIntoPlace(const std::string& temporaryPath, const std::string& listPath, int& error);

// Removes a temporary list that will not be put in place.
void RemoveTemporaryList(const std::string& temporaryPath) noexcept;
