#pragma once

#include <cstdint>

// Kind of an opened checksum list; also the output kind of generation. Sha1, Sha256
// and Sha512 are the lists of sha1sum, sha256sum and sha512sum (read only).
enum class ListKind : std::int32_t { None = 0, Sfv = 1, Md5 = 2, Sha1 = 3, Sha256 = 4, Sha512 = 5 };

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
