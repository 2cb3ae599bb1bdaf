#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The checksum algorithms a list entry can name. Stored as one byte per row, so the
// values are fixed; new ones are appended. Blake2b is BLAKE2b-512 (b2sum's default).
enum class DigestAlgorithm : std::uint8_t {
    Crc32 = 0,
    Md5 = 1,
    Sha1 = 2,
    Sha256 = 3,
    Sha512 = 4,
    Blake2b = 5,
    Blake3 = 6,
    Sha3_256 = 7,
    Sha3_512 = 8,
};

struct DigestAlgorithmInfo {
    DigestAlgorithm algorithm;
    std::string_view name;    // as a tagged line names it: "MD5", "SHA256", "BLAKE2b"
    std::size_t hexLength;    // digits of its checksum text
};

[[nodiscard]] const DigestAlgorithmInfo& AlgorithmInfo(DigestAlgorithm algorithm) noexcept;

// The algorithm a tag of a tagged line ("MD5 (name) = hex") names, in the spellings
// of sha256sum --tag, b2sum --tag, b3sum and BSD md5 ("SHA256", "BLAKE2b", "BLAKE3")
// and of openssl dgst ("SHA2-256", "BLAKE2B-512", "SHA3-256"); case does not matter.
// Nothing for a tag this program cannot verify (SHA224, BLAKE2b-256...).
[[nodiscard]] std::optional<DigestAlgorithm> AlgorithmFromTag(std::string_view tag) noexcept;

// The algorithm whose checksum text has `hexLength` digits among the digests of the
// md5sum family; where several share a length the older choice stands (SHA-256 before
// BLAKE3 and SHA3-256, SHA-512 before BLAKE2b and SHA3-512). Nothing for any other length.
[[nodiscard]] std::optional<DigestAlgorithm> DigestAlgorithmByLength(std::size_t hexLength) noexcept;
