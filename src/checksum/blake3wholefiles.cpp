#include "blake3wholefiles.h"

#include "blake3.h"
#include "blake3compress.h"
#include "readonlyfile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

// A file's content and the chaining values of its chunks compressed with the others'.
struct WholeFile {
    ReadOnlyFile* file = nullptr;
    std::span<const unsigned char> content;
    std::size_t sideBySide = 0;  // its first chunks that go side by side with other files'
    std::vector<std::array<unsigned char, kBlake3CvBytes>> chainingValues;
};

// The chunks compressed side by side: whole chunks that are not the root. A file of
// one chunk is its own root; a last chunk short of 1 KiB has a short last block.
std::size_t SideBySideChunks(std::size_t bytes) noexcept
{
    const std::size_t chunks = (bytes + kBlake3ChunkBytes - 1) / kBlake3ChunkBytes;
    if (chunks < 2) {
        return 0;
    }
    return bytes % kBlake3ChunkBytes == 0 ? chunks : chunks - 1;
}

}  // namespace

void Blake3OfWholeFiles(std::span<ReadOnlyFile* const> files, Blake3Path path)
{
    std::vector<WholeFile> whole;
    std::size_t mostChunks = 0;
    for (ReadOnlyFile* file : files) {
        const std::span<const unsigned char> content = file->WholeContent();
        if (content.empty()) {
            continue;
        }
        WholeFile& added = whole.emplace_back();
        added.file = file;
        added.content = content;
        added.sideBySide = SideBySideChunks(content.size());
        added.chainingValues.resize(added.sideBySide);
        mostChunks = std::max(mostChunks, added.sideBySide);
    }
    // Chunk i of every file at once: they share the counter i, as the function wants.
    const Blake3ManyFunction many = Blake3ManyFor(Blake3ResolvePath(path));
    std::vector<const unsigned char*> inputs;
    std::vector<WholeFile*> owners;
    std::vector<unsigned char> out;
    for (std::size_t chunk = 0; chunk < mostChunks; ++chunk) {
        inputs.clear();
        owners.clear();
        for (WholeFile& each : whole) {
            if (chunk < each.sideBySide) {
                inputs.push_back(each.content.data() + chunk * kBlake3ChunkBytes);
                owners.push_back(&each);
            }
        }
        out.resize(inputs.size() * kBlake3CvBytes);
        many(inputs.data(), inputs.size(), kBlake3BlocksPerChunk, chunk, false, 0, kBlake3ChunkStart, kBlake3ChunkEnd,
             out.data());
        for (std::size_t i = 0; i < owners.size(); ++i) {
            std::memcpy(owners[i]->chainingValues[chunk].data(), out.data() + i * kBlake3CvBytes, kBlake3CvBytes);
        }
    }
    for (WholeFile& each : whole) {
        Blake3 hasher(path);
        for (const auto& chainingValue : each.chainingValues) {
            hasher.AppendSubtree(chainingValue, 1);
        }
        const std::size_t done = each.sideBySide * kBlake3ChunkBytes;
        hasher.Update(each.content.data() + done, each.content.size() - done);
        each.file->SetContentBlake3(hasher.FinalHex());
    }
}
