#include "verifyworkers.h"

#include "blake3wholefiles.h"
#include "checksumlist.h"
#include "entrytraits.h"
#include "filebatchreader.h"
#include "filesize.h"
#include "filesinflight.h"
#include "lanebatches.h"
#include "lanebatchverifier.h"
#include "rowsinflight.h"
#include "runobserver.h"
#include "sharedprogress.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

bool VerifyWorkers::Run(int first, int rowCount)
{
    ChecksumList& list = m_run.List();
    RowsInFlight rows(first, rowCount);
    SharedProgress shared(m_run.Observer().Progress(), m_run.TotalBytes(), list.BytesDone());
    m_run.SetFinishedBytes(list.BytesDone());
    const auto work = [&] { WorkOnRows(rows, shared); };
    std::vector<std::thread> helpers;
    helpers.reserve(static_cast<std::size_t>(m_workers - 1));
    for (int helper = 1; helper < m_workers; ++helper) {
        helpers.emplace_back(work);
    }
    work();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    shared.ReportFinal();
    if (rows.AllFinished()) {
        return true;
    }
    if (m_run.Scope() == RowScope::All) {
        list.SetCurrentIndex(rows.ResumePoint());
    }
    return false;
}

void VerifyWorkers::WorkOnRows(RowsInFlight& rows, SharedProgress& shared)
{
    RowWorker worker;
    PrepareWorkerEngine(worker.engine, m_run.List().HasCrc32Rows(), m_workers);
    WorkerProgress progress(shared);
    worker.progress = &progress;
    FileBatchReader reader(FileBatchReader::kSmallFileBytes);
    std::mutex& mutex = m_run.Mutex();
    const auto eligible = [this](int candidate) { return m_run.Eligible(candidate); };
    // Rows of small files (by their size at the list's load) are opened and read as a batch.
    const auto joinsBatch = [this](int candidate) {
        const std::uint64_t size = m_run.List().RowSize(candidate);
        return !m_run.JoinsLanes(candidate) && size != kSizeNotFound && size <= FileBatchReader::kSmallFileBytes;
    };
    for (;;) {
        std::vector<int> runOfRows;
        {
            const std::lock_guard lock(mutex);
            if (m_run.Interrupted()) {
                return;
            }
            const std::size_t maxFiles =
                LaneBatchMaxFiles(m_run.LaneCount(), rows.RowsLeft(), static_cast<std::size_t>(m_workers));
            // Rows of MD5 files join a lane batch while it stays within its limits (by
            // the sizes at the list's load).
            LaneBatchLimits limits(maxFiles);
            const auto joinsLanes = [this, &limits](int candidate) {
                const std::uint64_t size = m_run.List().RowSize(candidate);
                return m_run.JoinsLanes(candidate) && limits.Add(size == kSizeNotFound ? 0 : size);
            };
            runOfRows = rows.TakeRun(eligible, joinsLanes, maxFiles);
            if (runOfRows.empty()) {
                return;
            }
            if (joinsBatch(runOfRows.front())) {
                rows.Extend(runOfRows, eligible, joinsBatch, FileBatchReader::kMaxBatch);
            }
            m_run.FollowLowestRow(rows);
        }
        std::vector<std::string> paths;
        std::vector<AnchoredPath> anchored;
        paths.reserve(runOfRows.size());
        for (const int row : runOfRows) {
            paths.push_back(m_run.EntryPath(row));
        }
        for (const std::string& path : paths) {
            anchored.push_back(m_run.Anchor().Anchor(path));
        }
        std::vector<ReadOnlyFile> files = reader.Open(anchored);
        if (runOfRows.size() > 1 && m_run.JoinsLanes(runOfRows.front())) {
            std::vector<TakenRow> taken;
            taken.reserve(runOfRows.size());
            for (std::size_t i = 0; i < runOfRows.size(); ++i) {
                taken.push_back({runOfRows[i], std::move(files[i])});
            }
            if (!LaneBatchVerifier(m_run, worker, &progress, &rows).Verify(m_kind, taken)) {
                return;
            }
            continue;
        }
        std::vector<ReadOnlyFile*> blake3Files;
        for (std::size_t i = 0; i < runOfRows.size(); ++i) {
            if (entrytraits::Algorithm(m_run.List().RowTraits(runOfRows[i])) == DigestAlgorithm::Blake3) {
                blake3Files.push_back(&files[i]);
            }
        }
        Blake3OfWholeFiles(blake3Files);
        for (std::size_t i = 0; i < runOfRows.size(); ++i) {
            if (!VerifyOne(runOfRows[i], files[i], worker, progress, rows)) {
                // The rest of the batch stays in flight and shows it, as every file in flight does.
                const std::lock_guard lock(mutex);
                for (std::size_t rest = i + 1; rest < runOfRows.size(); ++rest) {
                    m_run.SetStatus(runOfRows[rest], EntryStatus::Checking);
                }
                return;
            }
        }
    }
}

bool VerifyWorkers::VerifyOne(int row, ReadOnlyFile& file, RowWorker& worker, WorkerProgress& progress,
                              RowsInFlight& rows)
{
    std::mutex& mutex = m_run.Mutex();
    bool present = false;
    {
        const std::lock_guard lock(mutex);
        present = m_run.RefreshRowSize(row, file);
        m_run.SetStatus(row, EntryStatus::Checking);
    }
    const std::uint64_t before = worker.bytesDone;
    const EntryStatus verdict = m_run.Check(row, m_kind, file, present, worker);
    progress.Flush();

    const std::lock_guard lock(mutex);
    if (m_run.Interrupted()) {
        // Stays in flight: a resume verifies it again from its first byte.
        m_run.SetStatus(row, EntryStatus::Checking);
        return false;
    }
    rows.Finish(row);
    m_run.NoteFinished(row);
    const std::uint64_t finishedBytes = m_run.AddFinishedBytes(worker.bytesDone - before);
    if (m_run.Scope() == RowScope::All) {
        m_run.List().SetBytesDone(finishedBytes);
    }
    m_run.SetStatus(row, verdict);
    m_run.Count(verdict);
    m_run.FollowLowestRow(rows);
    return true;
}
