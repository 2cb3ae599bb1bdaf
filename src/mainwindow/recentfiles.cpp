#include "recentfiles.h"

#include "commandid.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <algorithm>

namespace {

// Paths name the same file when the file system says so: letter case counts on Linux.
#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

}  // namespace

void RecentFiles::Add(const QString& path)
{
    m_entries.removeIf([&path](const QString& entry) { return entry.compare(path, kPathCase) == 0; });
    m_entries.prepend(path);
    while (m_entries.size() > kMaxEntries) {
        m_entries.removeLast();
    }
}

void RecentFiles::Assign(const QStringList& paths)
{
    m_entries = paths.mid(0, std::min<qsizetype>(paths.size(), kMaxEntries));
}

std::optional<QString> RecentFiles::At(int n) const
{
    if (n < 0 || n >= m_entries.size()) {
        return std::nullopt;
    }
    return m_entries.at(n);
}

QString RecentMenuItemText(int n, const QString& path)
{
    QString shown = path;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QStringLiteral("&%1   %2").arg(n).arg(shown);
}

void BuildRecentFilesMenu(QMenu& menu, const RecentFiles& recent)
{
    menu.clear();
    const QStringList& entries = recent.Entries();
    for (int n = 0; n < entries.size(); ++n) {
        QAction* item = menu.addAction(RecentMenuItemText(n, entries.at(n)));
        item->setData(static_cast<int>(CommandId::RecentFile0) + n);
    }
    if (!entries.isEmpty()) {
        menu.addSeparator();
    }
    QAction* empty = menu.addAction(QCoreApplication::translate("RecentFiles", kEmptyRecentListText));
    empty->setData(static_cast<int>(CommandId::EmptyRecentList));
    empty->setEnabled(!entries.isEmpty());
    menu.addSeparator();
    QAction* folder = menu.addAction(QCoreApplication::translate("RecentFiles", "Open &Folder of Lists..."));
    folder->setData(static_cast<int>(CommandId::OpenFolderOfLists));
    folder->setObjectName(QStringLiteral("openFolderOfLists"));
}
