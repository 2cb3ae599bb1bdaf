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

// Creates `folder` and any missing parents with the permissions 0700 (the rule for
// per-user configuration folders). True when the folder exists afterwards.
[[nodiscard]] bool CreateFolders(const std::string& folder);
