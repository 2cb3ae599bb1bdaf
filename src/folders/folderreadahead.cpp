#include "folderreadahead.h"

#include "treewalk.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>

FolderContent ReadFolder(const std::string& folder, bool hidden)
{
    FolderContent content;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        content.error = errno;
        return content;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            content.error = errno;
            break;
        }
        const std::string_view name = entry->d_name;
        if (name == "." || name == ".." || (!hidden && IsHiddenName(name))) {
            continue;
        }
        FolderEntry& added = content.entries.emplace_back();
        added.name = name;
        added.folder = entry->d_type == DT_DIR;
    }
    std::sort(content.entries.begin(), content.entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    const int fd = ::dirfd(dir);
    for (FolderEntry& entry : content.entries) {
        if (folder.size() + entry.name.size() >= PATH_MAX) {
            entry.folder = false;  // left to a look at its whole path, which names the fault
        } else if (!entry.folder) {
            // Links followed: a link to a file counts as the file.
            entry.looked = ::fstatat(fd, entry.name.c_str(), &entry.status, 0) == 0;
            entry.error = entry.looked ? 0 : errno;
        }
    }
    ::closedir(dir);
    return content;
}

FolderReadAhead::FolderReadAhead(bool hidden, std::size_t helpers) : m_hidden(hidden)
{
    for (std::size_t i = 0; i < helpers; ++i) {
        m_helpers.emplace_back([this] { Help(); });
    }
}

FolderReadAhead::~FolderReadAhead()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread& helper : m_helpers) {
        helper.join();
    }
}

void FolderReadAhead::QueueSubfolders(const std::string& folder, const FolderContent& content)
{
    if (m_helpers.empty()) {
        return;
    }
    // Last first: the queue's back is read next, and the walk needs the first one first.
    for (auto entry = content.entries.rbegin(); entry != content.entries.rend(); ++entry) {
        if (entry->folder) {
            std::string path = folder + entry->name + "/";
            if (m_slots.try_emplace(path).second) {
                m_queue.push_back(std::move(path));
            }
        }
    }
}

FolderContent FolderReadAhead::Take(const std::string& folder)
{
    std::unique_lock lock(m_mutex);
    const auto found = m_slots.find(folder);
    Slot* slot = found == m_slots.end() ? nullptr : &found->second;  // a node: stays put while others are added
    if (slot == nullptr || slot->state == State::Queued) {
        // Not begun: read here, now, rather than wait for a helper.
        if (slot != nullptr) {
            slot->state = State::Reading;
        }
        lock.unlock();
        FolderContent content = ReadFolder(folder, m_hidden);
        lock.lock();
        if (slot != nullptr) {
            m_slots.erase(folder);
        }
        QueueSubfolders(folder, content);
        lock.unlock();
        m_changed.notify_all();
        return content;
    }
    m_changed.wait(lock, [&] { return slot->state == State::Read; });
    FolderContent content = std::move(slot->content);
    m_slots.erase(folder);
    --m_read;
    lock.unlock();
    m_changed.notify_all();
    return content;
}

void FolderReadAhead::Help()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_stopping || (!m_queue.empty() && m_read < kMaxReadAhead); });
        if (m_stopping) {
            return;
        }
        const std::string folder = std::move(m_queue.back());
        m_queue.pop_back();
        const auto found = m_slots.find(folder);
        if (found == m_slots.end() || found->second.state != State::Queued) {
            continue;  // taken by the walk meanwhile
        }
        Slot& slot = found->second;  // a node: stays put while others are added
        slot.state = State::Reading;
        lock.unlock();
        FolderContent content = ReadFolder(folder, m_hidden);
        lock.lock();
        QueueSubfolders(folder, content);
        slot.content = std::move(content);
        slot.state = State::Read;
        ++m_read;
        m_changed.notify_all();
    }
}
