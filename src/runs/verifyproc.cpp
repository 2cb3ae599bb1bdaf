#include "verifyproc.h"

#include "abortflag.h"
#include "checksumlist.h"
#include "crc32engine.h"
#include "digestfile.h"
#include "entrytraits.h"
#include "fileopenahead.h"
#include "filesinflight.h"
#include "filesize.h"
#include "folderanchor.h"
#include "hashfilesinlanes.h"
#include "lanebatches.h"
#include "listreader.h"
#include "md5file.h"
#include "progresssink.h"
#include "rowsinflight.h"
#include "rowverdicts.h"
#include "runobserver.h"
#include "sharedprogress.h"
#include "sizetext.h"

#include <algorithm>
#include <span>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

enum class RowScope { All, Selected };

constexpr std::size_t kPreReadLimit = 64 * 1024;
// A row taken with others, its opened file and whether the file could be opened.
struct TakenRow {
    int row = -1;
    ReadOnlyFile file;
    bool present = false;
};

// What one worker reads with: its engine, where its progress goes and its running
// count of bytes read (run-wide with one worker, its own with several).
struct RowWorker {
    Crc32Engine engine;
    ProgressSink* progress = nullptr;
    std::uint64_t bytesDone = 0;
};

// One run: the common beginning, the rows (on this thread, or on several workers
// with several files in flight) and the common end.
class VerifyRun {
public:
    VerifyRun(const VerifyJob& job, RowScope scope)
        : m_job(job), m_list(*job.owner), m_observer(*job.observer), m_scope(scope), m_anchor(job.baseFolder)
    {
    }

    void Execute()
    {
        const int rowCount = m_list.RowCount();
        if (m_job.resetRows) {
            for (int row = 0; row < rowCount; ++row) {
                m_list.SetRowStatus(row, static_cast<int>(EntryStatus::Unchecked));
            }
            m_observer.RowChanged(kAllRowsChanged);
        }
        m_totalBytes = static_cast<std::int64_t>(m_scope == RowScope::Selected ? SelectedBytes(rowCount)
                                                                                : m_list.TotalBytes());
        m_observer.Progress().SetPosition(0);
        if (m_scope == RowScope::All) {
            m_list.SetCurrentIndex(0);
        }
        m_list.SetSizeType(m_job.sizeType);

        const ListKind kind = m_list.Kind();
        m_crc32Rows = m_list.HasCrc32Rows();
        m_digestRows = m_list.HasDigestRows();
        if (kind != ListKind::None && m_digestRows) {
            m_laneCount = Md5LaneCountThatPays();
        }
        bool completed = true;
        if (kind != ListKind::None) {
            const int first = m_scope == RowScope::All ? m_job.startIndex : 0;
            const int inFlight = FilesInFlight(m_job.filesInFlight, m_job.baseFolder, rowCount - first,
                                               [this, first](int index) { return EntryPath(first + index); });
            completed = inFlight > 1 ? VerifyInFlight(kind, first, rowCount, inFlight)
                                     : VerifyOneAtATime(kind, first, rowCount);
        }
        // An interrupted run that was paused keeps its resume point and its panel. A run
        // that verified every row ends normally even when a Pause arrived after its last
        // row, so that a resume never counts a row twice.
        if (completed || m_list.GetRunState() != RunState::Paused) {
            m_list.SetBytesDone(0);
            m_list.SetRunState(RunState::Stopped);
            m_list.SetCurrentIndex(0);
            m_observer.OnRunEvent(RunEvent::Finished);
        }
        m_observer.OnRunEvent(RunEvent::WorkerEnded);
    }

private:
    // Rows in list order on this thread; false when interrupted.
    bool VerifyOneAtATime(ListKind kind, int first, int rowCount)
    {
        RowWorker worker;
        PrepareWorkerEngine(worker.engine, m_crc32Rows, 1);
        worker.progress = &m_observer.Progress();
        worker.bytesDone = m_list.BytesDone();
        // A selected-rows run reads each row's selection only when it gets there,
        // so it cannot open ahead.
        std::optional<FileOpenAhead> openAhead;
        if (m_scope == RowScope::All) {
            // Reading small files ahead pays where hashing is the slower part (MD5, SHA).
            const std::size_t preReadLimit = m_digestRows ? kPreReadLimit : 0;
            openAhead.emplace(m_list, m_job.baseFolder, first, rowCount, preReadLimit);
        }
        for (int row = first; row < rowCount; ++row) {
            if (!Eligible(row)) {
                if (openAhead) {
                    (void)openAhead->Take(row);  // keeps the opener's order
                }
                continue;
            }
            ReadOnlyFile file = openAhead ? openAhead->Take(row) : ReadOnlyFile(EntryPath(row));
            if (!JoinsLanes(row)) {
                if (!VerifyRow(row, kind, file, worker)) {
                    return false;
                }
                continue;
            }
            // The MD5 rows that follow go with it, to be hashed side by side.
            std::vector<TakenRow> taken;
            taken.push_back({row, std::move(file)});
            while (taken.size() < m_laneCount && row + 1 < rowCount) {
                const int next = row + 1;
                if (Eligible(next) && !JoinsLanes(next)) {
                    break;
                }
                row = next;
                ReadOnlyFile nextFile = openAhead ? openAhead->Take(row) : ReadOnlyFile(EntryPath(row));
                if (Eligible(row)) {
                    taken.push_back({row, std::move(nextFile)});
                }
            }
            if (!VerifyTaken(kind, taken, worker, nullptr, nullptr)) {
                return false;
            }
        }
        return true;
    }

