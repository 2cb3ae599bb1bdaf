#include "checksumlist.h"

#include "entrytraits.h"
#include "sizetext.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace {

constexpr int kStatusCount = 5;

// Bytes of the longest digest any row of the content can be found to have.
std::size_t LongestDigestBytes(const ChecksumListContent& content) noexcept
{
    std::size_t hexLength = AlgorithmInfo(KindAlgorithm(content.kind)).hexLength;
    bool seen[16] = {};
    for (const std::uint8_t traits : content.rowTraits) {
        const auto algorithm = static_cast<std::size_t>(entrytraits::Algorithm(traits));
        if (!seen[algorithm]) {
            seen[algorithm] = true;
            const std::size_t length = AlgorithmInfo(entrytraits::Algorithm(traits)).hexLength;
            hexLength = length > hexLength ? length : hexLength;
        }
    }
    return hexLength / 2;
}

}  // namespace

ChecksumList::ChecksumList() = default;

void ChecksumList::Replace(ChecksumListContent content)
{
    const std::size_t rows = content.rows.Size();
    content.sizes.resize(rows, kSizeNotFound);
    auto statuses = std::make_unique<std::atomic<std::uint8_t>[]>(rows);
    auto selected = std::make_unique<std::atomic<bool>[]>(rows);
    FoundChecksums found;
    found.Reset(rows, LongestDigestBytes(content));
    for (std::size_t i = 0; i < rows; ++i) {
        statuses[i].store(static_cast<std::uint8_t>(EntryStatus::Unchecked), std::memory_order_relaxed);
        selected[i].store(false, std::memory_order_relaxed);
    }

    const std::lock_guard lock(m_countersMutex);
    m_content = std::move(content);
    m_statuses = std::move(statuses);
    m_selected = std::move(selected);
    m_found = std::move(found);
    m_readErrors.Reset();
    m_selectedCount.store(0, std::memory_order_relaxed);
    m_sizeType.store(m_content.sizeType, std::memory_order_relaxed);
    m_counters = Counters{0, 0, 0, RowCount()};
    m_runState.store(RunState::Stopped, std::memory_order_release);
    m_bytesDone.store(0, std::memory_order_relaxed);
    m_currentIndex.store(0, std::memory_order_relaxed);
}

int ChecksumList::RowCount() const noexcept
{
    return static_cast<int>(m_content.rows.Size());
}

bool ChecksumList::IsRow(int row) const noexcept
{
    return row >= 0 && row < RowCount();
}

std::string_view ChecksumList::RowName(int row) const noexcept
{
    return IsRow(row) ? m_content.rows.Name(static_cast<std::size_t>(row)) : std::string_view();
}

std::string_view ChecksumList::ExpectedChecksum(int row) const noexcept
{
    return IsRow(row) ? m_content.rows.Checksum(static_cast<std::size_t>(row)) : std::string_view();
}

std::uint8_t ChecksumList::RowTraits(int row) const noexcept
{
    const auto index = static_cast<std::size_t>(row);
    if (IsRow(row) && index < m_content.rowTraits.size()) {
        return m_content.rowTraits[index];
    }
    return entrytraits::Make(KindAlgorithm(m_content.kind), false, false);
}

bool ChecksumList::HasCrc32Rows() const noexcept
{
    if (m_content.rowTraits.empty()) {
        return m_content.kind == ListKind::Sfv;
    }
    return std::any_of(m_content.rowTraits.begin(), m_content.rowTraits.end(), [](std::uint8_t traits) {
        return entrytraits::Algorithm(traits) == DigestAlgorithm::Crc32;
    });
}

bool ChecksumList::HasDigestRows() const noexcept
{
    if (m_content.rowTraits.empty()) {
        return m_content.kind != ListKind::Sfv && m_content.kind != ListKind::None;
    }
    return std::any_of(m_content.rowTraits.begin(), m_content.rowTraits.end(), [](std::uint8_t traits) {
        return entrytraits::Algorithm(traits) != DigestAlgorithm::Crc32;
    });
}

