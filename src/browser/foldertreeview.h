#pragma once

#include <QTreeView>

// The folder tree's view. A right click selects the item under the cursor first (which
// opens that folder); when the click lies on an item it asks for the item's menu. A
// right click on empty space keeps the selection and asks for nothing.
class FolderTreeView final : public QTreeView {
    Q_OBJECT

public:
    explicit FolderTreeView(QWidget* parent = nullptr);

signals:
    void FolderMenuRequested(const QModelIndex& index, const QPoint& globalPos);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};
