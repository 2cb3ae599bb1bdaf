#include "commandline.h"

QString CommandLineListPath(const QStringList& arguments)
{
    bool flagsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!flagsEnded && argument == QLatin1String("--")) {
            flagsEnded = true;
            continue;
        }
        if (argument.isEmpty() || (!flagsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1)) {
            continue;
        }
        return argument;
    }
    return {};
}
