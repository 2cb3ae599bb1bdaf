#pragma once

#include "digestalgorithm.h"

#include <cstddef>
#include <memory>
#include <string>

struct evp_md_ctx_st;

// SHA-1, SHA-256, SHA-512, BLAKE2b-512, SHA3-256 or SHA3-512 through OpenSSL's
// libcrypto, which picks the fastest code the CPU allows (SHA extensions, AVX2) at run
// time. One context hashes one stream.
class ShaContext {
public:
    // `algorithm` must be one libcrypto provides; SupportsAlgorithm tells.
    explicit ShaContext(DigestAlgorithm algorithm);
    ~ShaContext();
    ShaContext(const ShaContext&) = delete;
    ShaContext& operator=(const ShaContext&) = delete;

    [[nodiscard]] static bool SupportsAlgorithm(DigestAlgorithm algorithm) noexcept;

    void Update(const unsigned char* data, std::size_t length) noexcept;
    // The digest as upper-case hex digits (40, 64 or 128); the context is finished
    // afterwards.
    [[nodiscard]] std::string Final();

private:
    struct ContextFree {
        void operator()(evp_md_ctx_st* context) const noexcept;
    };
    std::unique_ptr<evp_md_ctx_st, ContextFree> m_context;
};
