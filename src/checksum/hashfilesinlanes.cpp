#include "hashfilesinlanes.h"

#include "abortflag.h"
#include "md5file.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readbuffer.h"
#include "readonlyfile.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>
#include <cerrno>
#include <cstddef>

namespace {

constexpr std::size_t kNoFile = SIZE_MAX;

// The lanes, the files they hash and the read buffer they share, chunk by chunk.
class LaneFeeder {
public:
    LaneFeeder(std::span<ReadOnlyFile* const> files, std::vector<LaneFileDigest>& results, Md5LanesPath path)
        : m_files(files), m_results(results), m_lanes(path), m_chunk(ReadBuffer::kCapacity / m_lanes.LaneCount())
    {
        // The largest files first: the small ones fill the lanes around them, so few
        // lanes run on alone at the end of the batch.
        m_order.resize(files.size());
        std::iota(m_order.begin(), m_order.end(), std::size_t{0});
        std::stable_sort(m_order.begin(), m_order.end(),
                         [&files](std::size_t a, std::size_t b) { return files[a]->Size() > files[b]->Size(); });
        m_owner.fill(kNoFile);
        for (std::size_t lane = 0; lane < m_lanes.LaneCount(); ++lane) {
            StartNextFile(lane);
        }
    }

    [[nodiscard]] Md5Lanes& Lanes() noexcept { return m_lanes; }

    [[nodiscard]] bool Busy() const noexcept
    {
        for (const std::size_t owner : m_owner) {
            if (owner != kNoFile) {
                return true;
            }
        }
        return false;
    }

    // Collects finished digests and read errors, and feeds the lanes that wait.
    void ServeLanes()
    {
        for (std::size_t lane = 0; lane < m_lanes.LaneCount(); ++lane) {
            if (m_owner[lane] == kNoFile) {
                continue;
            }
            const Md5Lanes::LaneState state = m_lanes.State(lane);
            if (state == Md5Lanes::LaneState::Done) {
                m_results[m_owner[lane]].digest = m_lanes.TakeDigest(lane);
                StartNextFile(lane);
            } else if (state == Md5Lanes::LaneState::Hungry && m_readError[lane] != 0) {
                m_results[m_owner[lane]].error = m_readError[lane];
                m_lanes.Reset(lane);
                StartNextFile(lane);
            } else if (state == Md5Lanes::LaneState::Hungry) {
                FeedNextChunk(lane);
            }
        }
    }

private:
    void StartNextFile(std::size_t lane)
    {
        m_owner[lane] = kNoFile;
        while (m_next < m_files.size()) {
            const std::size_t index = m_order[m_next++];
            ReadOnlyFile& file = *m_files[index];
            if (!file.IsOpen()) {
                m_results[index].error = file.OpenError() != 0 ? file.OpenError() : EBADF;
                continue;
            }
            if (file.Size() > m_chunk) {
                file.AdviseSequential();
            }
            m_owner[lane] = index;
            m_lanes.Start(lane);
            FeedNextChunk(lane);
            return;
        }
    }

    // The lane's next chunk of its file; a short chunk without error ends the file. The
    // bytes read before an error are hashed (and counted) before the error is recorded.
    void FeedNextChunk(std::size_t lane)
    {
        unsigned char* area = m_buffer.Data() + lane * m_chunk;
        const ReadOnlyFile::FillResult filled = m_files[m_owner[lane]]->Fill(area, m_chunk);
        m_readError[lane] = filled.error;
        m_lanes.Feed(lane, area, filled.bytes, filled.error == 0 && filled.bytes < m_chunk);
    }

    std::span<ReadOnlyFile* const> m_files;
    std::vector<LaneFileDigest>& m_results;
    Md5Lanes m_lanes;
    ReadBuffer m_buffer;
    std::size_t m_chunk;
    std::vector<std::size_t> m_order;  // the files in the order the lanes take them
    std::size_t m_next = 0;
    std::array<std::size_t, kMd5MaxLanes> m_owner{};
    std::array<int, kMd5MaxLanes> m_readError{};
};

}  // namespace

std::vector<LaneFileDigest> HashFilesInLanes(std::span<ReadOnlyFile* const> files, ProgressSink& progress,
                                             std::int64_t totalBytes, std::uint64_t& bytesDone, Md5LanesPath path)
{
    std::vector<LaneFileDigest> results(files.size());
    LaneFeeder feeder(files, results, path);
    constexpr std::size_t kBlocksPerRound = kMd5BlockSize / 64;
    while (feeder.Busy()) {
        const std::size_t taken = feeder.Lanes().Process(kBlocksPerRound);
        if (taken > 0) {
            PumpMessages();
            bytesDone += taken;
            progress.Report(bytesDone, totalBytes);
            if (AbortRequested()) {
                return results;
            }
        }
        feeder.ServeLanes();
    }
    return results;
}
