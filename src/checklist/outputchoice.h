#pragma once

// The rules of choosing where a new list goes and which kind it is. The save dialog
// itself belongs to the window; these are the decisions around it.

#include "listtypes.h"

#include <string>

// The kind a Generate command asks for: 5003 lets the user pick it (None), 32788 SFV,
// 32787 MD5. Any other command asks for nothing (None).
[[nodiscard]] ListKind RequestedKindOfCommand(int commandId) noexcept;
// A requested kind outside None/Sfv/Md5 counts as None (the user picks).
[[nodiscard]] ListKind NormalizeRequestedKind(int requestedKind) noexcept;
// The save dialog's filter text for a requested kind, in description|pattern pairs
// ended by "||": SFV and MD5 for None, one entry for a fixed kind.
[[nodiscard]] std::string OutputFilter(ListKind requestedKind);
// The kind written: the requested kind when fixed, otherwise the 1-based filter entry
// that was selected when the dialog closed (1 SFV, 2 MD5; anything else SFV).
[[nodiscard]] ListKind ChosenOutputKind(ListKind requestedKind, int selectedFilterIndex) noexcept;
// The path with ".sfv" or ".md5" appended unless its last four characters, lower-cased,
// already are that extension: LIST.SFV stays, list.md5 with kind SFV becomes list.md5.sfv.
[[nodiscard]] std::string WithListExtension(const std::string& path, ListKind kind);
