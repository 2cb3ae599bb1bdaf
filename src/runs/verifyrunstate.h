#pragma once

#include "crc32engine.h"
#include "folderanchor.h"
#include "listtypes.h"
#include "readonlyfile.h"
#include "verifyjob.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>

class ChecksumList;
class ProgressSink;
class RowsInFlight;
class RunObserver;

enum class RowScope { All, Selected };

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

// What every part of one verification run shares: the job, the list and the observer,
// and the bookkeeping of rows (which the run verifies, their sizes, verdicts and
// counters, the resume point and the auto-scroll). With several workers, every change
// of the list and every report to the observer happens under Mutex().
class VerifyRunState {
public:
    VerifyRunState(const VerifyJob& job, RowScope scope);

    [[nodiscard]] const VerifyJob& Job() const noexcept { return m_job; }
    [[nodiscard]] ChecksumList& List() const noexcept { return m_list; }
    [[nodiscard]] RunObserver& Observer() const noexcept { return m_observer; }
    [[nodiscard]] RowScope Scope() const noexcept { return m_scope; }
    [[nodiscard]] const FolderAnchor& Anchor() const noexcept { return m_anchor; }
    [[nodiscard]] std::int64_t TotalBytes() const noexcept { return m_totalBytes; }
    void SetTotalBytes(std::int64_t total) noexcept { m_totalBytes = total; }
    // MD5 files hashed side by side; 0 where the lanes do not pay.
    [[nodiscard]] std::size_t LaneCount() const noexcept { return m_laneCount; }
    void SetLaneCount(std::size_t count) noexcept { m_laneCount = count; }
    [[nodiscard]] std::mutex& Mutex() noexcept { return m_mutex; }

    // Whether the run verifies this row. A resumed run passes over rows that already
    // have their verdict from this run: with several files in flight, rows after the
    // resume point may have finished before the pause.
    [[nodiscard]] bool Eligible(int row) const noexcept;
    // Whether the row's list entry lets it join a batch in the lanes: an MD5 digest that
    // can be one, in a run whose CPU has the lanes. Its file decides the rest.
    [[nodiscard]] bool JoinsLanes(int row) const noexcept;
    [[nodiscard]] std::string EntryPath(int row) const;
    [[nodiscard]] bool Interrupted() const noexcept;

    // The file's size as the size query gives it: known when it could be opened.
    bool RefreshRowSize(int row, const ReadOnlyFile& file);
    // Reads the row's file and gives its verdict.
    [[nodiscard]] EntryStatus Check(int row, ListKind kind, ReadOnlyFile& file, bool present, RowWorker& worker);
    void SetStatus(int row, EntryStatus status);
    // With several workers, called under Mutex(): the counters' read and write are one step.
    void Count(EntryStatus verdict);

    // With several workers, under Mutex(): the bytes of one more finished row or group,
    // and the bytes of every finished row so far.
    std::uint64_t AddFinishedBytes(std::uint64_t bytes) noexcept { return m_finishedBytes += bytes; }
    void SetFinishedBytes(std::uint64_t bytes) noexcept { m_finishedBytes = bytes; }
    void NoteFinished(int row) noexcept;

    // One worker: the resume point and the auto-scroll move to the row it verifies next.
    void FollowRow(int row);
    // The resume point and the auto-scroll follow the lowest row in flight (under Mutex()).
    void FollowLowestRow(const RowsInFlight& rows);

private:
    EntryStatus CheckCrc32(int row, ReadOnlyFile& file, RowWorker& worker);
    EntryStatus CheckDigest(int row, ReadOnlyFile& file, bool present, RowWorker& worker);

    const VerifyJob& m_job;
    ChecksumList& m_list;
    RunObserver& m_observer;
    RowScope m_scope;
    const FolderAnchor m_anchor;  // the list's folder, that its files are looked up from
    std::int64_t m_totalBytes = 0;
    std::mutex m_mutex;
    std::uint64_t m_finishedBytes = 0;  // bytes of the rows finished, as BytesDone
    int m_lowestFollowed = -1;
    int m_lastFinished = -1;  // the highest row that got its verdict
    std::size_t m_laneCount = 0;
};
