#include "md5.h"

#include "hextext.h"

#include <bit>
#include <cstring>

namespace {

inline std::uint32_t LoadWord(const unsigned char* block, int index) noexcept
{
    std::uint32_t word;
    std::memcpy(&word, block + 4 * index, sizeof word);
    if constexpr (std::endian::native == std::endian::big) {
        word = __builtin_bswap32(word);
    }
    return word;
}

// The four step kinds of RFC 1321. The message word and the constant are added to
// `a` before the round function, off the dependency chain through `b`; G is written
// as a sum because its two terms never share a bit.
template <int Shift>
inline void StepF(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d, std::uint32_t word,
                  std::uint32_t constant) noexcept
{
    a += word + constant;
    a += d ^ (b & (c ^ d));
    a = std::rotl(a, Shift) + b;
}

template <int Shift>
inline void StepG(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d, std::uint32_t word,
                  std::uint32_t constant) noexcept
{
    a += word + constant + (c & ~d);
    a += b & d;
    a = std::rotl(a, Shift) + b;
}

template <int Shift>
inline void StepH(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d, std::uint32_t word,
                  std::uint32_t constant) noexcept
{
    a += word + constant;
    a += b ^ (c ^ d);
    a = std::rotl(a, Shift) + b;
}

template <int Shift>
inline void StepI(std::uint32_t& a, std::uint32_t b, std::uint32_t c, std::uint32_t d, std::uint32_t word,
                  std::uint32_t constant) noexcept
{
    a += word + constant;
    a += c ^ (b | ~d);
    a = std::rotl(a, Shift) + b;
}

void EncodeLittleEndian(unsigned char* out, const std::uint32_t* words, int count) noexcept
{
    for (int i = 0; i < count; ++i) {
        for (int byte = 0; byte < 4; ++byte) {
            out[4 * i + byte] = static_cast<unsigned char>(words[i] >> (8 * byte));
        }
    }
}

}  // namespace

void Md5::Init() noexcept
{
    std::memset(m_buffer, 0, sizeof m_buffer);
    m_count[0] = 0;
    m_count[1] = 0;
    m_state[0] = 0x67452301u;
    m_state[1] = 0xEFCDAB89u;
    m_state[2] = 0x98BADCFEu;
    m_state[3] = 0x10325476u;
}

void Md5::Update(const unsigned char* data, std::size_t length) noexcept
{
    std::size_t index = (m_count[0] >> 3) & 0x3Fu;
    const auto bits = static_cast<std::uint64_t>(length) << 3;  // the count is modulo 2^64 bits
    const std::uint32_t lowBefore = m_count[0];
    m_count[0] += static_cast<std::uint32_t>(bits);
    m_count[1] += static_cast<std::uint32_t>(bits >> 32) + (m_count[0] < lowBefore ? 1u : 0u);

    const std::size_t partLength = 64 - index;
    std::size_t consumed = 0;
    if (length >= partLength) {
        if (index != 0) {
            std::memcpy(m_buffer + index, data, partLength);
            TransformBlocks(m_buffer, 1);
            consumed = partLength;
        }
        const std::size_t blocks = (length - consumed) / 64;
        TransformBlocks(data + consumed, blocks);
        consumed += blocks * 64;
        index = 0;
    }
    if (consumed < length) {
        std::memcpy(m_buffer + index, data + consumed, length - consumed);
    }
}

void Md5::Transform(const unsigned char block[64]) noexcept
{
    TransformBlocks(block, 1);
}

std::string Md5::Final()
{
    unsigned char lengthBytes[8];
    EncodeLittleEndian(lengthBytes, m_count, 2);
    const std::size_t index = (m_count[0] >> 3) & 0x3Fu;
    const std::size_t padLength = index < 56 ? 56 - index : 120 - index;
    static constexpr unsigned char kPadding[64] = {0x80};
    Update(kPadding, padLength);
    Update(lengthBytes, 8);

    unsigned char digest[16];
    EncodeLittleEndian(digest, m_state, 4);
    std::string text;
    text.reserve(32);
    for (const unsigned char byte : digest) {
        AppendHexByte(text, byte);
    }
    return text;
}

void Md5::TransformBlocks(const unsigned char* data, std::size_t blocks) noexcept
{
    Md5TransformBlocks(m_state, data, blocks);
}

