#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include <sys/stat.h>

// One entry of a folder, with what was learnt of it while the folder was open.
struct FolderEntry {
    std::string name;
    bool folder = false;  // a folder (not a link to one): to be walked, not looked at
    bool looked = false;  // `status` holds the entry's status (a link's target's)
    int error = 0;        // why it could not be looked at, when not looked
    struct stat status {};
};

// A folder as read: its entries in sorted (byte-wise) order, and the errno of a failed
// open or read (the entries read before a failed read are kept).
struct FolderContent {
    std::vector<FolderEntry> entries;
    int error = 0;
};

// Reads a folder: its names, hidden ones ("." first) left out unless `hidden`, each
// non-folder entry looked at through the open folder (one name for the kernel to look
// up, not the whole path). A folder is known from the entry's type and not looked at;
// an entry whose path would pass PATH_MAX is neither.
[[nodiscard]] FolderContent ReadFolder(const std::string& folder, bool hidden);

// Reads the folders of a walk ahead of it on other threads, so the kernel's work of
// looking at their entries runs on every core while the walk goes on in order. Whoever
// reads a folder queues its sub-folders, the first one to be read next. Take(folder)
// gives a folder's content, read by a helper before or now by the caller; the walk takes
// each folder once. At most kMaxReadAhead folders wait to be taken, so memory stays
// bounded on any tree.
class FolderReadAhead {
public:
    FolderReadAhead(bool hidden, std::size_t helpers);
    ~FolderReadAhead();
    FolderReadAhead(const FolderReadAhead&) = delete;
    FolderReadAhead& operator=(const FolderReadAhead&) = delete;

    [[nodiscard]] FolderContent Take(const std::string& folder);

    static constexpr std::size_t kMaxReadAhead = 1024;

private:
    enum class State { Queued, Reading, Read };
    struct Slot {
        State state = State::Queued;
        FolderContent content;
    };

    void Help();
    // Queues the sub-folders of `folder` from its content; the lock held.
    void QueueSubfolders(const std::string& folder, const FolderContent& content);

    bool m_hidden;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::string> m_queue;  // folders to read, the next at the back
    std::unordered_map<std::string, Slot> m_slots;
    std::size_t m_read = 0;  // slots read and not yet taken
    bool m_stopping = false;
    std::vector<std::thread> m_helpers;
};
