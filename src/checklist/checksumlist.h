#pragma once

#include "checksumlistcontent.h"
#include "foundchecksums.h"
#include "listtypes.h"
#include "rowreaderrors.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// The state of the one opened checksum list: its rows (name, size, status), expected
// checksums, kind, run state, byte totals, resume point and counters. Rows are held
// compactly (see RowTexts): a row's size is a number, its "Size" text is made when
// asked for under the list's size display mode.
//
// Threads: Replace and the row set change only on the GUI thread while no worker
// runs. During a run one worker writes statuses, sizes, counters, run state,
// BytesDone and CurrentIndex while the GUI thread reads them; every such accessor
// is safe for that. Names and expected checksums are immutable between loads.
class ChecksumList {
public:
    ChecksumList();

    // Replaces rows, expected checksums, path, base folder and kind; sets run state
    // Stopped, BytesDone and CurrentIndex 0, every status Unchecked, no selection and
    // the counters (0, 0, 0, rows).
    void Replace(ChecksumListContent content);

    [[nodiscard]] const std::string& ListPath() const noexcept { return m_content.listPath; }
    [[nodiscard]] const std::string& BaseFolder() const noexcept { return m_content.baseFolder; }
    [[nodiscard]] ListKind Kind() const noexcept { return m_content.kind; }
    // True when nothing but the digests' length gave the kind (see IdentifyListKind).
    [[nodiscard]] bool KindGuessed() const noexcept { return m_content.kindGuessed; }
    [[nodiscard]] std::uint64_t TotalBytes() const noexcept { return m_content.totalBytes; }

    [[nodiscard]] int RowCount() const noexcept;
    // Row accessors treat a row out of range as an empty, unchecked, unselected row
    // and ignore writes to it.
    [[nodiscard]] std::string_view RowName(int row) const noexcept;
    [[nodiscard]] const RowTexts& Rows() const noexcept { return m_content.rows; }
    [[nodiscard]] std::string_view ExpectedChecksum(int row) const noexcept;
    // The row's entrytraits byte: its digest algorithm and flags (CRC-32 for Sfv rows).
    [[nodiscard]] std::uint8_t RowTraits(int row) const noexcept;
    [[nodiscard]] const std::vector<std::uint8_t>& AllRowTraits() const noexcept { return m_content.rowTraits; }
    // Whether some row's checksum is a CRC-32, and whether some row's is a digest of
    // another algorithm (a folder of lists may hold both).
    [[nodiscard]] bool HasCrc32Rows() const noexcept;
    [[nodiscard]] bool HasDigestRows() const noexcept;

    // A status outside 0..4 (or a row out of range) changes nothing and returns false.
    // Unchecked and Checking forget the row's found checksum.
    bool SetRowStatus(int row, int status) noexcept;
    [[nodiscard]] EntryStatus RowStatus(int row) const noexcept;
    // The checksum the last run computed for the row, in the form of its expected
    // checksum (upper-case hex, "%08X" for CRC-32); empty until a run has read the
    // file whole, and again once the row is Unchecked or Checking. The run sets it
    // just before the row's verdict.
    void SetFoundChecksum(int row, std::string_view checksum) noexcept;
    [[nodiscard]] std::string FoundChecksum(int row) const;
    // Why the last run could not read the row's file (an errno; 0 for none, and for a
    // file that simply does not exist). Set just before the row's verdict; Unchecked
    // and Checking forget it.
    void SetRowReadError(int row, int error);
    [[nodiscard]] int RowReadError(int row) const noexcept;
    // The system's text for the row's read error ("Permission denied"); empty for none.
    [[nodiscard]] std::string RowReadErrorText(int row) const;
    // The rows that have a read error, in list order.
    [[nodiscard]] std::vector<int> RowsWithReadError() const;
    // The row's file size, or kSizeNotFound for a file that could not be opened.
    void SetRowSize(int row, std::uint64_t size) noexcept;
    [[nodiscard]] std::uint64_t RowSize(int row) const noexcept;
    // The row's "Size" text under the size display mode: the size's text, or "Not Found.".
    [[nodiscard]] std::string SizeText(int row) const;
    [[nodiscard]] int SizeType() const noexcept { return m_sizeType.load(std::memory_order_relaxed); }
    // Every row's "Size" text follows the new mode at once.
    void SetSizeType(int sizeType) noexcept { m_sizeType.store(sizeType, std::memory_order_relaxed); }

    // The GUI mirrors its selection here; a selected-rows run reads it row by row.
    void SetRowSelected(int row, bool selected) noexcept;
    void ClearSelection() noexcept;
    [[nodiscard]] bool IsRowSelected(int row) const noexcept;
    [[nodiscard]] int SelectedCount() const noexcept;

    // Stores the four counters; a negative value is stored as 0.
    void SetCounters(int ok, int bad, int missing, int unchecked) noexcept;
    [[nodiscard]] Counters GetCounters() const noexcept;

    [[nodiscard]] RunState GetRunState() const noexcept { return m_runState.load(std::memory_order_acquire); }
    void SetRunState(RunState state) noexcept { m_runState.store(state, std::memory_order_release); }
    // Changes the run state only when it is `from`; false when it was something else.
    bool TryChangeRunState(RunState from, RunState to) noexcept
    {
        return m_runState.compare_exchange_strong(from, to, std::memory_order_acq_rel);
    }
    [[nodiscard]] std::uint64_t BytesDone() const noexcept { return m_bytesDone.load(std::memory_order_relaxed); }
    void SetBytesDone(std::uint64_t bytes) noexcept { m_bytesDone.store(bytes, std::memory_order_relaxed); }
    [[nodiscard]] int CurrentIndex() const noexcept { return m_currentIndex.load(std::memory_order_relaxed); }
    void SetCurrentIndex(int row) noexcept { m_currentIndex.store(row, std::memory_order_relaxed); }

private:
    [[nodiscard]] bool IsRow(int row) const noexcept;

    ChecksumListContent m_content;
    std::unique_ptr<std::atomic<std::uint8_t>[]> m_statuses;
    std::unique_ptr<std::atomic<bool>[]> m_selected;
    FoundChecksums m_found;
    RowReadErrors m_readErrors;
    std::atomic<int> m_selectedCount{0};
    std::atomic<int> m_sizeType{0};
    mutable std::mutex m_countersMutex;
    Counters m_counters;
    std::atomic<RunState> m_runState{RunState::Stopped};
    std::atomic<std::uint64_t> m_bytesDone{0};
    std::atomic<int> m_currentIndex{0};
};

// The four status-bar texts: "OK: %d", "Bad: %d", "Missing: %d", "Unchecked: %d".
[[nodiscard]] std::array<std::string, 4> StatusBarTexts(const Counters& counters);
