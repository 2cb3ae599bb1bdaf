#include "windowtitle.h"

#include <QCoreApplication>

QString MainWindowTitle()
{
    return QCoreApplication::translate("MainWindow", "Tallyfox %1").arg(QLatin1String(kVersionText));
}

QString MainWindowTitle(const QString& listPath)
{
    QString shown = listPath;
    shown.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    return QStringLiteral("%1 - %2").arg(MainWindowTitle(), shown);
}
