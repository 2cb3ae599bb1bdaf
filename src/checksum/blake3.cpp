#include "blake3.h"

#include "blake3compress.h"
#include "hextext.h"

#include <algorithm>
#include <bit>
#include <cstring>

// The last compression of a node, kept uncompressed: its chaining value when the node
// is a child, or as many output bytes as wanted when it is the root.
struct Blake3::Output {
    std::uint32_t cv[8];
    unsigned char block[kBlake3BlockBytes];
    std::uint64_t counter;
    std::uint32_t blockLength;
    std::uint32_t flags;

    static Output Parent(const unsigned char* children) noexcept
    {
        Output output{};
        std::copy(std::begin(kBlake3Iv), std::end(kBlake3Iv), output.cv);
        std::memcpy(output.block, children, kBlake3BlockBytes);
        output.counter = 0;
        output.blockLength = kBlake3BlockBytes;
        output.flags = kBlake3Parent;
        return output;
    }

    void ChainingValue(unsigned char* out) const noexcept
    {
        std::uint32_t words[8];
        std::copy(std::begin(cv), std::end(cv), words);
        Blake3CompressChainingValue(words, block, counter, blockLength, flags);
        for (int i = 0; i < 8; ++i) {
            StoreLittleEndian32(out + 4 * i, words[i]);
        }
    }

    // Root output blocks 0, 1, ... (the counter counts output blocks), cut to `length`.
    void RootBytes(unsigned char* out, std::size_t length) const noexcept
    {
        for (std::uint64_t outputBlock = 0; length > 0; ++outputBlock) {
            std::uint32_t words[16];
            Blake3Compress(cv, block, outputBlock, blockLength, flags | kBlake3Root, words);
            unsigned char bytes[kBlake3BlockBytes];
            for (int i = 0; i < 16; ++i) {
                StoreLittleEndian32(bytes + 4 * i, words[i]);
            }
            const std::size_t take = std::min(length, kBlake3BlockBytes);
            std::memcpy(out, bytes, take);
            out += take;
            length -= take;
        }
    }
};

Blake3::Blake3() noexcept : Blake3(Blake3Path::Auto) {}

Blake3::Blake3(Blake3Path path) noexcept : m_path(Blake3ResolvePath(path)), m_many(Blake3ManyFor(m_path))
{
    std::copy(std::begin(kBlake3Iv), std::end(kBlake3Iv), m_chunkCv.begin());
}

Blake3 Blake3::ForSubtree(std::uint64_t firstChunk, Blake3Path path) noexcept
{
    Blake3 hasher(path);
    hasher.m_firstChunk = firstChunk;
    hasher.m_chunkCounter = firstChunk;
    return hasher;
}

std::size_t Blake3::ChunkBytes() const noexcept
{
    return m_blocksCompressed * kBlake3BlockBytes + m_blockLength;
}

void Blake3::AddToChunk(const unsigned char* data, std::size_t length) noexcept
{
    while (length > 0) {
        // A full block is compressed only once a byte follows it: until then it may be
        // the chunk's last and need the end flag.
        if (m_blockLength == kBlake3BlockBytes) {
            const std::uint32_t flags = m_blocksCompressed == 0 ? kBlake3ChunkStart : 0;
            Blake3CompressChainingValue(m_chunkCv.data(), m_block.data(), m_chunkCounter, kBlake3BlockBytes, flags);
            ++m_blocksCompressed;
            m_blockLength = 0;
        }
        const std::size_t take = std::min(kBlake3BlockBytes - m_blockLength, length);
        std::memcpy(m_block.data() + m_blockLength, data, take);
        m_blockLength += take;
        data += take;
        length -= take;
    }
}

void Blake3::StartNextChunk() noexcept
{
    std::copy(std::begin(kBlake3Iv), std::end(kBlake3Iv), m_chunkCv.begin());
    m_blockLength = 0;
    m_blocksCompressed = 0;
    ++m_chunkCounter;
}

