#include "desktopservices.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool SystemDesktopServices::OpenPath(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString SystemDesktopServices::TerminalProgram() const
{
    const QString chosen = qEnvironmentVariable("TERMINAL");
    if (!chosen.isEmpty()) {
        const QString found = QStandardPaths::findExecutable(chosen);
        if (!found.isEmpty()) {
            return found;
        }
    }
    static const char* const kTerminals[] = {
        "x-terminal-emulator", "gnome-terminal", "konsole", "xfce4-terminal", "mate-terminal", "lxterminal",
        "qterminal", "tilix", "terminator", "kitty", "alacritty", "foot", "xterm",
    };
    for (const char* name : kTerminals) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) {
            return found;
        }
    }
    return {};
}

void SystemDesktopServices::StartTerminal(const QString& program, const QString& folder)
{
    // Terminals open their shell in the folder they are started in.
    QProcess::startDetached(program, {}, folder);
}
