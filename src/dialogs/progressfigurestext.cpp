#include "progressfigurestext.h"

#include "progresstexts.h"

#include <QCoreApplication>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Translated(const char* text)
{
    return QCoreApplication::translate("ProgressPanel", text);
}

}  // namespace

QString ProgressFiguresText(const ProgressFigures& figures, bool running)
{
    const QString done = Translated(QT_TRANSLATE_NOOP("ProgressPanel", "%1% · %2 of %3"))
                             .arg(figures.percent)
                             .arg(Text(ByteAmountText(figures.bytesDone)), Text(ByteAmountText(figures.totalBytes)));
    if (!running) {
        return done;
    }
    const QString speed = figures.bytesPerSecond ? Text(SpeedText(*figures.bytesPerSecond))
                                                 : Translated(QT_TRANSLATE_NOOP("ProgressPanel", "-- MB/s"));
    const QString left =
        figures.secondsLeft
            ? Translated(QT_TRANSLATE_NOOP("ProgressPanel", "%1 left")).arg(Text(DurationText(*figures.secondsLeft)))
            : Translated(QT_TRANSLATE_NOOP("ProgressPanel", "-- left"));
    return Translated(QT_TRANSLATE_NOOP("ProgressPanel", "%1 · %2 · %3")).arg(done, speed, left);
}
