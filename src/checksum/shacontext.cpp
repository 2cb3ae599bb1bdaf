#include "shacontext.h"

#include <openssl/evp.h>

#include <stdexcept>

namespace {

struct DigestFree {
    void operator()(EVP_MD* digest) const noexcept { EVP_MD_free(digest); }
};
using DigestPointer = std::unique_ptr<EVP_MD, DigestFree>;

// Fetched once per process: an explicit fetch spares libcrypto a lookup per file.
const EVP_MD* FetchedDigest(DigestAlgorithm algorithm)
{
    static const DigestPointer sha1(EVP_MD_fetch(nullptr, "SHA1", nullptr));
    static const DigestPointer sha256(EVP_MD_fetch(nullptr, "SHA256", nullptr));
    static const DigestPointer sha512(EVP_MD_fetch(nullptr, "SHA512", nullptr));
    static const DigestPointer blake2b(EVP_MD_fetch(nullptr, "BLAKE2B-512", nullptr));
    static const DigestPointer sha3With256(EVP_MD_fetch(nullptr, "SHA3-256", nullptr));
    static const DigestPointer sha3With512(EVP_MD_fetch(nullptr, "SHA3-512", nullptr));
    switch (algorithm) {
    case DigestAlgorithm::Sha1: return sha1.get();
    case DigestAlgorithm::Sha256: return sha256.get();
    case DigestAlgorithm::Sha512: return sha512.get();
    case DigestAlgorithm::Blake2b: return blake2b.get();
    case DigestAlgorithm::Sha3_256: return sha3With256.get();
    case DigestAlgorithm::Sha3_512: return sha3With512.get();
    default: return nullptr;
    }
}

}  // namespace

void ShaContext::ContextFree::operator()(evp_md_ctx_st* context) const noexcept
{
    EVP_MD_CTX_free(context);
}

bool ShaContext::SupportsAlgorithm(DigestAlgorithm algorithm) noexcept
{
    switch (algorithm) {
    case DigestAlgorithm::Sha1:
    case DigestAlgorithm::Sha256:
    case DigestAlgorithm::Sha512:
    case DigestAlgorithm::Blake2b:
    case DigestAlgorithm::Sha3_256:
    case DigestAlgorithm::Sha3_512: return true;
    default: return false;
    }
}

ShaContext::ShaContext(DigestAlgorithm algorithm) : m_context(EVP_MD_CTX_new())
{
    const EVP_MD* digest = SupportsAlgorithm(algorithm) ? FetchedDigest(algorithm) : nullptr;
    if (!m_context || digest == nullptr || EVP_DigestInit_ex2(m_context.get(), digest, nullptr) != 1) {
        throw std::runtime_error("libcrypto cannot provide the digest");
    }
}

ShaContext::~ShaContext() = default;

void ShaContext::Update(const unsigned char* data, std::size_t length) noexcept
{
    // Cannot fail for an initialised software digest.
    EVP_DigestUpdate(m_context.get(), data, length);
}

std::string ShaContext::Final()
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    EVP_DigestFinal_ex(m_context.get(), digest, &length);
    std::string text(std::size_t{length} * 2, '0');
    for (unsigned int i = 0; i < length; ++i) {
        text[std::size_t{i} * 2] = kDigits[digest[i] >> 4];
        text[std::size_t{i} * 2 + 1] = kDigits[digest[i] & 0xFu];
    }
    return text;
}
