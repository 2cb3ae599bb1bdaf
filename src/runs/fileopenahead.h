#pragma once

#include "folderanchor.h"
#include "readonlyfile.h"

#include <atomic>
#include <cstddef>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class ChecksumList;

// Opens the files of the rows an all-rows run will reach next on a thread of its own,
// so that opening (the path lookup, the costly part for small files) overlaps with
// hashing the files before. Where hashing is the slower part, small files are also
// read whole ahead. Rows are taken in order. When the run catches up with the opener
// it does not wait idle: it opens rows itself, the one it needs or the next unclaimed
// ones, so the two share the work. At most kWindow files are held ahead.
class FileOpenAhead {
public:
    static constexpr int kWindow = 64;

    // The path of a row; called from both threads, so it must only read.
    using PathOfRow = std::function<std::string(int row)>;

    // `preReadLimit`: files up to this size are read whole ahead (0: none).
    FileOpenAhead(const ChecksumList& list, std::string baseFolder, int firstRow, int endRow,
                  std::size_t preReadLimit);
    // Rows named by `pathOf` (a generation run's chosen files); paths under
    // `anchorFolder` (ending in '/') are looked up from it.
    FileOpenAhead(PathOfRow pathOf, int firstRow, int endRow, std::size_t preReadLimit,
                  std::string anchorFolder = {});
    ~FileOpenAhead();
    FileOpenAhead(const FileOpenAhead&) = delete;
    FileOpenAhead& operator=(const FileOpenAhead&) = delete;

    // The opened (or failed) file of `row`, which must be the next row in order.
    [[nodiscard]] ReadOnlyFile Take(int row);

private:
    struct Slot {
        ReadOnlyFile file;
        std::atomic<bool> ready{false};
    };

    void OpenAhead();
    // Claims the next row if the window has room, opens it into its slot; false if none.
    bool OpenNextRow();
    [[nodiscard]] ReadOnlyFile Open(int row) const;
    [[nodiscard]] Slot& SlotOf(int row) noexcept { return m_slots[static_cast<std::size_t>(row % kWindow)]; }
    // Checks a few times, then sleeps until `condition` holds; every state change wakes sleepers.
    void WaitUntil(const std::function<bool()>& condition);
    void WakeSleepers();

    const PathOfRow m_pathOf;
    const FolderAnchor m_anchor;
    const int m_endRow;
    const std::size_t m_preReadLimit;
    std::unique_ptr<Slot[]> m_slots;
    std::atomic<int> m_claimed;    // rows before this are opened, or being opened, by someone
    std::atomic<int> m_takenUpTo;  // rows before this have been taken by the run
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_sleepers{0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
};
