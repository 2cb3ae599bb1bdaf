#pragma once

#include "listtypes.h"

#include <string>
#include <string_view>

// A line without the white space (space, tab, LF, VT, FF, CR) at both ends.
[[nodiscard]] std::string_view TrimListLine(std::string_view line) noexcept;

// A line without the white space at its start: what an md5sum-family line is read
// from, since its name runs to the end of the line, trailing blanks included.
[[nodiscard]] std::string_view TrimListLineStart(std::string_view line) noexcept;

// True for a trimmed line that holds no entry: empty, or a comment starting with ';'.
[[nodiscard]] bool IsIgnoredListLine(std::string_view trimmedLine) noexcept;

// Splits one trimmed entry line by kind; only the space (0x20) separates fields.
// SFV splits at the last space (name, checksum; no space: all name). MD5 splits at the
// first space (checksum, name; no space: all checksum), and one md5sum mode marker
// (' ' text, '*' binary) right after that space is skipped, so "digest  name" and
// "digest *name" give the name md5sum meant. Any kind other than Md5 splits as SFV.
// Neither field is trimmed or validated; the checksum is upper-cased (ASCII only).
struct SplitEntry {
    std::string name;
    std::string checksum;
};
[[nodiscard]] SplitEntry SplitEntryLine(std::string_view trimmedLine, ListKind kind);
