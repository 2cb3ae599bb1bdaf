#include "md5lanes.h"

#include "hextext.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstring>

namespace {

Md5LanesPath ResolvePath(Md5LanesPath requested) noexcept
{
    if (requested != Md5LanesPath::Auto && Md5LanesPathSupported(requested)) {
        return requested;
    }
    if (Md5LanesPathSupported(Md5LanesPath::Avx512)) {
        return Md5LanesPath::Avx512;
    }
    if (Md5LanesPathSupported(Md5LanesPath::Avx2)) {
        return Md5LanesPath::Avx2;
    }
    return Md5LanesPath::Scalar;
}

Md5LaneBlockFunction BlocksFor(Md5LanesPath path) noexcept
{
    switch (path) {
#if defined(__x86_64__)
    case Md5LanesPath::Avx2:
        return Md5LaneBlocksAvx2;
    case Md5LanesPath::Avx512:
        return Md5LaneBlocksAvx512;
#endif
    default:
        return Md5LaneBlocksScalar;
    }
}

std::size_t LanesFor(Md5LanesPath path) noexcept
{
    return path == Md5LanesPath::Avx512 ? 16 : 8;
}

constexpr std::uint32_t kInitialState[4] = {0x67452301u, 0xEFCDAB89u, 0x98BADCFEu, 0x10325476u};

}  // namespace

Md5Lanes::Md5Lanes(Md5LanesPath path) noexcept
    : m_path(ResolvePath(path)), m_blocks(BlocksFor(m_path)), m_laneCount(LanesFor(m_path))
{
}

void Md5Lanes::Start(std::size_t lane) noexcept
{
    assert(lane < m_laneCount && m_lanes[lane].state == LaneState::Idle);
    m_lanes[lane] = Lane{};
    m_lanes[lane].state = LaneState::Hungry;
    for (int i = 0; i < 4; ++i) {
        m_states.word[i][lane] = kInitialState[i];
    }
}

void Md5Lanes::Feed(std::size_t lane, const unsigned char* data, std::size_t length, bool last) noexcept
{
    Lane& target = m_lanes[lane];
    assert(lane < m_laneCount && target.state == LaneState::Hungry);
    target.data = data;
    target.length = length;
    target.last = last;
    target.state = LaneState::Busy;
}

void Md5Lanes::Reset(std::size_t lane) noexcept
{
    m_lanes[lane] = Lane{};
}

std::string Md5Lanes::TakeDigest(std::size_t lane)
{
    assert(m_lanes[lane].state == LaneState::Done);
    std::string text;
    text.reserve(32);
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t word = m_states.word[i][lane];
        for (int byte = 0; byte < 4; ++byte) {
            AppendHexByte(text, static_cast<std::uint8_t>(word >> (8 * byte)));
        }
    }
    Reset(lane);
    return text;
}

void Md5Lanes::Pad(Lane& lane) noexcept
{
    // 0x80, zeros up to 56 bytes modulo 64, then the length in bits, little-endian.
    const std::size_t end = lane.pendingLength < 56 ? 64 : 128;
    lane.pending[lane.pendingLength] = 0x80;
    std::fill(lane.pending.begin() + static_cast<std::ptrdiff_t>(lane.pendingLength) + 1,
              lane.pending.begin() + static_cast<std::ptrdiff_t>(end) - 8, 0);
    const std::uint64_t bits = lane.messageBytes << 3;
    for (std::size_t byte = 0; byte < 8; ++byte) {
        lane.pending[end - 8 + byte] = static_cast<unsigned char>(bits >> (8 * byte));
    }
    lane.pendingLength = 0;
    lane.source = lane.pending.data();
    lane.sourceBlocks = end / 64;
    lane.sourceIsSpan = false;
    lane.padded = true;
}

