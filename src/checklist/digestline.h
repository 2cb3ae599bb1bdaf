#pragma once

#include "listtypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One line of a list of the md5sum family (every kind but Sfv), read in the forms
// md5sum, sha1sum, sha256sum and sha512sum write:
//   "hex  name", "hex *name" and "hex name"  (plain; the list kind gives the algorithm)
//   "ALGO (name) = hex"                      (tagged, as --tag, BSD md5 and openssl
//                                             dgst write: the tag gives the algorithm)
// and either one with a leading '\', which marks an escaped name ("\\", "\n", "\r").
struct DigestLine {
    std::string name;
    std::string checksum;      // upper-cased (ASCII only), not validated
    std::uint8_t traits = 0;   // entrytraits: algorithm, exact name, unusable digest
    bool tagged = false;
};

// True for a trimmed line starting with '#': a comment in every kind but Sfv.
[[nodiscard]] bool IsHashComment(std::string_view trimmedLine) noexcept;

// Parses one line that is neither empty nor a comment, without its leading white
// space; everything after the digest's blank and mode marker is the name, blanks at
// its end included. A line starting with a whole digest and a blank is plain, even
// when its name looks like a tagged line. Nothing when the line is improperly
// formatted: no name after its digest, a tag this program does not know, or a bad
// escape.
[[nodiscard]] std::optional<DigestLine> ParseDigestLine(std::string_view line, ListKind kind);

// Why `checksum` cannot be a digest of the row's algorithm, as a short text
// ("SHA256 checksum has 63 hex digits, 64 expected"), or nothing when it can.
[[nodiscard]] std::optional<std::string> DigestProblem(std::string_view checksum, std::uint8_t traits);
