#pragma once

#include <cstddef>
#include <cstdint>

// The BLAKE3 compression function and its constants (IV, message permutation, flags),
// hash mode only: the key words are the IV and no mode flag is set.

inline constexpr std::size_t kBlake3BlockBytes = 64;
inline constexpr std::size_t kBlake3ChunkBytes = 1024;
inline constexpr std::size_t kBlake3BlocksPerChunk = kBlake3ChunkBytes / kBlake3BlockBytes;
inline constexpr std::size_t kBlake3CvBytes = 32;

inline constexpr std::uint32_t kBlake3ChunkStart = 1u << 0;
inline constexpr std::uint32_t kBlake3ChunkEnd = 1u << 1;
inline constexpr std::uint32_t kBlake3Parent = 1u << 2;
inline constexpr std::uint32_t kBlake3Root = 1u << 3;

inline constexpr std::uint32_t kBlake3Iv[8] = {0x6A09E667u, 0xBB67AE85u, 0x3C6EF372u, 0xA54FF53Au,
                                               0x510E527Fu, 0x9B05688Cu, 0x1F83D9ABu, 0x5BE0CD19u};

// The message word each position takes in the next round.
inline constexpr std::uint8_t kBlake3Permutation[16] = {2, 6, 3, 10, 7, 0, 4, 13, 1, 11, 12, 5, 9, 14, 15, 8};

// Which message word each position takes in round r: the permutation applied r times.
struct Blake3Schedule {
    std::uint8_t word[7][16];
};

constexpr Blake3Schedule MakeBlake3Schedule() noexcept
{
    Blake3Schedule schedule{};
    for (int i = 0; i < 16; ++i) {
        schedule.word[0][i] = static_cast<std::uint8_t>(i);
    }
    for (int r = 1; r < 7; ++r) {
        for (int i = 0; i < 16; ++i) {
            schedule.word[r][i] = schedule.word[r - 1][kBlake3Permutation[i]];
        }
    }
    return schedule;
}

inline constexpr Blake3Schedule kBlake3Schedule = MakeBlake3Schedule();

[[nodiscard]] inline std::uint32_t LoadLittleEndian32(const unsigned char* bytes) noexcept
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

inline void StoreLittleEndian32(unsigned char* bytes, std::uint32_t word) noexcept
{
    bytes[0] = static_cast<unsigned char>(word);
    bytes[1] = static_cast<unsigned char>(word >> 8);
    bytes[2] = static_cast<unsigned char>(word >> 16);
    bytes[3] = static_cast<unsigned char>(word >> 24);
}

// The full 16-word output of one compression: `cv` the input chaining value, `block`
// 64 bytes (zero-padded by the caller), `blockLength` its input bytes.
void Blake3Compress(const std::uint32_t cv[8], const unsigned char block[kBlake3BlockBytes], std::uint64_t counter,
                    std::uint32_t blockLength, std::uint32_t flags, std::uint32_t out[16]) noexcept;

// The truncated compression: the first eight output words replace `cv`.
void Blake3CompressChainingValue(std::uint32_t cv[8], const unsigned char block[kBlake3BlockBytes],
                                 std::uint64_t counter, std::uint32_t blockLength, std::uint32_t flags) noexcept;
