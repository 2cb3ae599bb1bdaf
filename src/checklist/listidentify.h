#pragma once

#include "listpaths.h"

#include <string>

// The kind of a list file, found in this order: the extension DetectListKind knows
// (".sfv", ".md5"); the extensions ".sha1", ".sha256", ".sha512", ".b2", ".b3" or the
// names "MD5SUMS", "SHA1SUMS", "SHA256SUMS", "SHA512SUMS", "B2SUMS", "B3SUMS" (any
// case); failing those, the file's first entry line: a tagged line gives its
// algorithm's kind, a plain "hex  name" line the kind whose digest has that many hex
// digits (SHA-256 for 64, SHA-512 for 128). Only the last step reads the file (its
// first lines, only when it is a regular file); a kind taken from a plain line's digest
// length is marked guessed, since other algorithms (BLAKE3, BLAKE2b, SHA3) have digests
// of the same lengths.
[[nodiscard]] ListKindDetection IdentifyListKind(const std::string& path);

// The kind the extension or name gives, touching no file; None when neither does.
[[nodiscard]] ListKind ListKindFromName(const std::string& path);

// The kind a list's first entry line (without leading white space, not a comment)
// suggests; None when it is no md5sum-family line.
[[nodiscard]] ListKind ListKindFromLine(std::string_view line);
