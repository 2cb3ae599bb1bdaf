#include "fileiconcache.h"

#include <QAbstractFileIconProvider>
#include <QFileInfo>

FileIconCache::FileIconCache(const QAbstractFileIconProvider& provider) : m_provider(provider) {}

QIcon FileIconCache::IconFor(const QString& folder, const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString type = dot > 0 ? name.mid(dot + 1).toLower() : QString();
    const auto found = m_icons.constFind(type);
    if (found != m_icons.constEnd()) {
        return found.value();
    }
    const QIcon icon = m_provider.icon(QFileInfo(folder + name));
    m_icons.insert(type, icon);
    return icon;
}

void FileIconCache::Clear()
{
    m_icons.clear();
}
