#include "filebatchreader.h"

#include "filebatchring.h"
#include "filesize.h"

#include <algorithm>
#include <optional>

FileBatchReader::FileBatchReader(std::size_t contentLimit) : m_contentLimit(contentLimit), m_ring(Ring::Create()) {}

FileBatchReader::~FileBatchReader() = default;

void FileBatchReader::UseOneAtATime() noexcept
{
    m_ring.reset();
}

std::vector<ReadOnlyFile> FileBatchReader::Open(std::span<const AnchoredPath> paths)
{
    std::vector<ReadOnlyFile> files;
    files.reserve(paths.size());
    for (std::size_t first = 0; first < paths.size(); first += kMaxBatch) {
        const std::span<const AnchoredPath> batch = paths.subspan(first, std::min(kMaxBatch, paths.size() - first));
        if (m_ring == nullptr) {
            for (ReadOnlyFile& file : OpenOneAtATime(batch)) {
                files.push_back(std::move(file));
            }
            continue;
        }
        for (ReadOnlyFile& file : m_ring->Open(batch, m_contentLimit)) {
            files.push_back(std::move(file));
        }
        if (m_ring->Broken()) {
            m_ring.reset();
        }
    }
    return files;
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

std::vector<std::optional<struct stat>> FileBatchReader::Look(std::span<const AnchoredPath> paths)
{
    std::vector<std::optional<struct stat>> looks;
    if (m_ring != nullptr && paths.size() <= kMaxBatch) {
        looks = m_ring->Look(paths);
        if (m_ring->Broken()) {
            m_ring.reset();
        }
        return looks;
    }
    looks.resize(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        struct stat status {};
        if (::fstatat(paths[i].folderFd, paths[i].path, &status, 0) == 0) {
            looks[i] = status;
        }
    }
    return looks;
}

void FileBatchReader::QuerySizes(std::span<const AnchoredPath> paths, std::span<std::uint64_t> sizes,
                                 std::uint64_t absent)
{
    if (m_ring == nullptr) {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            std::uint64_t size = 0;
            sizes[i] = QueryFileSize(paths[i], size) ? size : absent;
        }
        return;
    }
    const std::vector<std::optional<struct stat>> looks = Look(paths);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        std::uint64_t size = 0;
        sizes[i] = looks[i] && ReadableFileSize(paths[i], *looks[i], size) ? size : absent;
    }
}