bool ChecksumList::SetRowStatus(int row, int status) noexcept
{
    if (status < 0 || status >= kStatusCount || !IsRow(row)) {
        return false;
    }
    const auto index = static_cast<std::size_t>(row);
    if (status == static_cast<int>(EntryStatus::Unchecked) || status == static_cast<int>(EntryStatus::Checking)) {
        m_found.Clear(index);
        m_readErrors.Clear(index);
    }
    m_statuses[index].store(static_cast<std::uint8_t>(status), std::memory_order_release);
    return true;
}

void ChecksumList::SetFoundChecksum(int row, std::string_view checksum) noexcept
{
    if (IsRow(row)) {
        m_found.Set(static_cast<std::size_t>(row), checksum);
    }
}

std::string ChecksumList::FoundChecksum(int row) const
{
    return IsRow(row) ? m_found.Get(static_cast<std::size_t>(row)) : std::string();
}

void ChecksumList::SetRowReadError(int row, int error)
{
    if (IsRow(row)) {
        m_readErrors.Set(static_cast<std::size_t>(row), error);
    }
}

int ChecksumList::RowReadError(int row) const noexcept
{
    return IsRow(row) ? m_readErrors.Get(static_cast<std::size_t>(row)) : 0;
}

std::string ChecksumList::RowReadErrorText(int row) const
{
    const int error = RowReadError(row);
    return error != 0 ? ErrorText(error) : std::string();
}

std::vector<int> ChecksumList::RowsWithReadError() const
{
    std::vector<int> rows;
    for (const std::size_t row : m_readErrors.Rows()) {
        rows.push_back(static_cast<int>(row));
    }
    return rows;
}

EntryStatus ChecksumList::RowStatus(int row) const noexcept
{
    if (!IsRow(row)) {
        return EntryStatus::Unchecked;
    }
    return static_cast<EntryStatus>(m_statuses[static_cast<std::size_t>(row)].load(std::memory_order_acquire));
}

void ChecksumList::SetRowSize(int row, std::uint64_t size) noexcept
{
    if (IsRow(row)) {
        std::atomic_ref(m_content.sizes[static_cast<std::size_t>(row)]).store(size, std::memory_order_relaxed);
    }
}

std::uint64_t ChecksumList::RowSize(int row) const noexcept
{
    if (!IsRow(row)) {
        return kSizeNotFound;
    }
    // atomic_ref needs a mutable object; the load does not change it.
    auto& size = const_cast<std::uint64_t&>(m_content.sizes[static_cast<std::size_t>(row)]);
    return std::atomic_ref(size).load(std::memory_order_relaxed);
}

std::string ChecksumList::SizeText(int row) const
{
    if (!IsRow(row)) {
        return {};
    }
    const std::uint64_t size = RowSize(row);
    return RowSizeText(size != kSizeNotFound, size, SizeType());
}

void ChecksumList::SetRowSelected(int row, bool selected) noexcept
{
    if (!IsRow(row)) {
        return;
    }
    const bool was = m_selected[static_cast<std::size_t>(row)].exchange(selected, std::memory_order_acq_rel);
    if (was != selected) {
        m_selectedCount.fetch_add(selected ? 1 : -1, std::memory_order_acq_rel);
    }
}

void ChecksumList::ClearSelection() noexcept
{
    for (int row = 0; row < RowCount(); ++row) {
        SetRowSelected(row, false);
    }
}

bool ChecksumList::IsRowSelected(int row) const noexcept
{
    return IsRow(row) && m_selected[static_cast<std::size_t>(row)].load(std::memory_order_acquire);
}

int ChecksumList::SelectedCount() const noexcept
{
    return m_selectedCount.load(std::memory_order_acquire);
}

void ChecksumList::SetCounters(int ok, int bad, int missing, int unchecked) noexcept
{
    const auto notNegative = [](int value) { return value < 0 ? 0 : value; };
    const std::lock_guard lock(m_countersMutex);
    m_counters = Counters{notNegative(ok), notNegative(bad), notNegative(missing), notNegative(unchecked)};
}

Counters ChecksumList::GetCounters() const noexcept
{
    const std::lock_guard lock(m_countersMutex);
    return m_counters;
}

std::array<std::string, 4> StatusBarTexts(const Counters& counters)
{
    return {"OK: " + std::to_string(counters.ok), "Bad: " + std::to_string(counters.bad),
            "Missing: " + std::to_string(counters.missing), "Unchecked: " + std::to_string(counters.unchecked)};
}
