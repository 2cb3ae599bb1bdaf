#pragma once

#include "checksumlistcontent.h"
#include "listtypes.h"

#include <cstddef>
#include <cstdio>
#include <string>

inline constexpr std::size_t kListLineLimit = 2000;

struct ListKindDetection {
    std::string baseFolder;  // the path up to and including its last '/', or empty
    ListKind kind = ListKind::None;
    bool known = false;      // ".sfv" or ".md5", compared in lower case
};

// Kind by extension and base folder of a list path; touches no file.
[[nodiscard]] ListKindDetection DetectListKind(const std::string& path);

// Reads the lines of a list file with its own grammar: a break is CR or LF, and a
// second break byte right after it belongs to the same break; a line holds at most
// `limit` bytes (the rest of a longer physical line becomes the next line); end of
// file ends the last line and is noticed only when a read meets it; a leading UTF-8
// byte-order mark is skipped; a line's text ends at its first NUL.
class ListLineReader {
public:
    explicit ListLineReader(std::FILE* stream, std::size_t limit = kListLineLimit);
    // Next line into `line`; false once end of file was met before this call.
    bool ReadListLine(std::string& line);
    // True when a read failed for a reason other than end of file.
    [[nodiscard]] bool Failed() const noexcept { return m_failed; }

private:
    std::FILE* m_stream;
    std::size_t m_limit;
    bool m_eofNoticed = false;
    bool m_failed = false;
    bool m_atStart = true;
};

// Splits one trimmed entry line by kind: SFV at the last space (name, checksum), MD5
// at the first space (checksum, name; an md5sum ' ' or '*' mode marker after that
// space is skipped). The checksum is upper-cased with the ASCII rule.
struct SplitEntry {
    std::string name;
    std::string checksum;
};
[[nodiscard]] SplitEntry SplitEntryLine(const std::string& trimmedLine, ListKind kind);

// The file an entry names: base folder + name, each '\' of the name read as '/'.
[[nodiscard]] std::string ResolveEntryPath(const std::string& baseFolder, const std::string& name);

enum class LoadStatus { Loaded, OpenFailed };

struct LoadOutcome {
    LoadStatus status = LoadStatus::OpenFailed;
    ChecksumListContent content;  // meaningful when Loaded
    [[nodiscard]] int EntryCount() const noexcept { return static_cast<int>(content.names.size()); }
};

// Reads a list file into a new content (names, expected checksums, size texts under
// `sizeType`, TotalBytes of the files that could be opened). A list that cannot be
// opened or read (missing, no access, a folder, a read error) gives OpenFailed, so
// the caller keeps its current list.
[[nodiscard]] LoadOutcome LoadChecksumList(const std::string& path, const std::string& baseFolder, ListKind kind,
                                           int sizeType);