    // Returns false when the run was interrupted while on this row.
    bool VerifyRow(int row, ListKind kind, ReadOnlyFile& file, RowWorker& worker)
    {
        // One open serves the Size column and the checksum.
        const bool present = RefreshRowSize(row, file);
        if (m_job.autoScroll) {
            m_observer.AutoScrollToRow(row);
        }
        if (m_scope == RowScope::All) {
            m_list.SetCurrentIndex(row);
        }
        SetStatus(row, EntryStatus::Checking);

        const EntryStatus verdict = Check(row, kind, file, present, worker);

        if (Interrupted()) {
            SetStatus(row, EntryStatus::Checking);
            return false;
        }
        if (m_scope == RowScope::All) {
            m_list.SetBytesDone(worker.bytesDone);
        }
        SetStatus(row, verdict);
        Count(verdict);
        return true;
    }

    // Rows on `workers` threads (this one and more), each taking the next row in list
    // order as it finishes one. Every row's verdict lands on its row; the resume point
    // is the lowest row in flight. False when interrupted.
    bool VerifyInFlight(ListKind kind, int first, int rowCount, int workers)
    {
        RowsInFlight rows(first, rowCount);
        SharedProgress shared(m_observer.Progress(), m_totalBytes, m_list.BytesDone());
        m_finishedBytes = m_list.BytesDone();
        const auto work = [&] { WorkOnRows(kind, workers, m_anchor, rows, shared); };
        std::vector<std::thread> helpers;
        helpers.reserve(static_cast<std::size_t>(workers - 1));
        for (int helper = 1; helper < workers; ++helper) {
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
        if (m_scope == RowScope::All) {
            m_list.SetCurrentIndex(rows.ResumePoint());
        }
        return false;
    }

    void WorkOnRows(ListKind kind, int workers, const FolderAnchor& anchor, RowsInFlight& rows,
                    SharedProgress& shared)
    {
        RowWorker worker;
        PrepareWorkerEngine(worker.engine, m_crc32Rows, workers);
        WorkerProgress progress(shared);
        worker.progress = &progress;
        for (;;) {
            std::vector<int> runOfRows;
            {
                const std::lock_guard lock(m_mutex);
                if (Interrupted()) {
                    return;
                }
                runOfRows = rows.TakeRun([this](int candidate) { return Eligible(candidate); },
                                         [this](int candidate) { return JoinsLanes(candidate); }, m_laneCount);
                if (runOfRows.empty()) {
                    return;
                }
                FollowLowestRow(rows);
            }
            if (runOfRows.size() > 1) {
                std::vector<TakenRow> taken;
                taken.reserve(runOfRows.size());
                for (const int row : runOfRows) {
                    taken.push_back({row, ReadOnlyFile(anchor.Anchor(EntryPath(row)))});
                }
                if (!VerifyTaken(kind, taken, worker, &progress, &rows)) {
                    return;
                }
                continue;
            }
            const int row = runOfRows.front();
            const std::string path = EntryPath(row);
            ReadOnlyFile file(anchor.Anchor(path));
            bool present = false;
            {
                const std::lock_guard lock(m_mutex);
                present = RefreshRowSize(row, file);
                SetStatus(row, EntryStatus::Checking);
            }
            const std::uint64_t before = worker.bytesDone;
            const EntryStatus verdict = Check(row, kind, file, present, worker);
            progress.Flush();

            const std::lock_guard lock(m_mutex);
            if (Interrupted()) {
                // Stays in flight: a resume verifies it again from its first byte.
                SetStatus(row, EntryStatus::Checking);
                return;
            }
            rows.Finish(row);
            m_lastFinished = std::max(m_lastFinished, row);
            if (m_scope == RowScope::All) {
                m_finishedBytes += worker.bytesDone - before;
                m_list.SetBytesDone(m_finishedBytes);
            }
            SetStatus(row, verdict);
            Count(verdict);
            FollowLowestRow(rows);
        }
    }

    // Whether the row's list entry lets it join a batch in the lanes: an MD5 digest that
    // can be one, in a run whose CPU has the lanes. Its file decides the rest.
    [[nodiscard]] bool JoinsLanes(int row) const noexcept
    {
        const std::uint8_t traits = m_list.RowTraits(row);
        return m_laneCount > 1 && entrytraits::Algorithm(traits) == DigestAlgorithm::Md5 &&
               !entrytraits::HasUnusableDigest(traits);
    }

    [[nodiscard]] static bool FitsLanes(const TakenRow& taken) noexcept
    {
        return taken.present && taken.file.Size() <= kLaneFileLimit;
    }

    // The run's lock with several workers (`rows` given), none with one.
    [[nodiscard]] std::unique_lock<std::mutex> LockIfShared(const RowsInFlight* rows)
    {
        return rows != nullptr ? std::unique_lock(m_mutex) : std::unique_lock<std::mutex>();
    }

    // Rows taken together, in list order: each shows its size and Checking, then runs
    // of files that fit go through the lanes as batches and the others one by one as
    // VerifyRow takes them, the verdicts in list order. `rows` and `progress` are the
    // shared rows and the worker's sink with several workers, null with one. False when
    // interrupted: the rows without a verdict stay Checking (and in flight).
    bool VerifyTaken(ListKind kind, std::vector<TakenRow>& taken, RowWorker& worker, WorkerProgress* progress,
                     RowsInFlight* rows)
    {
        {
            const auto lock = LockIfShared(rows);
            for (TakenRow& each : taken) {
                each.present = RefreshRowSize(each.row, each.file);
                SetStatus(each.row, EntryStatus::Checking);
            }
        }
        std::size_t begin = 0;
        while (begin < taken.size()) {
            std::size_t end = begin;
            std::uint64_t batchBytes = 0;
            while (end < taken.size() && FitsLanes(taken[end]) &&
                   (end == begin || batchBytes + taken[end].file.Size() <= kLaneBatchBytes)) {
                batchBytes += taken[end].file.Size();
                ++end;
            }
            end = std::max(end, begin + 1);
            const std::span<TakenRow> group(taken.data() + begin, end - begin);
            if (begin > 0) {
                // Opened with the first rows, before the rows ahead were read: each file
                // is judged as it is at its turn, not as it was when opened.
                TakeTurn(group, rows);
            }
            if (rows == nullptr) {
                FollowRow(group.front().row);
            }
            const std::uint64_t before = worker.bytesDone;
            std::vector<EntryStatus> verdicts;
            if (group.size() > 1) {
                std::vector<ReadOnlyFile*> files;
                for (TakenRow& each : group) {
                    files.push_back(&each.file);
                }
                const std::vector<LaneFileDigest> digests =
                    HashFilesInLanes(files, *worker.progress, m_totalBytes, worker.bytesDone);
                for (std::size_t i = 0; i < group.size(); ++i) {
                    verdicts.push_back(LaneVerdict(m_list, group[i].row, digests[i]));
                }
            } else {
                TakenRow& one = group.front();
                verdicts.push_back(Check(one.row, kind, one.file, one.present, worker));
            }
            if (progress != nullptr) {
                progress->Flush();
            }
            if (!Conclude(group, verdicts, worker, before, rows)) {
                return false;
            }
            begin = end;
        }
        return true;
    }

    // Makes each file of `group` the file at its row's path as it is now (reopened when
    // it was replaced or removed), and shows the size it has now.
    void TakeTurn(std::span<TakenRow> group, RowsInFlight* rows)
    {
        for (TakenRow& each : group) {
            const std::string path = EntryPath(each.row);
            each.file.Revalidate(m_anchor.Anchor(path));
        }
        const auto lock = LockIfShared(rows);
        for (TakenRow& each : group) {
            each.present = RefreshRowSize(each.row, each.file);
        }
    }

    // Gives a group of rows their verdicts in list order, the worker's bytes since
    // `before` now done; false (every row of the group left Checking) when the run was
    // interrupted.
    bool Conclude(std::span<TakenRow> group, const std::vector<EntryStatus>& verdicts, const RowWorker& worker,
                  std::uint64_t before, RowsInFlight* rows)
    {
        const auto lock = LockIfShared(rows);
        if (Interrupted()) {
            return false;
        }
        if (rows != nullptr) {
            m_finishedBytes += worker.bytesDone - before;
        }
        if (m_scope == RowScope::All) {
            m_list.SetBytesDone(rows != nullptr ? m_finishedBytes : worker.bytesDone);
        }
        for (std::size_t i = 0; i < group.size(); ++i) {
            if (rows != nullptr) {
                rows->Finish(group[i].row);
                m_lastFinished = std::max(m_lastFinished, group[i].row);
            }
            SetStatus(group[i].row, verdicts[i]);
            Count(verdicts[i]);
        }
        if (rows != nullptr) {
            FollowLowestRow(*rows);
        } else if (m_job.autoScroll && !group.empty()) {
            m_observer.AutoScrollToRow(group.back().row);  // the view reaches the group's last row
        }
        return true;
    }

    // One worker: the resume point and the auto-scroll move to the row it verifies next.
    void FollowRow(int row)
    {
        if (m_job.autoScroll) {
            m_observer.AutoScrollToRow(row);
        }
        if (m_scope == RowScope::All) {
            m_list.SetCurrentIndex(row);
        }
    }

    // The resume point and the auto-scroll follow the lowest row in flight (under m_mutex).
    void FollowLowestRow(const RowsInFlight& rows)
    {
        const int lowest = rows.Lowest();
        if (lowest < 0) {
            // The last rows ended while an earlier one was still read: the view ends on
            // the run's last row, as a run of one file at a time does.
            if (rows.AllFinished() && m_job.autoScroll && m_lastFinished > m_lowestFollowed) {
                m_lowestFollowed = m_lastFinished;
                m_observer.AutoScrollToRow(m_lastFinished);
            }
            return;
        }
        if (lowest == m_lowestFollowed) {
            return;
        }
        m_lowestFollowed = lowest;
        if (m_scope == RowScope::All) {
            m_list.SetCurrentIndex(lowest);
        }
        if (m_job.autoScroll) {
            m_observer.AutoScrollToRow(lowest);
        }
    }

    // Whether the run verifies this row. A resumed run passes over rows that already
    // have their verdict from this run: with several files in flight, rows after the
    // resume point may have finished before the pause.
    [[nodiscard]] bool Eligible(int row) const noexcept
    {
        if (m_scope == RowScope::Selected) {
            return m_list.IsRowSelected(row);
        }
        if (m_job.resetRows) {
            return true;
        }
        const EntryStatus status = m_list.RowStatus(row);
        return status != EntryStatus::OK && status != EntryStatus::Bad && status != EntryStatus::Missing;
    }

    std::uint64_t SelectedBytes(int rowCount) const
    {
        std::uint64_t total = 0;
        for (int row = 0; row < rowCount; ++row) {
            std::uint64_t size = 0;
            if (m_list.IsRowSelected(row) && QueryFileSize(EntryPath(row), size)) {
                total += size;
            }
        }
        return total;
    }

    std::string EntryPath(int row) const
    {
        return ResolveRowPath(m_job.baseFolder, m_list.RowName(row), m_list.RowTraits(row));
    }

    // The file's size as the size query gives it: known when it could be opened.
    bool RefreshRowSize(int row, const ReadOnlyFile& file)
    {
        const bool found = file.IsOpen();
        m_list.SetRowSize(row, found ? file.Size() : kSizeNotFound);
        return found;
    }

    // By the row's own algorithm: a folder of lists mixes CRC-32 and digest rows.
    EntryStatus Check(int row, ListKind /*kind*/, ReadOnlyFile& file, bool present, RowWorker& worker)
    {
        return entrytraits::Algorithm(m_list.RowTraits(row)) == DigestAlgorithm::Crc32
                   ? CheckCrc32(row, file, worker)
                   : CheckDigest(row, file, present, worker);
    }

    EntryStatus CheckCrc32(int row, ReadOnlyFile& file, RowWorker& worker)
    {
        std::uint32_t crc = 0;
        const int result = worker.engine.ChecksumFile(file, crc, *worker.progress, m_totalBytes, worker.bytesDone);
        return Crc32Verdict(m_list, row, result, crc);
    }

    // MD5 or SHA by the row's algorithm. A checksum that cannot be a digest of that
    // algorithm makes the entry bad without reading the file; otherwise a file that
    // could not be opened or read is missing, with the reason.
    EntryStatus CheckDigest(int row, ReadOnlyFile& file, bool present, RowWorker& worker)
    {
        const std::uint8_t traits = m_list.RowTraits(row);
        if (entrytraits::HasUnusableDigest(traits)) {
            return EntryStatus::Bad;
        }
        if (!present) {
            return UnreadableVerdict(m_list, row, file.OpenError());
        }
        try {
            const std::string digest = DigestFile(file, EntryPath(row), entrytraits::Algorithm(traits),
                                                  *worker.progress, m_totalBytes, worker.bytesDone);
            return FoundChecksumVerdict(m_list, row, digest);
        } catch (const FileError& error) {
            // Opened, but a read failed part-way.
            return UnreadableVerdict(m_list, row, error.ErrorCode());
        } catch (const std::runtime_error&) {
            // libcrypto could not provide the digest: the entry cannot be confirmed.
            return EntryStatus::Bad;
        }
    }

    bool Interrupted() const noexcept
    {
        const RunState state = m_list.GetRunState();
        return state == RunState::Paused || state == RunState::Stopped || AbortRequested();
    }

    void SetStatus(int row, EntryStatus status)
    {
        m_list.SetRowStatus(row, static_cast<int>(status));
        m_observer.RowChanged(row);
    }

    // With several workers, called under m_mutex: the counters' read and write are one step.
    void Count(EntryStatus verdict)
    {
        Counters counters = m_list.GetCounters();
        switch (verdict) {
        case EntryStatus::OK: ++counters.ok; break;
        case EntryStatus::Bad: ++counters.bad; break;
        case EntryStatus::Missing: ++counters.missing; break;
        default: return;
        }
        --counters.unchecked;
        m_list.SetCounters(counters.ok, counters.bad, counters.missing, counters.unchecked);
        m_observer.UpdateStatusBar();
    }

    const VerifyJob& m_job;
    ChecksumList& m_list;
    RunObserver& m_observer;
    RowScope m_scope;
    const FolderAnchor m_anchor;  // the list's folder, that its files are looked up from
    std::int64_t m_totalBytes = 0;
    // With several workers: the list's counters, resume point and byte count, and every
    // report to the observer, change under this lock, one worker at a time.
    std::mutex m_mutex;
    std::uint64_t m_finishedBytes = 0;  // bytes of the rows finished, as BytesDone
    int m_lowestFollowed = -1;
    int m_lastFinished = -1;  // the highest row that got its verdict
    std::size_t m_laneCount = 0;  // MD5 files hashed side by side; 0 where the lanes do not pay
    bool m_crc32Rows = false;     // some row's checksum is a CRC-32
    bool m_digestRows = false;    // some row's is an MD5 or SHA digest
};

}  // namespace

void VerifyAllProc(const VerifyJob& job)
{
    VerifyRun(job, RowScope::All).Execute();
}

void VerifySelectedProc(const VerifyJob& job)
{
    VerifyRun(job, RowScope::Selected).Execute();
}
