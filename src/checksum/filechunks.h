#pragma once

#include "buserrorguard.h"
#include "readbuffer.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class ReadOnlyFile;

// The bytes of an opened file in chunks, for the engines. A large file in the page
// cache is hashed straight from windows of a mapping of the file (no copy through a
// buffer); a small one, one that must come from the disk, a file read ahead and what
// lies past the size the file had at the start (it grew) are read into the engines'
// read buffer. See ReadFileBlocks for the use.
class FileChunks {
public:
    // Cached files of at least this many bytes are mapped: reading a smaller file
    // through the buffer is as fast.
    static constexpr std::uint64_t kMapThreshold = 8u << 20;
    // Bytes mapped at a time, marked for sequential read-ahead.
    static constexpr std::size_t kWindow = 8u << 20;

    struct Chunk {
        const unsigned char* data = nullptr;
        std::size_t bytes = 0;  // 0 at the end of the file or at an error
        int error = 0;          // errno of a failed read, after the chunk's bytes
        bool mapped = false;    // hash it under RunGuardedAgainstBusError
    };

    // The whole file from its reading position to its end as it is when read.
    explicit FileChunks(ReadOnlyFile& file);
    // Only bytes [begin, end) of `file`, all mapped (the ranges hashed side by side);
    // `begin` a multiple of the page size. Other threads may use other ranges of the
    // same file at once.
    FileChunks(ReadOnlyFile& file, std::uint64_t begin, std::uint64_t end);
    ~FileChunks();
    FileChunks(const FileChunks&) = delete;
    FileChunks& operator=(const FileChunks&) = delete;

    // The next chunk; after the last one a chunk of 0 bytes, with the error if any.
    [[nodiscard]] Chunk Next();

    // Whether the file is read through a mapping (at least at first).
    [[nodiscard]] bool Mapped() const noexcept { return m_mapping; }

    // Whether the first `size` bytes of the file are (nearly all) in the page cache,
    // judged from pages spread evenly over them. Reading from the disk is as fast with
    // read() and its read-ahead, which the engines used before they mapped files.
    [[nodiscard]] static bool MostlyCached(int fd, std::uint64_t size) noexcept;

    // errno for bytes a mapping lost: the file shrank while it was hashed.
    static constexpr int kShrankError = 5;  // EIO

private:
    [[nodiscard]] Chunk NextMapped();
    [[nodiscard]] Chunk NextRead();
    void Unmap() noexcept;
    void ReadFrom(std::uint64_t offset);

    ReadOnlyFile& m_file;
    int m_fd;
    bool m_range = false;
    bool m_mapping = false;     // windows of a mapping, up to m_end
    bool m_finished = false;
    std::uint64_t m_offset;     // next byte to map
    std::uint64_t m_end;        // end of the mapped part
    void* m_window = nullptr;
    std::size_t m_windowLength = 0;
    std::optional<ReadBuffer> m_buffer;
};

// Feeds `file` to `hash(data, length)` block by block (guarded against a file that
// shrinks while mapped), calling `after(length)` after each block; `after` returns
// false to stop (an abort). Returns 0 at the end of the file or when stopped, else the
// errno of the failed read (kShrankError when the file lost mapped bytes); the blocks
// before a failure were hashed.
template <typename Hash, typename After>
int ReadFileBlocks(FileChunks& chunks, std::size_t blockSize, Hash& hash, After& after)
{
    for (;;) {
        const FileChunks::Chunk chunk = chunks.Next();
        for (std::size_t offset = 0; offset < chunk.bytes; offset += blockSize) {
            const unsigned char* data = chunk.data + offset;
            const std::size_t length = chunk.bytes - offset < blockSize ? chunk.bytes - offset : blockSize;
            if (chunk.mapped) {
                auto guarded = [&]() noexcept { hash(data, length); };
                if (!RunGuardedAgainstBusError(data, length, guarded)) {
                    return FileChunks::kShrankError;
                }
            } else {
                hash(data, length);
            }
            if (!after(length)) {
                return 0;
            }
        }
        if (chunk.bytes == 0 || chunk.error != 0) {
            return chunk.error;
        }
    }
}
