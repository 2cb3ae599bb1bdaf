#pragma once

#include "md5lanesblocks.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Which block function the lanes use; Auto picks the widest the CPU supports.
// Scalar runs the lanes one after another through Md5's transform (8 lanes), Avx2
// runs 8 lanes and Avx512 16 lanes side by side in vectors (x86-64).
enum class Md5LanesPath { Auto, Scalar, Avx2, Avx512 };

[[nodiscard]] bool Md5LanesPathSupported(Md5LanesPath path) noexcept;
[[nodiscard]] const char* Md5LanesPathName(Md5LanesPath path) noexcept;

// MD5 (RFC 1321) of several independent messages at once, one message per lane.
// A lane takes its message in spans fed one after another; Process runs 64-byte
// blocks in all busy lanes in lockstep until one of them needs its next span or has
// finished, and a finished lane gives its digest as 32 upper-case hex digits (as Md5
// gives it) and can take the next message. While only one lane is busy it runs through
// the scalar transform, the faster then. One object belongs to one thread.
//
// A lane goes Idle -> (Start) Hungry -> (Feed) Busy -> (Process) Hungry again when the
// span is used up, or Done after a span fed as the last -> (TakeDigest) Idle.
class Md5Lanes {
public:
    enum class LaneState { Idle, Hungry, Busy, Done };

    // Forces a block function (tests and benchmarks); an unsupported one falls back to Auto.
    explicit Md5Lanes(Md5LanesPath path = Md5LanesPath::Auto) noexcept;

    // The block function in use: never Auto.
    [[nodiscard]] Md5LanesPath ActivePath() const noexcept { return m_path; }
    [[nodiscard]] std::size_t LaneCount() const noexcept { return m_laneCount; }
    [[nodiscard]] LaneState State(std::size_t lane) const noexcept { return m_lanes[lane].state; }

    // Begins a new, empty message in an idle lane; the lane is then Hungry.
    void Start(std::size_t lane) noexcept;
    // Gives a Hungry lane the next `length` bytes of its message; `last` when they end
    // it. The bytes are read during Process and must stay in place until the lane is
    // Hungry or Done again.
    void Feed(std::size_t lane, const unsigned char* data, std::size_t length, bool last) noexcept;
    // Runs blocks in every Busy lane until one of them leaves Busy (its span is used
    // up, or its message is finished), or `maxBlocks` blocks ran, or no lane is Busy.
    // Returns the message bytes the lanes took from their spans.
    std::size_t Process(std::size_t maxBlocks = SIZE_MAX) noexcept;
    // The digest of a Done lane; the lane is Idle afterwards.
    [[nodiscard]] std::string TakeDigest(std::size_t lane);
    // Drops a lane's message whatever its state; the lane is Idle afterwards.
    void Reset(std::size_t lane) noexcept;

    // The digest of every message, in order, the lanes refilled as messages finish.
    [[nodiscard]] std::vector<std::string> HashMessages(std::span<const std::span<const unsigned char>> messages);

private:
    struct Lane {
        LaneState state = LaneState::Idle;
        const unsigned char* data = nullptr;  // the untaken rest of the fed span
        std::size_t length = 0;
        bool last = false;
        std::uint64_t messageBytes = 0;        // taken so far (the length MD5 appends)
        const unsigned char* source = nullptr;  // whole blocks ready for the block function
        std::size_t sourceBlocks = 0;
        bool sourceIsSpan = false;  // the blocks are read straight from the fed span
        bool padded = false;        // the blocks are the message's padded end
        std::size_t pendingLength = 0;  // bytes of a partial block kept in `pending`
        std::array<unsigned char, 128> pending{};
    };

    // Makes a Busy lane without ready blocks take its next ones, or leave Busy.
    // Returns the bytes it took into `pending`.
    std::size_t Prepare(Lane& lane) noexcept;
    void Pad(Lane& lane) noexcept;

    Md5LanesPath m_path;
    Md5LaneBlockFunction m_blocks;
    std::size_t m_laneCount;
    Md5LaneStates m_states{};
    std::array<Lane, kMd5MaxLanes> m_lanes{};
};
