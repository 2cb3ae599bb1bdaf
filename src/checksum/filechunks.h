#pragma once

#include "readbuffer.h"

#include <cstddef>
#include <cstdint>

class ReadOnlyFile;

// The bytes of an opened file in chunks, for the engines, read into this thread's
// read buffer: the whole file with read() from its reading position to its end as it
// is when read, or one range of it with pread() (ranges hashed side by side on several
// threads share the descriptor, not a position). See ReadFileBlocks for the use.
class FileChunks {
public:
    struct Chunk {
        const unsigned char* data = nullptr;
        std::size_t bytes = 0;  // 0 at the end of the file or at an error
        int error = 0;          // errno of a failed read, after the chunk's bytes
    };

    // The whole file from its reading position to its end as it is when read.
    explicit FileChunks(ReadOnlyFile& file);
    // Only bytes [begin, end) of `file`. Other threads may read other ranges of the
    // same file at once.
    FileChunks(ReadOnlyFile& file, std::uint64_t begin, std::uint64_t end);
    FileChunks(const FileChunks&) = delete;
    FileChunks& operator=(const FileChunks&) = delete;

    // The next chunk; after the last one a chunk of 0 bytes, with the error if any.
    [[nodiscard]] Chunk Next();

    // errno for bytes the file lost while it was read: it shrank under the reader, so
    // what was read is no version of the file.
    static constexpr int kShrankError = 5;  // EIO

private:
    [[nodiscard]] Chunk NextRange();
    [[nodiscard]] Chunk NextWhole();

    ReadOnlyFile& m_file;
    bool m_range = false;
    bool m_finished = false;
    bool m_atEnd = false;       // the last read reached the end of the file
    int m_fills = 0;            // buffers filled so far (whole file)
    std::uint64_t m_offset = 0;  // next byte of the range
    std::uint64_t m_end = 0;     // end of the range
    ReadBuffer m_buffer;
};

// Feeds `file` to `hash(data, length)` block by block, calling `after(length)` after
// each block; `after` returns false to stop (an abort). Returns 0 at the end of the
// file or when stopped, else the errno of the failed read (kShrankError when the file
// lost bytes already read); the blocks before a failure were hashed.
template <typename Hash, typename After>
int ReadFileBlocks(FileChunks& chunks, std::size_t blockSize, Hash& hash, After& after)
{
    for (;;) {
        const FileChunks::Chunk chunk = chunks.Next();
        for (std::size_t offset = 0; offset < chunk.bytes; offset += blockSize) {
            const std::size_t length = chunk.bytes - offset < blockSize ? chunk.bytes - offset : blockSize;
            hash(chunk.data + offset, length);
            if (!after(length)) {
                return 0;
            }
        }
        if (chunk.bytes == 0 || chunk.error != 0) {
            return chunk.error;
        }
    }
}
