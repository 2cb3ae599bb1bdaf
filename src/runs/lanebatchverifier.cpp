#include "lanebatchverifier.h"

#include "checksumlist.h"
#include "hashfilesinlanes.h"
#include "lanebatches.h"
#include "rowsinflight.h"
#include "rowverdicts.h"
#include "runobserver.h"
#include "sharedprogress.h"

#include <algorithm>

namespace {

[[nodiscard]] bool FitsLanes(const TakenRow& taken) noexcept
{
    return taken.present && taken.file.Size() <= kLaneFileLimit;
}

}  // namespace

std::unique_lock<std::mutex> LaneBatchVerifier::LockIfShared()
{
    return m_rows != nullptr ? std::unique_lock(m_run.Mutex()) : std::unique_lock<std::mutex>();
}

bool LaneBatchVerifier::Verify(ListKind kind, std::vector<TakenRow>& taken)
{
    {
        const auto lock = LockIfShared();
        for (TakenRow& each : taken) {
            each.present = m_run.RefreshRowSize(each.row, each.file);
            m_run.SetStatus(each.row, EntryStatus::Checking);
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
            TakeTurn(group);
        }
        if (m_rows == nullptr) {
            m_run.FollowRow(group.front().row);
        }
        const std::uint64_t before = m_worker.bytesDone;
        std::vector<EntryStatus> verdicts;
        if (group.size() > 1) {
            std::vector<ReadOnlyFile*> files;
            for (TakenRow& each : group) {
                files.push_back(&each.file);
            }
            const std::vector<LaneFileDigest> digests =
                HashFilesInLanes(files, *m_worker.progress, m_run.TotalBytes(), m_worker.bytesDone);
            for (std::size_t i = 0; i < group.size(); ++i) {
                verdicts.push_back(LaneVerdict(m_run.List(), group[i].row, digests[i]));
            }
        } else {
            TakenRow& one = group.front();
            verdicts.push_back(m_run.Check(one.row, kind, one.file, one.present, m_worker));
        }
        if (m_progress != nullptr) {
            m_progress->Flush();
        }
        if (!Conclude(group, verdicts, before)) {
            return false;
        }
        begin = end;
    }
    return true;
}

void LaneBatchVerifier::TakeTurn(std::span<TakenRow> group)
{
    for (TakenRow& each : group) {
        const std::string path = m_run.EntryPath(each.row);
        each.file.Revalidate(m_run.Anchor().Anchor(path));
    }
    const auto lock = LockIfShared();
    for (TakenRow& each : group) {
        each.present = m_run.RefreshRowSize(each.row, each.file);
    }
}

bool LaneBatchVerifier::Conclude(std::span<TakenRow> group, const std::vector<EntryStatus>& verdicts,
                                 std::uint64_t before)
{
    const auto lock = LockIfShared();
    if (m_run.Interrupted()) {
        return false;
    }
    std::uint64_t finishedBytes = 0;
    if (m_rows != nullptr) {
        finishedBytes = m_run.AddFinishedBytes(m_worker.bytesDone - before);
    }
    if (m_run.Scope() == RowScope::All) {
        m_run.List().SetBytesDone(m_rows != nullptr ? finishedBytes : m_worker.bytesDone);
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (m_rows != nullptr) {
            m_rows->Finish(group[i].row);
            m_run.NoteFinished(group[i].row);
        }
        m_run.SetStatus(group[i].row, verdicts[i]);
        m_run.Count(verdicts[i]);
    }
    if (m_rows != nullptr) {
        m_run.FollowLowestRow(*m_rows);
    } else if (m_run.Job().autoScroll && !group.empty()) {
        m_run.Observer().AutoScrollToRow(group.back().row);  // the view reaches the group's last row
    }
    return true;
}
