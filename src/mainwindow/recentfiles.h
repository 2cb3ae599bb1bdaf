#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QMenu;

// The recent-files list: full paths of checksum-list files, newest first, at most ten,
// no two equal (compared as the file system compares names: exactly, on Linux).
class RecentFiles {
public:
    static constexpr int kMaxEntries = 10;

    // Puts `path` at the head; an entry equal to it is removed first, and the oldest
    // entry goes when the list grows past ten.
    void Add(const QString& path);
    void Clear() { m_entries.clear(); }
    // Takes stored paths as they are, in order, up to ten (the settings file's list).
    void Assign(const QStringList& paths);

    [[nodiscard]] const QStringList& Entries() const noexcept { return m_entries; }
    // Entry n (0 is the newest), or nothing when there is none.
    [[nodiscard]] std::optional<QString> At(int n) const;

private:
    QStringList m_entries;
};

// The text of recent-files menu item n: "&%d   %s" (an '&' in the path shows as itself).
[[nodiscard]] QString RecentMenuItemText(int n, const QString& path);

// The text of the item that empties the list.
inline constexpr const char* kEmptyRecentListText = "-= &Empty Recently Viewed List =-";

// Fills `menu` anew: one item per entry, newest first (ids 32772 + n), then a separator
// when there are entries, then the item that empties the list (32771), greyed when the
// list is empty. Every item carries its command id as its data.
void BuildRecentFilesMenu(QMenu& menu, const RecentFiles& recent);
