#pragma once

#include <cstdint>

// Kind of an opened checksum list; also the output kind of generation. Every kind after
// Sfv is a list of the md5sum family: md5sum, sha1sum, sha256sum, sha512sum, b2sum
// (BLAKE2b-512), b3sum, and tagged SHA3 lines (read only). Values are stored (settings,
// generation jobs), so they are fixed; new ones are appended.
enum class ListKind : std::int32_t {
    None = 0,
    Sfv = 1,
    Md5 = 2,
    Sha1 = 3,
    Sha256 = 4,
    Sha512 = 5,
    Blake2b = 6,
    Blake3 = 7,
    Sha3_256 = 8,
    Sha3_512 = 9,
};

// Verdict of one entry, stored as the index of the row's state icon.
enum class EntryStatus : std::uint8_t { Unchecked = 0, Checking = 1, Bad = 2, OK = 3, Missing = 4 };

enum class RunState : std::int32_t { Running = 0, Paused = 1, Stopped = 2 };

// Size display mode ("SizeType" setting); any other value displays as Bytes.
inline constexpr int kSizeTypeAuto = 0;
inline constexpr int kSizeTypeKB = 1;
inline constexpr int kSizeTypeBytes = 2;

struct Counters {
    std::int32_t ok = 0;
    std::int32_t bad = 0;
    std::int32_t missing = 0;
    std::int32_t unchecked = 0;
    friend bool operator==(const Counters&, const Counters&) = default;
};
