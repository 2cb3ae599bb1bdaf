#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The rows a run with several workers hands out, in list order, and which of them are
// in flight (taken, not yet finished). Not locked: its owner calls it under its lock.
class RowsInFlight {
public:
    RowsInFlight(int firstRow, int endRow) : m_next(firstRow), m_end(endRow) {}

    // The next row from which `eligible(row)` holds, now in flight; rows passed over are
    // never offered again. -1 when no row is left.
    template <typename Eligible>
    [[nodiscard]] int Take(const Eligible& eligible)
    {
        while (m_next < m_end && !eligible(m_next)) {
            ++m_next;
        }
        if (m_next >= m_end) {
            return -1;
        }
        // Rows are taken in increasing order, so the rows in flight stay sorted.
        m_inFlight.push_back(m_next);
        return m_next++;
    }

    // Take's row, then the rows that follow it in list order (passing over those that
    // are not eligible) while `joins(row)` holds for them and for the first, up to
    // `maxCount` rows in all, every one now in flight. Empty when no row is left.
    template <typename Eligible, typename Joins>
    [[nodiscard]] std::vector<int> TakeRun(const Eligible& eligible, const Joins& joins, std::size_t maxCount)
    {
        std::vector<int> taken;
        const int firstRow = Take(eligible);
        if (firstRow < 0) {
            return taken;
        }
        taken.push_back(firstRow);
        if (joins(firstRow)) {
            Extend(taken, eligible, joins, maxCount);
        }
        return taken;
    }

    // Adds to `taken` the rows that follow in list order (passing over those that are
    // not eligible) while `joins(row)` holds for them, up to `maxCount` rows in all,
    // every one now in flight.
    template <typename Eligible, typename Joins>
    void Extend(std::vector<int>& taken, const Eligible& eligible, const Joins& joins, std::size_t maxCount)
    {
        while (taken.size() < maxCount) {
            while (m_next < m_end && !eligible(m_next)) {
                ++m_next;
            }
            if (m_next >= m_end || !joins(m_next)) {
                break;
            }
            taken.push_back(Take(eligible));
        }
    }

    void Finish(int row)
    {
        const auto found = std::find(m_inFlight.begin(), m_inFlight.end(), row);
        if (found != m_inFlight.end()) {
            m_inFlight.erase(found);
        }
    }

    // The lowest row in flight, -1 when none is.
    [[nodiscard]] int Lowest() const noexcept { return m_inFlight.empty() ? -1 : m_inFlight.front(); }
    // Where the run goes on after an interruption: the lowest row still in flight, else
    // the first row not handed out yet.
    // Rows not yet offered (eligible or not).
    [[nodiscard]] std::size_t RowsLeft() const noexcept { return m_end > m_next ? static_cast<std::size_t>(m_end - m_next) : 0; }
    [[nodiscard]] int ResumePoint() const noexcept { return m_inFlight.empty() ? m_next : m_inFlight.front(); }
    // Every row was handed out (or passed over) and none is in flight.
    [[nodiscard]] bool AllFinished() const noexcept { return m_inFlight.empty() && m_next >= m_end; }

private:
    int m_next;
    int m_end;
    std::vector<int> m_inFlight;  // ascending; a worker may hold a run of rows
};
