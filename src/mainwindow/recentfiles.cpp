#include "recentfiles.h"

#include "commandid.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

void RecentFiles::Add(const QString& path)
{
    m_entries.removeIf([&path](const QString& entry) { return entry.compare(path, Qt::CaseInsensitive) == 0; });
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
    QAction* empty = menu.addAction(QString::fromLatin1(kEmptyRecentListText));
    empty->setData(static_cast<int>(CommandId::EmptyRecentList));
    empty->setEnabled(!entries.isEmpty());
}
