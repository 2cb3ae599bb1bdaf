#include "verifyworkers.h"

#include "checksumlist.h"
#include "filesinflight.h"
#include "lanebatchverifier.h"
#include "rowsinflight.h"
#include "runobserver.h"
#include "sharedprogress.h"

#include <mutex>
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
    PrepareWorkerEngine(worker.engine, m_kind == ListKind::Sfv, m_workers);
    WorkerProgress progress(shared);
    worker.progress = &progress;
    std::mutex& mutex = m_run.Mutex();
    for (;;) {
        std::vector<int> runOfRows;
        {
            const std::lock_guard lock(mutex);
            if (m_run.Interrupted()) {
                return;
            }
            runOfRows = rows.TakeRun([this](int candidate) { return m_run.Eligible(candidate); },
                                     [this](int candidate) { return m_run.JoinsLanes(candidate); },
                                     m_run.LaneCount());
            if (runOfRows.empty()) {
                return;
            }
            m_run.FollowLowestRow(rows);
        }
        if (runOfRows.size() > 1) {
            std::vector<TakenRow> taken;
            taken.reserve(runOfRows.size());
            for (const int row : runOfRows) {
                taken.push_back({row, ReadOnlyFile(m_run.Anchor().Anchor(m_run.EntryPath(row)))});
            }
            if (!LaneBatchVerifier(m_run, worker, &progress, &rows).Verify(m_kind, taken)) {
                return;
            }
            continue;
        }
        const int row = runOfRows.front();
        const std::string path = m_run.EntryPath(row);
        ReadOnlyFile file(m_run.Anchor().Anchor(path));
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
            return;
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
    }
}
