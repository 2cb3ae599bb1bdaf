#include "verifyrun.h"

#include "checksumlist.h"
#include "fileopenahead.h"
#include "filesinflight.h"
#include "filesize.h"
#include "lanebatches.h"
#include "lanebatchverifier.h"
#include "progresssink.h"
#include "runobserver.h"
#include "verifyworkers.h"

#include <optional>
#include <vector>

namespace {

constexpr std::size_t kPreReadLimit = 64 * 1024;

}  // namespace

void VerifyRun::Execute()
{
    const VerifyJob& job = m_run.Job();
    ChecksumList& list = m_run.List();
    RunObserver& observer = m_run.Observer();
    const int rowCount = list.RowCount();
    if (job.resetRows) {
        for (int row = 0; row < rowCount; ++row) {
            list.SetRowStatus(row, static_cast<int>(EntryStatus::Unchecked));
        }
        observer.RowChanged(kAllRowsChanged);
    }
    m_run.SetTotalBytes(static_cast<std::int64_t>(m_run.Scope() == RowScope::Selected ? SelectedBytes(rowCount)
                                                                                        : list.TotalBytes()));
    observer.Progress().SetPosition(0);
    if (m_run.Scope() == RowScope::All) {
        list.SetCurrentIndex(0);
    }
    list.SetSizeType(job.sizeType);

    const ListKind kind = list.Kind();
    if (kind != ListKind::None && list.HasDigestRows()) {
        m_run.SetLaneCount(Md5LaneCountThatPays());
    }
    bool completed = true;
    if (kind != ListKind::None) {
        const int first = m_run.Scope() == RowScope::All ? job.startIndex : 0;
        const int inFlight = FilesInFlight(job.filesInFlight, job.baseFolder, rowCount - first,
                                           [this, first](int index) { return m_run.EntryPath(first + index); });
        completed = inFlight > 1 ? VerifyWorkers(m_run, kind, inFlight).Run(first, rowCount)
                                 : VerifyOneAtATime(kind, first, rowCount);
    }
    // An interrupted run that was paused keeps its resume point and its panel. A run
    // that verified every row ends normally even when a Pause arrived after its last
    // row, so that a resume never counts a row twice.
    if (completed || list.GetRunState() != RunState::Paused) {
        list.SetBytesDone(0);
        list.SetRunState(RunState::Stopped);
        list.SetCurrentIndex(0);
        observer.OnRunEvent(RunEvent::Finished);
    }
    observer.OnRunEvent(RunEvent::WorkerEnded);
}

bool VerifyRun::VerifyOneAtATime(ListKind kind, int first, int rowCount)
{
    RowWorker worker;
    PrepareWorkerEngine(worker.engine, m_run.List().HasCrc32Rows(), 1);
    worker.progress = &m_run.Observer().Progress();
    worker.bytesDone = m_run.List().BytesDone();
    // A selected-rows run reads each row's selection only when it gets there,
    // so it cannot open ahead.
    std::optional<FileOpenAhead> openAhead;
    if (m_run.Scope() == RowScope::All) {
        // Reading small files ahead pays where hashing is the slower part (MD5, SHA).
        const std::size_t preReadLimit = m_run.List().HasDigestRows() ? kPreReadLimit : 0;
        openAhead.emplace(m_run.List(), m_run.Job().baseFolder, first, rowCount, preReadLimit);
    }
    const auto open = [&](int row) { return openAhead ? openAhead->Take(row) : ReadOnlyFile(m_run.EntryPath(row)); };
    for (int row = first; row < rowCount; ++row) {
        if (!m_run.Eligible(row)) {
            if (openAhead) {
                (void)openAhead->Take(row);  // keeps the opener's order
            }
            continue;
        }
        ReadOnlyFile file = open(row);
        if (!m_run.JoinsLanes(row)) {
            if (!VerifyRow(row, kind, file, worker)) {
                return false;
            }
            continue;
        }
        // The MD5 rows that follow go with it, to be hashed side by side.
        std::vector<TakenRow> taken;
        taken.push_back({row, std::move(file)});
        while (taken.size() < m_run.LaneCount() && row + 1 < rowCount) {
            const int next = row + 1;
            if (m_run.Eligible(next) && !m_run.JoinsLanes(next)) {
                break;
            }
            row = next;
            ReadOnlyFile nextFile = open(row);
            if (m_run.Eligible(row)) {
                taken.push_back({row, std::move(nextFile)});
            }
        }
        if (!LaneBatchVerifier(m_run, worker, nullptr, nullptr).Verify(kind, taken)) {
            return false;
        }
    }
    return true;
}

bool VerifyRun::VerifyRow(int row, ListKind kind, ReadOnlyFile& file, RowWorker& worker)
{
    // One open serves the Size column and the checksum.
    const bool present = m_run.RefreshRowSize(row, file);
    if (m_run.Job().autoScroll) {
        m_run.Observer().AutoScrollToRow(row);
    }
    if (m_run.Scope() == RowScope::All) {
        m_run.List().SetCurrentIndex(row);
    }
    m_run.SetStatus(row, EntryStatus::Checking);

    const EntryStatus verdict = m_run.Check(row, kind, file, present, worker);

    if (m_run.Interrupted()) {
        m_run.SetStatus(row, EntryStatus::Checking);
        return false;
    }
    if (m_run.Scope() == RowScope::All) {
        m_run.List().SetBytesDone(worker.bytesDone);
    }
    m_run.SetStatus(row, verdict);
    m_run.Count(verdict);
    return true;
}

std::uint64_t VerifyRun::SelectedBytes(int rowCount) const
{
    std::uint64_t total = 0;
    for (int row = 0; row < rowCount; ++row) {
        std::uint64_t size = 0;
        if (m_run.List().IsRowSelected(row) && QueryFileSize(m_run.EntryPath(row), size)) {
            total += size;
        }
    }
    return total;
}
