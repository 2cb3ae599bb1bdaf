#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// MD5 exactly as RFC 1321. The field order is the RFC's context.
class Md5 {
public:
    Md5() noexcept { Init(); }
    virtual ~Md5() = default;
    Md5(const Md5&) = default;
    Md5& operator=(const Md5&) = default;

    // Count 0, buffer zeroed, state set to the RFC's initial words.
    void Init() noexcept;
    void Update(const unsigned char* data, std::size_t length) noexcept;
    // One 64-byte block into the state.
    void Transform(const unsigned char block[64]) noexcept;
    // Pads, appends the length and returns the digest as 32 upper-case hex digits.
    // The context is finished afterwards; Init starts it again.
    [[nodiscard]] std::string Final();

private:
    // `blocks` consecutive 64-byte blocks, keeping the state in registers throughout.
    void TransformBlocks(const unsigned char* data, std::size_t blocks) noexcept;

    unsigned char m_buffer[64];
    std::uint32_t m_count[2];  // bits processed, low word first
    std::uint32_t m_state[4];  // A, B, C, D
};

// The RFC 1321 transform of `blocks` consecutive 64-byte blocks on a bare state (A, B,
// C, D): the work of Md5::Transform, for engines that keep their own states.
void Md5TransformBlocks(std::uint32_t state[4], const unsigned char* data, std::size_t blocks) noexcept;
