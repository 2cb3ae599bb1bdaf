#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>
#include <string_view>

// Paths cross between the widgets (QString) and the core (bytes in std::string) only
// through these, in the file system's own encoding.
[[nodiscard]] inline std::string NarrowPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

[[nodiscard]] inline QString WidePath(std::string_view path)
{
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}
