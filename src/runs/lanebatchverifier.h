#pragma once

#include "listtypes.h"
#include "verifyrunstate.h"

#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

class RowsInFlight;
class WorkerProgress;

// Rows taken together by one worker, in list order: each shows its size and Checking,
// then runs of files that fit go through the MD5 lanes as batches and the others one
// by one, the verdicts in list order. `rows` and `progress` are the shared rows and
// the worker's sink with several workers, null with one.
class LaneBatchVerifier {
public:
    LaneBatchVerifier(VerifyRunState& run, RowWorker& worker, WorkerProgress* progress, RowsInFlight* rows) noexcept
        : m_run(run), m_worker(worker), m_progress(progress), m_rows(rows)
    {
    }

    // False when interrupted: the rows without a verdict stay Checking (and in flight).
    bool Verify(ListKind kind, std::vector<TakenRow>& taken);

private:
    // The run's lock with several workers, none with one.
    [[nodiscard]] std::unique_lock<std::mutex> LockIfShared();
    // Makes each file of `group` the file at its row's path as it is now (reopened when
    // it was replaced or removed), and shows the size it has now.
    void TakeTurn(std::span<TakenRow> group);
    // Gives a group of rows their verdicts in list order, the worker's bytes since
    // `before` now done; false (every row of the group left Checking) when the run was
    // interrupted.
    bool Conclude(std::span<TakenRow> group, const std::vector<EntryStatus>& verdicts, std::uint64_t before);

    VerifyRunState& m_run;
    RowWorker& m_worker;
    WorkerProgress* m_progress;
    RowsInFlight* m_rows;
};
