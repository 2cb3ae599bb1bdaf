// "Files not in any list": the files of the folders the open list covers that no row
// names, for a folder of lists every file beneath the folder.

#include "mainwindow.h"

#include "modaldialogs.h"
#include "pathtext.h"
#include "unlistedfiles.h"

#include <QGuiApplication>

namespace {

// Names shown at most in the note; the rest are counted.
constexpr std::size_t kNamesShown = 200;

}  // namespace

void MainWindow::ShowUnlistedFiles()
{
    if (m_list.RowCount() == 0) {
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const UnlistedFiles unlisted = FindUnlistedFiles(m_list, UnlistedScope{m_folderOpen, false, m_openLists});
    QGuiApplication::restoreOverrideCursor();
    QStringList lines;
    if (unlisted.names.empty()) {
        lines.append(tr("Every file is in a list."));
    } else {
        lines.append(tr("Files not in any list: %1").arg(unlisted.names.size()));
        for (std::size_t i = 0; i < unlisted.names.size() && i < kNamesShown; ++i) {
            lines.append(WidePath(unlisted.names[i]));
        }
        if (unlisted.names.size() > kNamesShown) {
            lines.append(tr("... and %1 more").arg(unlisted.names.size() - kNamesShown));
        }
    }
    for (const std::string& problem : unlisted.unreachable) {
        lines.append(WidePath(problem));
    }
    m_dialogs->ShowNote(this, lines.join(QLatin1Char('\n')));
}