Blake3::Output Blake3::ChunkOutput() const noexcept
{
    Output output{};
    std::copy(m_chunkCv.begin(), m_chunkCv.end(), output.cv);
    std::memcpy(output.block, m_block.data(), m_blockLength);  // the rest stays zero: the padding
    output.counter = m_chunkCounter;
    output.blockLength = static_cast<std::uint32_t>(m_blockLength);
    output.flags = kBlake3ChunkEnd | (m_blocksCompressed == 0 ? kBlake3ChunkStart : 0);
    return output;
}

void Blake3::HashSubtree(const unsigned char* data, std::size_t chunks, bool children,
                         unsigned char* out) const noexcept
{
    const unsigned char* inputs[kMaxSubtreeChunks] = {};
    unsigned char levels[2][kMaxSubtreeChunks * kBlake3CvBytes];
    for (std::size_t i = 0; i < chunks; ++i) {
        inputs[i] = data + i * kBlake3ChunkBytes;
    }
    m_many(inputs, chunks, kBlake3BlocksPerChunk, m_chunkCounter, true, 0, kBlake3ChunkStart, kBlake3ChunkEnd,
           levels[0]);
    int level = 0;
    const std::size_t keep = children ? 2 : 1;
    for (std::size_t nodes = chunks; nodes > keep; nodes /= 2) {
        for (std::size_t i = 0; i < nodes / 2; ++i) {
            inputs[i] = levels[level] + 2 * kBlake3CvBytes * i;
        }
        m_many(inputs, nodes / 2, 1, 0, false, kBlake3Parent, 0, 0, levels[1 - level]);
        level = 1 - level;
    }
    std::memcpy(out, levels[level], keep * kBlake3CvBytes);
}

namespace {

// Merges the newest entries of a stack of `entries` chaining values until it holds
// `settled` (one per 1-bit of the chunks they cover). Returns the entries left.
std::size_t SettleStack(unsigned char* stack, std::size_t entries, std::size_t settled) noexcept;

}  // namespace

void Blake3::PushChainingValue(const unsigned char* chainingValue) noexcept
{
    // The stack holds one entry per 1-bit of the chunks taken so far, plus (lazily) the
    // newest entry unmerged. Merging down to the 1-bits now is safe: more input follows.
    m_stackSize = SettleStack(m_stack.data(), m_stackSize, SettledEntries());
    std::memcpy(m_stack.data() + m_stackSize * kBlake3CvBytes, chainingValue, kBlake3CvBytes);
    ++m_stackSize;
}

std::size_t Blake3::SettledEntries() const noexcept
{
    return static_cast<std::size_t>(std::popcount(m_chunkCounter - m_firstChunk));
}

void Blake3::Update(const unsigned char* data, std::size_t length) noexcept
{
    while (length > 0) {
        const std::size_t inChunk = ChunkBytes();
        if (inChunk == kBlake3ChunkBytes) {
            // More input follows, so this chunk is not the only one: never the root.
            unsigned char chainingValue[kBlake3CvBytes];
            ChunkOutput().ChainingValue(chainingValue);
            PushChainingValue(chainingValue);
            StartNextChunk();
            continue;
        }
        if (inChunk == 0 && length > kBlake3ChunkBytes) {
            // Whole chunks as one complete subtree, as large as its alignment allows.
            const std::uint64_t whole = length / kBlake3ChunkBytes;
            auto chunks = static_cast<std::size_t>(std::bit_floor(std::min<std::uint64_t>(whole, kMaxSubtreeChunks)));
            while ((m_chunkCounter - m_firstChunk) % chunks != 0) {
                chunks /= 2;
            }
            unsigned char chainingValues[2 * kBlake3CvBytes];
            if (m_chunkCounter == 0 && chunks * kBlake3ChunkBytes == length) {
                // Perhaps the whole input, its node the root: its two children go on the
                // stack unmerged instead.
                HashSubtree(data, chunks, true, chainingValues);
                PushChainingValue(chainingValues);
                m_chunkCounter += chunks / 2;
                PushChainingValue(chainingValues + kBlake3CvBytes);
                m_chunkCounter += chunks / 2;
            } else {
                HashSubtree(data, chunks, false, chainingValues);
                PushChainingValue(chainingValues);
                m_chunkCounter += chunks;
            }
            data += chunks * kBlake3ChunkBytes;
            length -= chunks * kBlake3ChunkBytes;
            continue;
        }
        const std::size_t take = std::min(kBlake3ChunkBytes - inChunk, length);
        AddToChunk(data, take);
        data += take;
        length -= take;
    }
}

