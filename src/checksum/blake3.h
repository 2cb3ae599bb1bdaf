#pragma once

#include "blake3many.h"
#include "blake3path.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Incremental BLAKE3 (hash mode, default key).
// The input is cut into 1 KiB chunks; chunk chaining values are merged into the tree
// on a stack of subtree chaining values, lazily: a merge waits until more input shows
// that it cannot be the root. Whole chunks given at once are compressed side by side
// (several per SIMD vector) as complete subtrees. One object belongs to one thread.
class Blake3 {
public:
    Blake3() noexcept;
    // Forces the function that compresses chunks side by side (tests and benchmarks);
    // an unsupported one falls back to Auto.
    explicit Blake3(Blake3Path path) noexcept;

    void Update(const unsigned char* data, std::size_t length) noexcept;
    // Extended output: any length, from offset 0; does not change the state.
    void Finalize(unsigned char* out, std::size_t length) const noexcept;
    // 32-byte digest as 64 upper-case hex digits.
    [[nodiscard]] std::string FinalHex() const;

    // For hashing one input in pieces on several threads. A hasher for the subtree of
    // `chunks` chunks (a power of two) that starts at chunk `firstChunk` (a multiple of
    // `chunks`) takes exactly that subtree's bytes; SubtreeChainingValue then gives its
    // chaining value (never the root's output).
    [[nodiscard]] static Blake3 ForSubtree(std::uint64_t firstChunk, Blake3Path path = Blake3Path::Auto) noexcept;
    [[nodiscard]] std::array<unsigned char, 32> SubtreeChainingValue() const noexcept;
    // Takes the chaining value of the next `chunks` chunks (a power of two dividing the
    // chunks taken so far) in place of their bytes; only between whole chunks.
    void AppendSubtree(const std::array<unsigned char, 32>& chainingValue, std::uint64_t chunks) noexcept;
    // Continues with what a subtree hasher took (all of its subtree or a start of it),
    // when this hasher stands between whole chunks at that subtree's first chunk.
    void Adopt(const Blake3& subtree) noexcept;

    [[nodiscard]] Blake3Path ActivePath() const noexcept { return m_path; }

    // The chaining value of a parent node (never the root) from its children's,
    // left then right (64 bytes); `out` may be `children`.
    static void ParentChainingValue(const unsigned char* children, unsigned char* out) noexcept;

    // Whole chunks compressed as one subtree at most; the stack space it needs.
    static constexpr std::size_t kMaxSubtreeChunks = 64;

private:
    struct Output;

    [[nodiscard]] std::size_t ChunkBytes() const noexcept;
    void AddToChunk(const unsigned char* data, std::size_t length) noexcept;
    void StartNextChunk() noexcept;
    [[nodiscard]] Output ChunkOutput() const noexcept;
    [[nodiscard]] Output RootOutput() const noexcept;
    // Hashes `chunks` whole chunks (a power of two) starting at chunk `m_chunkCounter`
    // to the subtree's chaining value, or with `children` to its two children's.
    void HashSubtree(const unsigned char* data, std::size_t chunks, bool children, unsigned char* out) const noexcept;
    // Pushes the chaining value of `chunks` chunks that follow the `m_chunkCounter` before them.
    void PushChainingValue(const unsigned char* chainingValue) noexcept;
    // Stack entries once every merge is done that the chunks taken so far allow.
    [[nodiscard]] std::size_t SettledEntries() const noexcept;

    Blake3Path m_path;
    Blake3ManyFunction m_many;
    std::array<std::uint32_t, 8> m_chunkCv{};
    std::array<unsigned char, 64> m_block{};
    std::size_t m_blockLength = 0;
    std::size_t m_blocksCompressed = 0;
    std::uint64_t m_firstChunk = 0;    // the first chunk this hasher takes
    std::uint64_t m_chunkCounter = 0;  // index of the chunk being filled
    // Subtree chaining values, oldest (largest) first; one more than the 54 levels of a
    // 2^64-byte input, as the newest waits unmerged.
    std::array<unsigned char, 56 * 32> m_stack{};
    std::size_t m_stackSize = 0;
};
