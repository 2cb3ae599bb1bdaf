#include "verifyrunstate.h"

#include "abortflag.h"
#include "checksumlist.h"
#include "digestfile.h"
#include "entrytraits.h"
#include "filesize.h"
#include "listreader.h"
#include "md5file.h"
#include "rowsinflight.h"
#include "rowverdicts.h"
#include "runobserver.h"

#include <algorithm>
#include <stdexcept>

VerifyRunState::VerifyRunState(const VerifyJob& job, RowScope scope)
    : m_job(job), m_list(*job.owner), m_observer(*job.observer), m_scope(scope), m_anchor(job.baseFolder)
{
}

bool VerifyRunState::Eligible(int row) const noexcept
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

bool VerifyRunState::JoinsLanes(int row) const noexcept
{
    const std::uint8_t traits = m_list.RowTraits(row);
    return m_laneCount > 1 && entrytraits::Algorithm(traits) == DigestAlgorithm::Md5 &&
           !entrytraits::HasUnusableDigest(traits);
}

std::string VerifyRunState::EntryPath(int row) const
{
    return ResolveRowPath(m_job.baseFolder, m_list.RowName(row), m_list.RowTraits(row));
}

bool VerifyRunState::Interrupted() const noexcept
{
    const RunState state = m_list.GetRunState();
    return state == RunState::Paused || state == RunState::Stopped || AbortRequested();
}

bool VerifyRunState::RefreshRowSize(int row, const ReadOnlyFile& file)
{
    const bool found = file.IsOpen();
    m_list.SetRowSize(row, found ? file.Size() : kSizeNotFound);
    return found;
}

// By the row's own algorithm: a folder of lists mixes CRC-32 and digest rows.
EntryStatus VerifyRunState::Check(int row, ListKind /*kind*/, ReadOnlyFile& file, bool present, RowWorker& worker)
{
    return entrytraits::Algorithm(m_list.RowTraits(row)) == DigestAlgorithm::Crc32
               ? CheckCrc32(row, file, worker)
               : CheckDigest(row, file, present, worker);
}

EntryStatus VerifyRunState::CheckCrc32(int row, ReadOnlyFile& file, RowWorker& worker)
{
    std::uint32_t crc = 0;
    const int result = worker.engine.ChecksumFile(file, crc, *worker.progress, m_totalBytes, worker.bytesDone);
    return Crc32Verdict(m_list, row, result, crc);
}

// MD5 or SHA by the row's algorithm. A checksum that cannot be a digest of that
// algorithm makes the entry bad without reading the file; otherwise a file that
// could not be opened or read is missing, with the reason.
EntryStatus VerifyRunState::CheckDigest(int row, ReadOnlyFile& file, bool present, RowWorker& worker)
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
                                              worker.engine.RangeThreads(), *worker.progress, m_totalBytes, worker.bytesDone);
        return FoundChecksumVerdict(m_list, row, digest);
    } catch (const FileError& error) {
        // Opened, but a read failed part-way.
        return UnreadableVerdict(m_list, row, error.ErrorCode());
    } catch (const std::runtime_error&) {
        // libcrypto could not provide the digest: the entry cannot be confirmed.
        return EntryStatus::Bad;
    }
}

void VerifyRunState::SetStatus(int row, EntryStatus status)
{
    m_list.SetRowStatus(row, static_cast<int>(status));
    m_observer.RowChanged(row);
}

void VerifyRunState::Count(EntryStatus verdict)
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

void VerifyRunState::NoteFinished(int row) noexcept
{
    m_lastFinished = std::max(m_lastFinished, row);
}

void VerifyRunState::FollowRow(int row)
{
    if (m_job.autoScroll) {
        m_observer.AutoScrollToRow(row);
    }
    if (m_scope == RowScope::All) {
        m_list.SetCurrentIndex(row);
    }
}

void VerifyRunState::FollowLowestRow(const RowsInFlight& rows)
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
