#include "digestalgorithm.h"

#include "asciitext.h"

#include <array>

namespace {

// In value order; by length the first of a length wins.
constexpr std::array<DigestAlgorithmInfo, 9> kAlgorithms{{
    {DigestAlgorithm::Crc32, "CRC32", 8},
    {DigestAlgorithm::Md5, "MD5", 32},
    {DigestAlgorithm::Sha1, "SHA1", 40},
    {DigestAlgorithm::Sha256, "SHA256", 64},
    {DigestAlgorithm::Sha512, "SHA512", 128},
    {DigestAlgorithm::Blake2b, "BLAKE2b", 128},
    {DigestAlgorithm::Blake3, "BLAKE3", 64},
    {DigestAlgorithm::Sha3_256, "SHA3-256", 64},
    {DigestAlgorithm::Sha3_512, "SHA3-512", 128},
}};

constexpr bool InValueOrder() noexcept
{
    for (std::size_t i = 0; i < kAlgorithms.size(); ++i) {
        if (static_cast<std::size_t>(kAlgorithms[i].algorithm) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InValueOrder(), "AlgorithmInfo looks an algorithm up by its value");

struct TagSpelling {
    std::string_view tag;
    DigestAlgorithm algorithm;
};

constexpr std::array<TagSpelling, 13> kTags{{
    {"MD5", DigestAlgorithm::Md5},
    {"SHA1", DigestAlgorithm::Sha1},
    {"SHA-1", DigestAlgorithm::Sha1},
    {"SHA256", DigestAlgorithm::Sha256},
    {"SHA2-256", DigestAlgorithm::Sha256},
    {"SHA512", DigestAlgorithm::Sha512},
    {"SHA2-512", DigestAlgorithm::Sha512},
    {"BLAKE2b", DigestAlgorithm::Blake2b},
    {"BLAKE2b-512", DigestAlgorithm::Blake2b},
    {"BLAKE2b512", DigestAlgorithm::Blake2b},
    {"BLAKE3", DigestAlgorithm::Blake3},
    {"SHA3-256", DigestAlgorithm::Sha3_256},
    {"SHA3-512", DigestAlgorithm::Sha3_512},
}};

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

const DigestAlgorithmInfo& AlgorithmInfo(DigestAlgorithm algorithm) noexcept
{
    const auto index = static_cast<std::size_t>(algorithm);
    return index < kAlgorithms.size() ? kAlgorithms[index] : kAlgorithms[0];
}

std::optional<DigestAlgorithm> AlgorithmFromTag(std::string_view tag) noexcept
{
    for (const TagSpelling& spelling : kTags) {
        if (EqualIgnoringAsciiCase(tag, spelling.tag)) {
            return spelling.algorithm;
        }
    }
    return std::nullopt;
}

std::optional<DigestAlgorithm> DigestAlgorithmByLength(std::size_t hexLength) noexcept
{
    for (const DigestAlgorithmInfo& info : kAlgorithms) {
        if (info.algorithm != DigestAlgorithm::Crc32 && info.hexLength == hexLength) {
            return info.algorithm;
        }
    }
    return std::nullopt;
}
