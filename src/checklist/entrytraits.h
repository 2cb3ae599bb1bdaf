#pragma once

#include "digestalgorithm.h"
#include "listtypes.h"

#include <cstdint>
#include <string>
#include <string_view>

// What a row of a list knows besides its name and checksum, in one byte: the digest
// algorithm its checksum belongs to (a tagged line names its own), whether its name
// is exact (decoded from md5sum's escaped form, so a '\' in it is part of the name,
// not a Windows folder separator), and whether its checksum cannot be a digest of
// its algorithm (wrong length or not hexadecimal), which makes the entry bad.
namespace entrytraits {

inline constexpr std::uint8_t kAlgorithmMask = 0x0F;
inline constexpr std::uint8_t kExactName = 0x40;
inline constexpr std::uint8_t kUnusableDigest = 0x80;

[[nodiscard]] constexpr std::uint8_t Make(DigestAlgorithm algorithm, bool exactName, bool unusableDigest) noexcept
{
    return static_cast<std::uint8_t>(static_cast<std::uint8_t>(algorithm) | (exactName ? kExactName : 0) |
                                     (unusableDigest ? kUnusableDigest : 0));
}

[[nodiscard]] constexpr DigestAlgorithm Algorithm(std::uint8_t traits) noexcept
{
    return static_cast<DigestAlgorithm>(traits & kAlgorithmMask);
}

[[nodiscard]] constexpr bool IsExactName(std::uint8_t traits) noexcept
{
    return (traits & kExactName) != 0;
}

[[nodiscard]] constexpr bool HasUnusableDigest(std::uint8_t traits) noexcept
{
    return (traits & kUnusableDigest) != 0;
}

}  // namespace entrytraits

// The algorithm of a list kind's plain lines (CRC-32 for Sfv and None).
[[nodiscard]] DigestAlgorithm KindAlgorithm(ListKind kind) noexcept;
// The kind whose plain lines carry `algorithm` (None for CRC-32).
[[nodiscard]] ListKind KindOfAlgorithm(DigestAlgorithm algorithm) noexcept;

// The file a row names: ResolveEntryPath, except that an exact name is joined to the
// base folder as it stands.
[[nodiscard]] std::string ResolveRowPath(const std::string& baseFolder, std::string_view name,
                                         std::uint8_t traits);
