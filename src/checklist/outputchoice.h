#pragma once

// The rules of choosing where a new list goes and which kind it is. The save dialog
// itself belongs to the window; these are the decisions around it.

#include "listtypes.h"

#include <string>

// The kinds a new list can be, in the order of the save dialog's filter and of the
// Generate drop-down: SFV, MD5, SHA-1, SHA-256, SHA-512, BLAKE2b, BLAKE3.

// The kind a Generate command asks for: 5003 lets the user pick it (None), 32788 SFV,
// 32787 MD5, 32800 to 32804 SHA-1, SHA-256, SHA-512, BLAKE2b, BLAKE3. Any other command
// asks for nothing (None).
[[nodiscard]] ListKind RequestedKindOfCommand(int commandId) noexcept;
// The drop-down command that asks for `kind`; 0 for a kind no list is made of.
[[nodiscard]] int GenerateCommandOf(ListKind kind) noexcept;
// A requested kind that is no kind a new list can be counts as None (the user picks).
[[nodiscard]] ListKind NormalizeRequestedKind(int requestedKind) noexcept;
// The save dialog's filter text for a requested kind, in description|pattern pairs
// ended by "||": every kind for None, one entry for a fixed kind.
[[nodiscard]] std::string OutputFilter(ListKind requestedKind);
// The kind written: the requested kind when fixed, otherwise the 1-based filter entry
// that was selected when the dialog closed (1 SFV, 2 MD5, 3 SHA-1 ... 7 BLAKE3;
// anything else SFV).
[[nodiscard]] ListKind ChosenOutputKind(ListKind requestedKind, int selectedFilterIndex) noexcept;
// The path with the kind's extension (".sfv", ".md5", ".sha1", ".sha256", ".sha512",
// ".b2", ".b3") appended unless it already ends in it, compared in lower case: LIST.SFV
// stays, list.md5 with kind SFV becomes list.md5.sfv. A SHA or BLAKE list named as its
// tools' lists are (SHA256SUMS, B3SUMS) keeps that name.
[[nodiscard]] std::string WithListExtension(const std::string& path, ListKind kind);
