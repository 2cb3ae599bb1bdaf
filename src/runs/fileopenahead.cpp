#include "fileopenahead.h"

#include "checksumlist.h"
#include "entrytraits.h"
#include "listreader.h"

namespace {

constexpr int kSpinsBeforeSleep = 64;

void CpuRelax() noexcept
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#endif
}

}  // namespace

FileOpenAhead::FileOpenAhead(const ChecksumList& list, std::string baseFolder, int firstRow, int endRow,
                             std::size_t preReadLimit)
    : FileOpenAhead([&list, base = baseFolder](int row) { return ResolveRowPath(base, list.RowName(row), list.RowTraits(row)); },
                    firstRow, endRow, preReadLimit, baseFolder)
{
}

FileOpenAhead::FileOpenAhead(PathOfRow pathOf, int firstRow, int endRow, std::size_t preReadLimit,
                             std::string anchorFolder)
    : m_pathOf(std::move(pathOf)),
      m_anchor(std::move(anchorFolder)),
      m_endRow(endRow),
      m_preReadLimit(preReadLimit),
      m_slots(std::make_unique<Slot[]>(kWindow)),
      m_claimed(firstRow),
      m_takenUpTo(firstRow)
{
    if (endRow - firstRow > 1) {
        m_thread = std::thread([this] { OpenAhead(); });
    }
}

FileOpenAhead::~FileOpenAhead()
{
    m_stop = true;
    {
        const std::lock_guard lock(m_mutex);
        m_changed.notify_all();
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

ReadOnlyFile FileOpenAhead::Open(int row) const
{
    const std::string path = m_pathOf(row);
    return ReadOnlyFile(m_anchor.Anchor(path));
}

void FileOpenAhead::OpenAhead()
{
    const auto workOrStop = [this] {
        return m_stop || m_claimed >= m_endRow || m_claimed - m_takenUpTo < kWindow;
    };
    while (!m_stop && m_claimed < m_endRow) {
        if (!OpenNextRow()) {
            WaitUntil(workOrStop);
        }
    }
}

bool FileOpenAhead::OpenNextRow()
{
    int row = m_claimed;
    if (row >= m_endRow || row - m_takenUpTo >= kWindow || !m_claimed.compare_exchange_strong(row, row + 1)) {
        return false;
    }
    Slot& slot = SlotOf(row);
    slot.file = Open(row);
    if (m_preReadLimit > 0) {
        slot.file.PreRead(m_preReadLimit);
    }
    slot.ready = true;
    WakeSleepers();
    return true;
}

ReadOnlyFile FileOpenAhead::Take(int row)
{
    ReadOnlyFile file;
    int unclaimed = row;
    if (m_claimed.compare_exchange_strong(unclaimed, row + 1)) {
        file = Open(row);  // not reached by the opener: open it here rather than wait
    } else {
        // Claimed, and being opened or done. Rather than wait idle, open rows further on.
        Slot& slot = SlotOf(row);
        while (!slot.ready && OpenNextRow()) {
        }
        WaitUntil([&slot] { return slot.ready.load(); });
        file = std::move(slot.file);
        slot.ready = false;
        // Only now may this row's slot be used again.
        m_takenUpTo = row + 1;
        WakeSleepers();
        // Opened (or read) a while ago: the verdict must be on the file as it is now.
        const std::string path = m_pathOf(row);
        file.Revalidate(m_anchor.Anchor(path));
        return file;
    }
    m_takenUpTo = row + 1;
    WakeSleepers();
    return file;
}

void FileOpenAhead::WaitUntil(const std::function<bool()>& condition)
{
    // A few checks before sleeping catch a row that is just being finished; spinning
    // longer would take the core from the thread doing the work when cores are few.
    for (int spin = 0; spin < kSpinsBeforeSleep; ++spin) {
        if (condition()) {
            return;
        }
        CpuRelax();
    }
    std::unique_lock lock(m_mutex);
    ++m_sleepers;
    m_changed.wait(lock, condition);
    --m_sleepers;
}

void FileOpenAhead::WakeSleepers()
{
    // Sequentially consistent with the sleeper's count and its condition check, so a
    // change made before this load is seen by any sleeper that this load misses.
    if (m_sleepers > 0) {
        const std::lock_guard lock(m_mutex);
        m_changed.notify_all();
    }
}
