#pragma once

#include <string>
#include <string_view>

// Replaces the file at `path` with `bytes` so that a crash, a full disk or any other
// failure leaves either the old file or the new one in place, never a partial file:
// the bytes go to a temporary file in the same folder, which is flushed to the disk
// and then renamed over `path`. A symbolic link at `path` is followed, so the file it
// points to is replaced and the link stays. Returns false, with the old file untouched
// and no temporary file left behind, when any step fails.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// The two halves of WriteFileAtomically for a file written over a longer time.
// OpenTemporaryFileBeside creates a new, empty temporary file in the folder of the file
// `path` names (through a symbolic link), with that file's permissions when it exists;
// returns its descriptor (the caller closes it) and sets `temporaryPath`, or -1 with
// errno set. ReplaceWithTemporaryFile flushes the finished temporary file to the disk
// and renames it over the file `path` names; on failure it removes the temporary file,
// leaves the old file as it was and returns false with errno set.
[[nodiscard]] int OpenTemporaryFileBeside(const std::string& path, std::string& temporaryPath);
[[nodiscard]] bool ReplaceWithTemporaryFile(const std::string& temporaryPath, const std::string& path);

// Creates `folder` and any missing parents with the permissions 0700 (the rule for
// per-user configuration folders). True when the folder exists afterwards.
[[nodiscard]] bool CreateFolders(const std::string& folder);
