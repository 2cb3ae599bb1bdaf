#pragma once

#include "listtypes.h"
#include "verifyrunstate.h"

class ReadOnlyFile;
class RowsInFlight;
class SharedProgress;
class WorkerProgress;

// Rows on several threads (the calling one and more), each taking the next row in list
// order as it finishes one. Every row's verdict lands on its row; the resume point is
// the lowest row in flight.
class VerifyWorkers {
public:
    VerifyWorkers(VerifyRunState& run, ListKind kind, int workers) noexcept
        : m_run(run), m_kind(kind), m_workers(workers)
    {
    }

    // Verifies the rows from `first` to `rowCount`; false when interrupted.
    bool Run(int first, int rowCount);

private:
    // One worker's loop: takes rows (a run of them for the MD5 lanes) until none is left
    // or the run is interrupted.
    void WorkOnRows(RowsInFlight& rows, SharedProgress& shared);
    // One row from its opened file to its verdict; false when the run was interrupted.
    bool VerifyOne(int row, ReadOnlyFile& file, RowWorker& worker, WorkerProgress& progress, RowsInFlight& rows);

    VerifyRunState& m_run;
    ListKind m_kind;
    int m_workers;
};
