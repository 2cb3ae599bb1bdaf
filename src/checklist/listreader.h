#pragma once

// The reader of .sfv, .md5 and sha*sum lists. Its pieces: ListLineReader (line grammar),
// TrimListLine / SplitEntryLine (one entry per line), DetectListKind /
// ResolveEntryPath (paths), and LoadChecksumList, which puts them together.

#include "checksumlistcontent.h"
#include "entrysplit.h"
#include "listlinereader.h"
#include "listpaths.h"
#include "listtypes.h"

#include <cstddef>
#include <string>

enum class LoadStatus { Loaded, OpenFailed };

struct LoadOutcome {
    LoadStatus status = LoadStatus::OpenFailed;
    ChecksumListContent content;  // meaningful when Loaded
    // Lines of an md5sum-family list that held no entry (no name after the digest,
    // an unknown tag, a bad escape): skipped, and counted for one warning.
    int improperLines = 0;
    // The list ends with the marker of a list whose making was cut short: some files
    // it was made for have no entry.
    bool incomplete = false;
    [[nodiscard]] int EntryCount() const noexcept { return static_cast<int>(content.rows.Size()); }
};

// Reads a list file into a new content (names, expected checksums, sizes, shown under
// `sizeType`; TotalBytes of the files that could be opened). A list that cannot be
// opened or read (missing, no access, a folder or other non-regular file, a read
// error part-way) gives OpenFailed, so the caller keeps its current list. A kind
// of None loads nothing and gives OpenFailed as well. Every kind but Sfv reads its
// lines with ParseDigestLine (blanks at a line's end belong to its name, as md5sum
// reads them) and skips lines starting with '#'.
[[nodiscard]] LoadOutcome LoadChecksumList(const std::string& path, const std::string& baseFolder, ListKind kind,
                                           int sizeType);
