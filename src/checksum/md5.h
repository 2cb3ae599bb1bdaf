#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// MD5 exactly as RFC 1321. The field order is the RFC's context.
class CMd5 {
public:
    CMd5() noexcept { Init(); }
    virtual ~CMd5() = default;
    CMd5(const CMd5&) = default;
    CMd5& operator=(const CMd5&) = default;

    void Init() noexcept;
    void Update(const unsigned char* data, std::size_t length) noexcept;
    void Transform(const unsigned char block[64]) noexcept;
    // Pads, appends the length and returns the digest as 32 upper-case hex digits.
    [[nodiscard]] std::string Final();

private:
    unsigned char m_buffer[64];
    std::uint32_t m_count[2];  // bits processed, low word first
    std::uint32_t m_state[4];  // A, B, C, D
};
