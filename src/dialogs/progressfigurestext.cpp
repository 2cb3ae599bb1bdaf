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
    const QString done = Translated("%1% · %2 of %3")
                             .arg(figures.percent)
                             .arg(Text(ByteAmountText(figures.bytesDone)), Text(ByteAmountText(figures.totalBytes)));
    if (!running) {
        return done;
    }
    const QString speed = figures.bytesPerSecond ? Text(SpeedText(*figures.bytesPerSecond)) : Translated("-- MB/s");
    const QString left = figures.secondsLeft ? Translated("%1 left").arg(Text(DurationText(*figures.secondsLeft)))
                                             : Translated("-- left");
    return Translated("%1 · %2 · %3").arg(done, speed, left);
}
