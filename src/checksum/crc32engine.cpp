#include "crc32engine.h"

#include "abortflag.h"
#include "crc32tables.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readbuffer.h"
#include "readonlyfile.h"

#include <algorithm>

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
// a read error or an abort.
template <typename Fold>
void FoldOpenFile(ReadOnlyFile& file, const Fold& fold, std::uint32_t& crc, ProgressSink& progress,
                  std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    if (AbortRequested()) {
        return;  // a block read after the abort was raised is not folded
    }
    ReadBuffer buffer;
    if (file.Size() > ReadBuffer::kCapacity) {
        file.AdviseSequential();
    }
    constexpr std::size_t kBlockSize = CCrc32Engine::kBlockSize;
    std::uint32_t reg = crc;
    for (;;) {
        // A read error ends the file like its end: the blocks read before it count.
        const ReadOnlyFile::FillResult filled = file.Fill(buffer.Data(), ReadBuffer::kCapacity);
        for (std::size_t offset = 0; offset < filled.bytes; offset += kBlockSize) {
            const std::size_t length = std::min(kBlockSize, filled.bytes - offset);
            reg = fold(reg, buffer.Data() + offset, length);
            crc = reg;
            PumpMessages();
            bytesDone += length;
            progress.Report(bytesDone, totalBytes);
            if (AbortRequested()) {
                return;
            }
        }
        if (filled.bytes < ReadBuffer::kCapacity) {
            return;
        }
    }
}

}  // namespace

CCrc32Engine::CCrc32Engine() noexcept : m_activePath(ResolvePath(Crc32Path::Auto)), m_fold(FoldFor(m_activePath)) {}

CCrc32Engine::~CCrc32Engine() = default;

void CCrc32Engine::BuildTable()
{
    auto tables = std::make_unique<Crc32Tables>();
    tables->Build();
    m_tables = std::move(tables);
}

void CCrc32Engine::FreeTable() noexcept
{
    m_tables.reset();
}

bool CCrc32Engine::HasTable() const noexcept
{
    return m_tables != nullptr;
}

const std::uint32_t* CCrc32Engine::Table() const noexcept
{
    return m_tables ? m_tables->slicing[0] : nullptr;
}

void CCrc32Engine::SetPath(Crc32Path path) noexcept
{
    m_activePath = ResolvePath(path);
    m_fold = FoldFor(m_activePath);
}

std::uint32_t CCrc32Engine::Fold(std::uint32_t reg, const unsigned char* data, std::size_t length) const noexcept
{
    return m_tables ? m_fold(*m_tables, reg, data, length) : reg;
}

int CCrc32Engine::ChecksumFile(const std::string& path, std::uint32_t& crc, ProgressSink& progress,
                               std::int64_t totalBytes, std::uint64_t& bytesDone) const
{
    if (!m_tables) {
        crc = 0;  // the preset, complemented
        return kChecksumNoTable;
    }
    ReadOnlyFile file(path);
    return ChecksumFile(file, crc, progress, totalBytes, bytesDone);
}

int CCrc32Engine::ChecksumFile(ReadOnlyFile& file, std::uint32_t& crc, ProgressSink& progress,
                               std::int64_t totalBytes, std::uint64_t& bytesDone) const
{
    crc = 0xFFFFFFFFu;
    int result = kChecksumOk;
    if (!m_tables) {
        result = kChecksumNoTable;
    } else if (file.IsOpen()) {
        const auto fold = [this](std::uint32_t reg, const unsigned char* data, std::size_t length) {
            return m_fold(*m_tables, reg, data, length);
        };
        FoldOpenFile(file, fold, crc, progress, totalBytes, bytesDone);
    } else {
        result = file.OpenError();
    }
    crc ^= 0xFFFFFFFFu;
    return result;
}
