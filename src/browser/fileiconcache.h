#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

class QAbstractFileIconProvider;

// Icons of the file list, one per file type: the provider is asked once for each
// extension (lower-cased; files without one share an icon), never once per file.
class FileIconCache {
public:
    explicit FileIconCache(const QAbstractFileIconProvider& provider);

    // The icon of a file, given its folder (ending in '/') and name.
    [[nodiscard]] QIcon IconFor(const QString& folder, const QString& name);
    void Clear();

private:
    const QAbstractFileIconProvider& m_provider;
    QHash<QString, QIcon> m_icons;
};
