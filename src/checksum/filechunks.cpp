#include "filechunks.h"

#include "readonlyfile.h"

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

static_assert(FileChunks::kShrankError == EIO);

namespace {

std::uint64_t PageSize() noexcept
{
    static const auto size = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    return size;
}

}  // namespace

bool FileChunks::MostlyCached(int fd, std::uint64_t size) noexcept
{
    constexpr int kSamples = 64;
    if (size == 0) {
        return false;
    }
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
    if (map == MAP_FAILED) {
        return false;
    }
    const std::uint64_t page = PageSize();
    int resident = 0;
    for (int sample = 0; sample < kSamples; ++sample) {
        const std::uint64_t offset = size / kSamples * static_cast<std::uint64_t>(sample) / page * page;
        unsigned char state = 0;
        if (::mincore(static_cast<char*>(map) + offset, page, &state) == 0 && (state & 1u) != 0) {
            ++resident;
        }
    }
    ::munmap(map, size);
    return resident >= kSamples * 7 / 8;
}

FileChunks::FileChunks(ReadOnlyFile& file)
    : m_file(file), m_fd(file.Descriptor()), m_offset(file.Position()), m_end(file.Size())
{
    m_mapping = m_fd >= 0 && m_end > m_offset && m_end - m_offset >= kMapThreshold && m_offset % PageSize() == 0 &&
                MostlyCached(m_fd, m_end);
    if (!m_mapping) {
        ReadFrom(m_offset);
    } else if (m_end - m_offset > kWindow) {
        m_file.AdviseSequential();
    }
}

FileChunks::FileChunks(ReadOnlyFile& file, std::uint64_t begin, std::uint64_t end)
    : m_file(file), m_fd(file.Descriptor()), m_range(true), m_mapping(true), m_offset(begin), m_end(end)
{
}

FileChunks::~FileChunks()
{
    Unmap();
}

void FileChunks::Unmap() noexcept
{
    if (m_window != nullptr) {
        ::munmap(m_window, m_windowLength);
        m_window = nullptr;
    }
}

void FileChunks::ReadFrom(std::uint64_t offset)
{
    m_mapping = false;
    if (m_file.Position() != offset && !m_file.SkipTo(offset)) {
        m_finished = true;
        return;
    }
    if (!m_buffer) {
        m_buffer.emplace();
        if (m_file.Size() > ReadBuffer::kCapacity) {
            m_file.AdviseSequential();
        }
    }
}

FileChunks::Chunk FileChunks::Next()
{
    Unmap();
    if (m_finished) {
        return {};
    }
    return m_mapping ? NextMapped() : NextRead();
}

FileChunks::Chunk FileChunks::NextMapped()
{
    if (m_offset >= m_end) {
        m_finished = m_range;
        if (m_range) {
            return {};
        }
        // A mapping shows a lost tail of the last page as zeros: a file that shrank
        // now reads wrong, and says so. Bytes added since the start are read.
        struct stat now {};
        if (::fstat(m_fd, &now) == 0 && static_cast<std::uint64_t>(now.st_size) < m_end) {
            m_finished = true;
            Chunk lost;
            lost.error = kShrankError;
            return lost;
        }
        ReadFrom(m_end);
        return Next();
    }
    const auto length = static_cast<std::size_t>(std::min<std::uint64_t>(kWindow, m_end - m_offset));
    void* window = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, m_fd, static_cast<off_t>(m_offset));
    if (window == MAP_FAILED) {
        if (m_range) {
            m_finished = true;
            Chunk failed;
            failed.error = errno;
            return failed;
        }
        ReadFrom(m_offset);  // a file system without mappings, or no address space left
        return Next();
    }
    // Read-ahead keeps the disk busy while the pages already read are hashed; filling
    // the window's pages when it is mapped (MAP_POPULATE) is no faster on cached files
    // and slower on uncached ones, where it reads the whole window before any hashing.
    ::madvise(window, length, MADV_SEQUENTIAL);
    m_window = window;
    m_windowLength = length;
    m_offset += length;
    Chunk chunk;
    chunk.data = static_cast<const unsigned char*>(window);
    chunk.bytes = length;
    chunk.mapped = true;
    return chunk;
}

FileChunks::Chunk FileChunks::NextRead()
{
    const ReadOnlyFile::FillResult filled = m_file.Fill(m_buffer->Data(), ReadBuffer::kCapacity);
    m_finished = filled.bytes < ReadBuffer::kCapacity;
    Chunk chunk;
    chunk.data = m_buffer->Data();
    chunk.bytes = filled.bytes;
    chunk.error = filled.error;
    return chunk;
}
