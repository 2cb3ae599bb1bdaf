#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The checksum algorithms a list entry can name. Stored as one byte per row, so the
// values are fixed.
enum class DigestAlgorithm : std::uint8_t { Crc32 = 0, Md5 = 1, Sha1 = 2, Sha256 = 3, Sha512 = 4 };

struct DigestAlgorithmInfo {
    DigestAlgorithm algorithm;
    std::string_view name;    // as a tagged line names it: "MD5", "SHA256"
    std::size_t hexLength;    // digits of its checksum text
};

[[nodiscard]] const DigestAlgorithmInfo& AlgorithmInfo(DigestAlgorithm algorithm) noexcept;

// The algorithm a tag of a tagged line ("MD5 (name) = hex") names, in the spellings
// of sha256sum --tag and BSD md5 ("SHA256") and of openssl dgst ("SHA2-256"); case
// does not matter. Nothing for a tag this program cannot verify (SHA224, BLAKE2b...).
[[nodiscard]] std::optional<DigestAlgorithm> AlgorithmFromTag(std::string_view tag) noexcept;

// The algorithm whose checksum text has `hexLength` digits among the digests of the
// md5sum family (MD5, SHA-1, SHA-256, SHA-512); nothing for any other length.
[[nodiscard]] std::optional<DigestAlgorithm> DigestAlgorithmByLength(std::size_t hexLength) noexcept;