void Md5TransformBlocks(std::uint32_t state[4], const unsigned char* data, std::size_t blocks) noexcept
{
    std::uint32_t a = state[0];
    std::uint32_t b = state[1];
    std::uint32_t c = state[2];
    std::uint32_t d = state[3];
    for (; blocks > 0; --blocks, data += 64) {
        const std::uint32_t aa = a;
        const std::uint32_t bb = b;
        const std::uint32_t cc = c;
        const std::uint32_t dd = d;
        const unsigned char* x = data;

        StepF<7>(a, b, c, d, LoadWord(x, 0), 0xd76aa478u);
        StepF<12>(d, a, b, c, LoadWord(x, 1), 0xe8c7b756u);
        StepF<17>(c, d, a, b, LoadWord(x, 2), 0x242070dbu);
        StepF<22>(b, c, d, a, LoadWord(x, 3), 0xc1bdceeeu);
        StepF<7>(a, b, c, d, LoadWord(x, 4), 0xf57c0fafu);
        StepF<12>(d, a, b, c, LoadWord(x, 5), 0x4787c62au);
        StepF<17>(c, d, a, b, LoadWord(x, 6), 0xa8304613u);
        StepF<22>(b, c, d, a, LoadWord(x, 7), 0xfd469501u);
        StepF<7>(a, b, c, d, LoadWord(x, 8), 0x698098d8u);
        StepF<12>(d, a, b, c, LoadWord(x, 9), 0x8b44f7afu);
        StepF<17>(c, d, a, b, LoadWord(x, 10), 0xffff5bb1u);
        StepF<22>(b, c, d, a, LoadWord(x, 11), 0x895cd7beu);
        StepF<7>(a, b, c, d, LoadWord(x, 12), 0x6b901122u);
        StepF<12>(d, a, b, c, LoadWord(x, 13), 0xfd987193u);
        StepF<17>(c, d, a, b, LoadWord(x, 14), 0xa679438eu);
        StepF<22>(b, c, d, a, LoadWord(x, 15), 0x49b40821u);

        StepG<5>(a, b, c, d, LoadWord(x, 1), 0xf61e2562u);
        StepG<9>(d, a, b, c, LoadWord(x, 6), 0xc040b340u);
        StepG<14>(c, d, a, b, LoadWord(x, 11), 0x265e5a51u);
        StepG<20>(b, c, d, a, LoadWord(x, 0), 0xe9b6c7aau);
        StepG<5>(a, b, c, d, LoadWord(x, 5), 0xd62f105du);
        StepG<9>(d, a, b, c, LoadWord(x, 10), 0x02441453u);
        StepG<14>(c, d, a, b, LoadWord(x, 15), 0xd8a1e681u);
        StepG<20>(b, c, d, a, LoadWord(x, 4), 0xe7d3fbc8u);
        StepG<5>(a, b, c, d, LoadWord(x, 9), 0x21e1cde6u);
        StepG<9>(d, a, b, c, LoadWord(x, 14), 0xc33707d6u);
        StepG<14>(c, d, a, b, LoadWord(x, 3), 0xf4d50d87u);
        StepG<20>(b, c, d, a, LoadWord(x, 8), 0x455a14edu);
        StepG<5>(a, b, c, d, LoadWord(x, 13), 0xa9e3e905u);
        StepG<9>(d, a, b, c, LoadWord(x, 2), 0xfcefa3f8u);
        StepG<14>(c, d, a, b, LoadWord(x, 7), 0x676f02d9u);
        StepG<20>(b, c, d, a, LoadWord(x, 12), 0x8d2a4c8au);

        StepH<4>(a, b, c, d, LoadWord(x, 5), 0xfffa3942u);
        StepH<11>(d, a, b, c, LoadWord(x, 8), 0x8771f681u);
        StepH<16>(c, d, a, b, LoadWord(x, 11), 0x6d9d6122u);
        StepH<23>(b, c, d, a, LoadWord(x, 14), 0xfde5380cu);
        StepH<4>(a, b, c, d, LoadWord(x, 1), 0xa4beea44u);
        StepH<11>(d, a, b, c, LoadWord(x, 4), 0x4bdecfa9u);
        StepH<16>(c, d, a, b, LoadWord(x, 7), 0xf6bb4b60u);
        StepH<23>(b, c, d, a, LoadWord(x, 10), 0xbebfbc70u);
        StepH<4>(a, b, c, d, LoadWord(x, 13), 0x289b7ec6u);
        StepH<11>(d, a, b, c, LoadWord(x, 0), 0xeaa127fau);
        StepH<16>(c, d, a, b, LoadWord(x, 3), 0xd4ef3085u);
        StepH<23>(b, c, d, a, LoadWord(x, 6), 0x04881d05u);
        StepH<4>(a, b, c, d, LoadWord(x, 9), 0xd9d4d039u);
        StepH<11>(d, a, b, c, LoadWord(x, 12), 0xe6db99e5u);
        StepH<16>(c, d, a, b, LoadWord(x, 15), 0x1fa27cf8u);
        StepH<23>(b, c, d, a, LoadWord(x, 2), 0xc4ac5665u);

        StepI<6>(a, b, c, d, LoadWord(x, 0), 0xf4292244u);
        StepI<10>(d, a, b, c, LoadWord(x, 7), 0x432aff97u);
        StepI<15>(c, d, a, b, LoadWord(x, 14), 0xab9423a7u);
        StepI<21>(b, c, d, a, LoadWord(x, 5), 0xfc93a039u);
        StepI<6>(a, b, c, d, LoadWord(x, 12), 0x655b59c3u);
        StepI<10>(d, a, b, c, LoadWord(x, 3), 0x8f0ccc92u);
        StepI<15>(c, d, a, b, LoadWord(x, 10), 0xffeff47du);
        StepI<21>(b, c, d, a, LoadWord(x, 1), 0x85845dd1u);
        StepI<6>(a, b, c, d, LoadWord(x, 8), 0x6fa87e4fu);
        StepI<10>(d, a, b, c, LoadWord(x, 15), 0xfe2ce6e0u);
        StepI<15>(c, d, a, b, LoadWord(x, 6), 0xa3014314u);
        StepI<21>(b, c, d, a, LoadWord(x, 13), 0x4e0811a1u);
        StepI<6>(a, b, c, d, LoadWord(x, 4), 0xf7537e82u);
        StepI<10>(d, a, b, c, LoadWord(x, 11), 0xbd3af235u);
        StepI<15>(c, d, a, b, LoadWord(x, 2), 0x2ad7d2bbu);
        StepI<21>(b, c, d, a, LoadWord(x, 9), 0xeb86d391u);

        a += aa;
        b += bb;
        c += cc;
        d += dd;
    }
    state[0] = a;
    state[1] = b;
    state[2] = c;
    state[3] = d;
}
