#pragma once

#include <QCoreApplication>

class ChecksumList;
class ModalDialogs;
class QWidget;
struct OpenedListSources;

// "Files not in any list": the files of the folders the open list covers that no row
// names (for a folder of lists every file beneath the folder), shown in a note.
class UnlistedNote final {
    Q_DECLARE_TR_FUNCTIONS(UnlistedNote)

public:
    // Looks for them with the wait cursor; nothing happens for a list without rows.
    static void Show(QWidget& window, ModalDialogs& dialogs, const ChecksumList& list,
                     const OpenedListSources& sources);
};