void Blake3::AppendSubtree(const std::array<unsigned char, 32>& chainingValue, std::uint64_t chunks) noexcept
{
    PushChainingValue(chainingValue.data());
    m_chunkCounter += chunks;
}

void Blake3::Adopt(const Blake3& subtree) noexcept
{
    if (subtree.ChunkBytes() == 0 && subtree.m_stackSize == 0) {
        return;  // it took nothing
    }
    // Its bytes follow ours, so our newest entry may merge now; its entries all cover
    // fewer chunks than any of ours and go on top.
    m_stackSize = SettleStack(m_stack.data(), m_stackSize, SettledEntries());
    std::memcpy(m_stack.data() + m_stackSize * kBlake3CvBytes, subtree.m_stack.data(),
                subtree.m_stackSize * kBlake3CvBytes);
    m_stackSize += subtree.m_stackSize;
    m_chunkCv = subtree.m_chunkCv;
    m_block = subtree.m_block;
    m_blockLength = subtree.m_blockLength;
    m_blocksCompressed = subtree.m_blocksCompressed;
    m_chunkCounter = subtree.m_chunkCounter;
}

Blake3::Output Blake3::RootOutput() const noexcept
{
    auto stack = m_stack;
    std::size_t entries = m_stackSize;
    Output output{};
    if (ChunkBytes() > 0 || entries < 2) {
        // The chunks before this one settle first: the last chunk is the right-most leaf.
        entries = SettleStack(stack.data(), entries, SettledEntries());
        output = ChunkOutput();
    } else {
        // The input ended with whole chunks already on the stack: its top two are the
        // last node's children (all below the top are settled).
        output = Output::Parent(stack.data() + (entries - 2) * kBlake3CvBytes);
        entries -= 2;
    }
    for (; entries > 0; --entries) {
        unsigned char children[2 * kBlake3CvBytes];
        std::memcpy(children, stack.data() + (entries - 1) * kBlake3CvBytes, kBlake3CvBytes);
        output.ChainingValue(children + kBlake3CvBytes);
        output = Output::Parent(children);
    }
    return output;
}

namespace {

std::size_t SettleStack(unsigned char* stack, std::size_t entries, std::size_t settled) noexcept
{
    for (; entries > settled; --entries) {
        unsigned char* pair = stack + (entries - 2) * kBlake3CvBytes;
        Blake3::ParentChainingValue(pair, pair);
    }
    return entries;
}

}  // namespace

void Blake3::Finalize(unsigned char* out, std::size_t length) const noexcept
{
    RootOutput().RootBytes(out, length);
}

std::string Blake3::FinalHex() const
{
    unsigned char digest[32];
    Finalize(digest, sizeof digest);
    std::string text;
    text.reserve(64);
    for (const unsigned char byte : digest) {
        AppendHexByte(text, byte);
    }
    return text;
}

std::array<unsigned char, 32> Blake3::SubtreeChainingValue() const noexcept
{
    std::array<unsigned char, 32> chainingValue{};
    if (ChunkBytes() == 0 && m_stackSize == 1) {
        std::memcpy(chainingValue.data(), m_stack.data(), kBlake3CvBytes);  // taken whole at once
    } else {
        RootOutput().ChainingValue(chainingValue.data());
    }
    return chainingValue;
}

void Blake3::ParentChainingValue(const unsigned char* children, unsigned char* out) noexcept
{
    Output::Parent(children).ChainingValue(out);
}
