#pragma once

#include "listtypes.h"
#include "verifyrunstate.h"

#include <cstdint>

struct VerifyJob;

// One verification run: the common beginning, the rows (on this thread one file at a
// time, or on several workers with several files in flight) and the common end.
class VerifyRun {
public:
    VerifyRun(const VerifyJob& job, RowScope scope) : m_run(job, scope) {}

    void Execute();

private:
    // Rows in list order on this thread; false when interrupted.
    bool VerifyOneAtATime(ListKind kind, int first, int rowCount);
    // Returns false when the run was interrupted while on this row.
    bool VerifyRow(int row, ListKind kind, ReadOnlyFile& file, RowWorker& worker);
    [[nodiscard]] std::uint64_t SelectedBytes(int rowCount) const;

    VerifyRunState m_run;
};
