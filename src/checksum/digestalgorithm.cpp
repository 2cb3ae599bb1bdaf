#include "digestalgorithm.h"

#include "asciitext.h"

#include <array>

namespace {

constexpr std::array<DigestAlgorithmInfo, 5> kAlgorithms{{
    {DigestAlgorithm::Crc32, "CRC32", 8},
    {DigestAlgorithm::Md5, "MD5", 32},
    {DigestAlgorithm::Sha1, "SHA1", 40},
    {DigestAlgorithm::Sha256, "SHA256", 64},
    {DigestAlgorithm::Sha512, "SHA512", 128},
}};

struct TagSpelling {
    std::string_view tag;
    DigestAlgorithm algorithm;
};

constexpr std::array<TagSpelling, 7> kTags{{
    {"MD5", DigestAlgorithm::Md5},
    {"SHA1", DigestAlgorithm::Sha1},
    {"SHA-1", DigestAlgorithm::Sha1},
    {"SHA256", DigestAlgorithm::Sha256},
    {"SHA2-256", DigestAlgorithm::Sha256},
    {"SHA512", DigestAlgorithm::Sha512},
    {"SHA2-512", DigestAlgorithm::Sha512},
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
