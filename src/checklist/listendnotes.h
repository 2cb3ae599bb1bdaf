#pragma once

// The comment lines that end a list whose making did not list every chosen file: one
// per file left out (a file that could not be read, a name the format cannot hold, a
// file not reached before the run was cut short), then, for a list cut short, the
// marker saying the list is incomplete. They are comments of the list's kind (';' in
// SFV, '#' in MD5), which the format's peers skip, and the reader notices the marker.

#include "listtypes.h"

#include <string>
#include <string_view>

// The words of the marker, after the comment sign.
inline constexpr char kIncompleteListText[] = "INCOMPLETE LIST: its making was cut short before every file was read.";

// The marker line of a list of `kind`: the comment sign, a space, the words, the line end.
[[nodiscard]] std::string IncompleteListMarkerLine(ListKind kind);
// "Not listed: <name> (<reason>)" as a comment line of `kind`; a line break in the name
// is shown as '?', so the comment stays one line.
[[nodiscard]] std::string NotListedCommentLine(ListKind kind, const std::string& name, const std::string& reason);

// True for a trimmed line of a list of `kind` that is the incomplete-list marker (the
// kind's comment sign, blanks, then the words).
[[nodiscard]] bool IsIncompleteListMarker(std::string_view trimmedLine, ListKind kind) noexcept;

// What a front end says when it opens a list that has the marker.
[[nodiscard]] std::string IncompleteListMessage(const std::string& listPath);
