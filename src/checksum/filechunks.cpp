#include "filechunks.h"

#include "readonlyfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

static_assert(FileChunks::kShrankError == EIO);

FileChunks::FileChunks(ReadOnlyFile& file) : m_file(file)
{
    if (m_file.Size() > ReadBuffer::kCapacity) {
        m_file.AdviseSequential();
    }
}

FileChunks::FileChunks(ReadOnlyFile& file, std::uint64_t begin, std::uint64_t end)
    : m_file(file), m_range(true), m_offset(begin), m_end(end)
{
}

FileChunks::Chunk FileChunks::Next()
{
    if (m_finished) {
        return {};
    }
    return m_range ? NextRange() : NextWhole();
}

FileChunks::Chunk FileChunks::NextRange()
{
    Chunk chunk;
    chunk.data = m_buffer.Data();
    const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(ReadBuffer::kCapacity, m_end - m_offset));
    const int fd = m_file.Descriptor();
    while (chunk.bytes < want) {
        const ssize_t got = ::pread(fd, m_buffer.Data() + chunk.bytes, want - chunk.bytes,
                                    static_cast<off_t>(m_offset + chunk.bytes));
        if (got > 0) {
            chunk.bytes += static_cast<std::size_t>(got);
        } else if (got == 0) {
            chunk.error = kShrankError;  // the range ends past the file's end now
            break;
        } else if (errno != EINTR) {
            chunk.error = errno;
            break;
        }
    }
    m_offset += chunk.bytes;
    m_finished = chunk.error != 0 || m_offset >= m_end;
    return chunk;
}

FileChunks::Chunk FileChunks::NextWhole()
{
    Chunk chunk;
    if (!m_atEnd) {
        const std::size_t capacity = ReadBuffer::kCapacity;
        const ReadOnlyFile::FillResult filled = m_file.Fill(m_buffer.Data(), capacity);
        ++m_fills;
        m_atEnd = filled.bytes < capacity;
        m_finished = filled.error != 0;
        chunk.data = m_buffer.Data();
        chunk.bytes = filled.bytes;
        chunk.error = filled.error;
        if (chunk.bytes > 0 || chunk.error != 0) {
            return chunk;  // the end is checked at the next call, after these bytes are hashed
        }
    }
    // A file read in several buffers may have shrunk under the reader: bytes read
    // before the cut are gone from it, so the digest is of no version of the file.
    // (One buffer is read in one go; a file read ahead has no descriptor to ask.)
    m_finished = true;
    struct stat now {};
    if (m_fills > 1 && m_file.Descriptor() >= 0 && ::fstat(m_file.Descriptor(), &now) == 0 &&
        static_cast<std::uint64_t>(now.st_size) < m_file.Position()) {
        chunk.error = kShrankError;
    }
    return chunk;
}
