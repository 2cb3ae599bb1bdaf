#pragma once

#include "blake3.h"

#include <cstddef>
#include <string>

// The input of the published BLAKE3 test vectors: byte i is i % 251.
inline std::string Blake3VectorInput(std::size_t length)
{
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>(i % 251);
    }
    return bytes;
}

inline const unsigned char* Bytes(const std::string& text)
{
    return reinterpret_cast<const unsigned char*>(text.data());
}

// Bytes as lower-case hex (b3sum's form).
inline std::string LowerHex(const unsigned char* bytes, std::size_t length)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 15];
    }
    return text;
}

inline std::string LowerHex(const Blake3& hasher)
{
    unsigned char digest[32];
    hasher.Finalize(digest, sizeof digest);
    return LowerHex(digest, sizeof digest);
}

// `length` output bytes of `bytes` hashed in one update, as lower-case hex (b3sum's form).
inline std::string Blake3Hex(const std::string& bytes, std::size_t length = 32,
                             Blake3Path path = Blake3Path::Auto)
{
    Blake3 hasher(path);
    hasher.Update(Bytes(bytes), bytes.size());
    std::string out(length, '\0');
    hasher.Finalize(reinterpret_cast<unsigned char*>(out.data()), length);
    return LowerHex(Bytes(out), length);
}
