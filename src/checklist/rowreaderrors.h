#pragma once

#include <atomic>
#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// Why a run could not read a row's file: the errno of the failed open or read, kept
// only for the rows that have one, so a list of many rows where every file reads pays
// one atomic load per row reset and nothing else.
//
// Threads: any number of writers and readers (the run's workers, the GUI thread).
class RowReadErrors {
public:
    // Forgets every reason.
    void Reset() noexcept;
    // Records `error` (an errno, not 0) for `row`.
    void Set(std::size_t row, int error);
    // Forgets the row's reason, if it has one.
    void Clear(std::size_t row) noexcept;
    // The row's errno, or 0 when it has none.
    [[nodiscard]] int Get(std::size_t row) const noexcept;
    // The rows that have a reason, in order.
    [[nodiscard]] std::vector<std::size_t> Rows() const;

private:
    std::atomic<bool> m_any{false};  // false: no row has a reason, and no lock is taken
    mutable std::mutex m_mutex;
    std::map<std::size_t, int> m_errors;
};

// The system's text for an errno, e.g. "Permission denied" for EACCES.
[[nodiscard]] std::string ErrorText(int error);