std::size_t Md5Lanes::Prepare(Lane& lane) noexcept
{
    if (lane.padded) {
        lane.state = LaneState::Done;
        return 0;
    }
    std::size_t taken = 0;
    if (lane.pendingLength > 0 || lane.length < 64) {
        // A partial block is completed from the span first; a short rest is kept.
        taken = std::min(64 - lane.pendingLength, lane.length);
        if (taken > 0) {
            std::memcpy(lane.pending.data() + lane.pendingLength, lane.data, taken);
            lane.data += taken;
            lane.length -= taken;
            lane.pendingLength += taken;
            lane.messageBytes += taken;
        }
        if (lane.pendingLength == 64) {
            lane.pendingLength = 0;
            lane.source = lane.pending.data();
            lane.sourceBlocks = 1;
            lane.sourceIsSpan = false;
            return taken;
        }
    } else {
        lane.source = lane.data;
        lane.sourceBlocks = lane.length / 64;
        lane.sourceIsSpan = true;
        return 0;
    }
    // The span is used up with fewer than 64 bytes in hand.
    if (lane.last) {
        Pad(lane);
    } else {
        lane.state = LaneState::Hungry;
    }
    return taken;
}

std::size_t Md5Lanes::Process(std::size_t maxBlocks) noexcept
{
    std::size_t taken = 0;
    std::size_t blocksRun = 0;
    for (;;) {
        bool changed = false;
        std::size_t blocks = maxBlocks - blocksRun;
        std::uint32_t mask = 0;
        const unsigned char* pointers[kMd5MaxLanes] = {};
        for (std::size_t index = 0; index < m_laneCount; ++index) {
            Lane& lane = m_lanes[index];
            if (lane.state == LaneState::Busy && lane.sourceBlocks == 0) {
                taken += Prepare(lane);
                changed = changed || lane.state != LaneState::Busy;
            }
            if (lane.state == LaneState::Busy) {
                mask |= 1u << index;
                pointers[index] = lane.source;
                blocks = std::min(blocks, lane.sourceBlocks);
            }
        }
        if (changed || mask == 0 || blocks == 0) {
            return taken;
        }
        // Lanes without a message read the blocks of a busy lane and keep nothing.
        const unsigned char* standIn = pointers[static_cast<std::size_t>(__builtin_ctz(mask))];
        for (std::size_t index = 0; index < kMd5MaxLanes; ++index) {
            if (pointers[index] == nullptr) {
                pointers[index] = standIn;
            }
        }
        // One busy lane alone runs faster through the scalar transform than in a vector.
        const Md5LaneBlockFunction run = std::has_single_bit(mask) ? Md5LaneBlocksScalar : m_blocks;
        run(m_states, pointers, blocks, mask);
        blocksRun += blocks;
        for (std::size_t index = 0; index < m_laneCount; ++index) {
            Lane& lane = m_lanes[index];
            if ((mask & (1u << index)) == 0) {
                continue;
            }
            lane.source += 64 * blocks;
            lane.sourceBlocks -= blocks;
            if (lane.sourceIsSpan) {
                lane.data += 64 * blocks;
                lane.length -= 64 * blocks;
                lane.messageBytes += 64 * blocks;
                taken += 64 * blocks;
            }
        }
    }
}

std::vector<std::string> Md5Lanes::HashMessages(std::span<const std::span<const unsigned char>> messages)
{
    std::vector<std::string> digests(messages.size());
    std::array<std::size_t, kMd5MaxLanes> owner{};
    std::size_t next = 0;
    const auto refill = [&](std::size_t lane) {
        if (next < messages.size()) {
            owner[lane] = next;
            Start(lane);
            Feed(lane, messages[next].data(), messages[next].size(), true);
            ++next;
        }
    };
    for (std::size_t lane = 0; lane < m_laneCount; ++lane) {
        refill(lane);
    }
    bool busy = next > 0;
    while (busy) {
        (void)Process();
        busy = false;
        for (std::size_t lane = 0; lane < m_laneCount; ++lane) {
            if (m_lanes[lane].state == LaneState::Done) {
                digests[owner[lane]] = TakeDigest(lane);
                refill(lane);
            }
            busy = busy || m_lanes[lane].state != LaneState::Idle;
        }
    }
    return digests;
}
