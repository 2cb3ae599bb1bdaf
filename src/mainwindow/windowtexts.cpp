#include "windowtexts.h"

#include <QCoreApplication>

namespace {

QString Translated(const char* source)
{
    return QCoreApplication::translate("MainWindow", source);
}

// Puts `value` where the first `place` ("%s" or "%d") stands in `pattern`.
QString FillIn(QString pattern, QLatin1StringView place, const QString& value)
{
    const qsizetype at = pattern.indexOf(place);
    return at < 0 ? pattern : pattern.replace(at, place.size(), value);
}

}  // namespace

std::array<QString, 4> StatusBarPartTexts(const Counters& counters)
{
    const QLatin1StringView d("%d");
    return {FillIn(Translated(QT_TRANSLATE_NOOP("MainWindow", "OK: %d")), d, QString::number(counters.ok)),
            FillIn(Translated(QT_TRANSLATE_NOOP("MainWindow", "Bad: %d")), d, QString::number(counters.bad)),
            FillIn(Translated(QT_TRANSLATE_NOOP("MainWindow", "Missing: %d")), d, QString::number(counters.missing)),
            FillIn(Translated(QT_TRANSLATE_NOOP("MainWindow", "Unchecked: %d")), d,
                   QString::number(counters.unchecked))};
}

QString OpenFailedText(const QString& path)
{
    return FillIn(Translated(QT_TRANSLATE_NOOP("MainWindow", "Open [%s] failed.")), QLatin1StringView("%s"), path);
}

QString CreateFailedText(const QString& path)
{
    return FillIn(Translated(QT_TRANSLATE_NOOP("MainWindow", "Create [%s] failed.")), QLatin1StringView("%s"), path);
}

QString UnknownFileTypeText(const QString& path)
{
    return FillIn(Translated(QT_TRANSLATE_NOOP("MainWindow", "Unknow file type: [%s].")), QLatin1StringView("%s"),
                  path);
}
