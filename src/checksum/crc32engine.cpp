#include "crc32engine.h"

#include "abortflag.h"
#include "crc32ranges.h"
#include "crc32tables.h"
#include "filechunks.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readonlyfile.h"

#include <algorithm>
#include <thread>

namespace {

Crc32Path ResolvePath(Crc32Path requested) noexcept
{
    if (requested != Crc32Path::Auto && Crc32PathSupported(requested)) {
        return requested;
    }
    if (Crc32PathSupported(Crc32Path::Vpclmul)) {
        return Crc32Path::Vpclmul;
    }
    if (Crc32PathSupported(Crc32Path::Pclmul)) {
        return Crc32Path::Pclmul;
    }
    return Crc32Path::Slicing16;
}

auto FoldFor(Crc32Path path) noexcept
{
    switch (path) {
    case Crc32Path::Table:
        return &Crc32FoldTable;
#if defined(__x86_64__)
    case Crc32Path::Pclmul:
        return &Crc32FoldPclmul;
    case Crc32Path::Vpclmul:
        return &Crc32FoldVpclmul;
#endif
    default:
        return &Crc32FoldSlicing16;
    }
}

// Folds the file block by block into `crc` (the running register) until its end,
// a read error or an abort; returns the errno of a failed read, else 0.
int FoldOpenFile(ReadOnlyFile& file, const Crc32Folder& fold, std::uint32_t& crc, ProgressSink& progress,
                  std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    FileChunks chunks(file);
    std::uint32_t reg = crc;
    auto hash = [&](const unsigned char* data, std::size_t length) noexcept { reg = fold(reg, data, length); };
    auto after = [&](std::size_t length) {
        crc = reg;
        PumpMessages();
        bytesDone += length;
        progress.Report(bytesDone, totalBytes);
        return !AbortRequested();
    };
    return ReadFileBlocks(chunks, Crc32Engine::kBlockSize, hash, after);
}

}  // namespace

Crc32Engine::Crc32Engine() noexcept
    : m_activePath(ResolvePath(Crc32Path::Auto)), m_fold(FoldFor(m_activePath)), m_rangeThreads(DefaultRangeThreads())
{
}

int Crc32Engine::DefaultRangeThreads() noexcept
{
    constexpr unsigned kMostThreads = 8;
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, kMostThreads));
}

void Crc32Engine::SetRangeThreads(int threads) noexcept
{
    m_rangeThreads = std::max(1, threads);
}

Crc32Engine::~Crc32Engine() = default;

void Crc32Engine::BuildTable()
{
    auto tables = std::make_unique<Crc32Tables>();
    tables->Build();
    m_tables = std::move(tables);
}

void Crc32Engine::FreeTable() noexcept
{
    m_tables.reset();
}

bool Crc32Engine::HasTable() const noexcept
{
    return m_tables != nullptr;
}

const std::uint32_t* Crc32Engine::Table() const noexcept
{
    return m_tables ? m_tables->slicing[0] : nullptr;
}

void Crc32Engine::SetPath(Crc32Path path) noexcept
{
    m_activePath = ResolvePath(path);
    m_fold = FoldFor(m_activePath);
}

std::uint32_t Crc32Engine::Fold(std::uint32_t reg, const unsigned char* data, std::size_t length) const noexcept
{
    return m_tables ? m_fold(*m_tables, reg, data, length) : reg;
}

int Crc32Engine::ChecksumFile(const std::string& path, std::uint32_t& crc, ProgressSink& progress,
                               std::int64_t totalBytes, std::uint64_t& bytesDone) const
{
    if (!m_tables) {
        crc = 0;  // the preset, complemented
        return kChecksumNoTable;
    }
    ReadOnlyFile file(path);
    return ChecksumFile(file, crc, progress, totalBytes, bytesDone);
}

int Crc32Engine::ChecksumFile(ReadOnlyFile& file, std::uint32_t& crc, ProgressSink& progress,
                               std::int64_t totalBytes, std::uint64_t& bytesDone) const
{
    crc = 0xFFFFFFFFu;
    int result = kChecksumOk;
    if (!m_tables) {
        result = kChecksumNoTable;
    } else if (file.IsOpen()) {
        const Crc32Folder fold{m_fold, m_tables.get()};
        if (AbortRequested()) {
            // a block read after the abort was raised is not folded
        } else if (const int ranges = Crc32RangeCount(file, m_rangeThreads); ranges > 1) {
            result = Crc32FoldInRanges(file, fold, ranges, crc, progress, totalBytes, bytesDone);
        } else {
            result = FoldOpenFile(file, fold, crc, progress, totalBytes, bytesDone);
        }
    } else {
        result = file.OpenError();
    }
    crc ^= 0xFFFFFFFFu;
    return result;
}
