// "Files not in any list": the files of the folders the open list covers that no row
// names, for a folder of lists every file beneath the folder.

#include "unlistednote.h"

#include "checksumlist.h"
#include "listopener.h"
#include "modaldialogs.h"
#include "pathtext.h"
#include "unlistedfiles.h"

#include <QGuiApplication>
#include <QStringList>

namespace {

// Names shown at most in the note; the rest are counted.
constexpr std::size_t kNamesShown = 200;

}  // namespace

void UnlistedNote::Show(QWidget& window, ModalDialogs& dialogs, const ChecksumList& list,
                        const OpenedListSources& sources)
{
    if (list.RowCount() == 0) {
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const UnlistedFiles unlisted = FindUnlistedFiles(list, UnlistedScope{sources.folder, false, sources.lists});
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
    dialogs.ShowNote(&window, lines.join(QLatin1Char('\n')));
}
