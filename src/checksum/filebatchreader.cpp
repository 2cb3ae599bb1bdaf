#include "filebatchreader.h"

#include "filebatchring.h"

FileBatchReader::FileBatchReader(std::size_t contentLimit) : m_contentLimit(contentLimit), m_ring(Ring::Create()) {}

FileBatchReader::~FileBatchReader() = default;

void FileBatchReader::UseOneAtATime() noexcept
{
    m_ring.reset();
}

std::vector<ReadOnlyFile> FileBatchReader::Open(std::span<const AnchoredPath> paths)
{
    if (m_ring == nullptr || paths.size() > kMaxBatch) {
        return OpenOneAtATime(paths);
    }
    return m_ring->Open(paths, m_contentLimit);
}

std::vector<ReadOnlyFile> FileBatchReader::OpenOneAtATime(std::span<const AnchoredPath> paths) const
{
    std::vector<ReadOnlyFile> files;
    files.reserve(paths.size());
    for (const AnchoredPath& path : paths) {
        files.emplace_back(path);
        (void)files.back().PreRead(m_contentLimit);
    }
    return files;
}
