#include "foldertreeview.h"

#include <QContextMenuEvent>

FolderTreeView::FolderTreeView(QWidget* parent) : QTreeView(parent)
{
    setObjectName(QStringLiteral("folderTree"));
    setAccessibleName(tr("Folders"));
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setRootIsDecorated(true);
    setAllColumnsShowFocus(true);
}

void FolderTreeView::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    if (!index.isValid()) {
        event->accept();
        return;
    }
    setCurrentIndex(index);
    if (event->reason() == QContextMenuEvent::Mouse && !visualRect(index).contains(event->pos())) {
        event->accept();
        return;
    }
    const QPoint where = event->reason() == QContextMenuEvent::Mouse
                             ? event->globalPos()
                             : viewport()->mapToGlobal(visualRect(index).center());
    emit FolderMenuRequested(index, where);
    event->accept();
}
