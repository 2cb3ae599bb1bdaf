#pragma once

#include "folderitem.h"

#include <QAbstractItemModel>
#include <QIcon>

#include <memory>
#include <vector>

class FolderNamespace;
class QAbstractFileIconProvider;

// The folder tree over a namespace, loaded lazily: the roots at once, the children of
// an item the first time it is expanded or selected (LoadChildren), never again. An
// item that reports sub-folders shows an expander before its children are known.
// Children are in the folder's own order; the roots in the namespace's order.
class FolderTreeModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    FolderTreeModel(const FolderNamespace& space, const QAbstractFileIconProvider& iconProvider,
                    QObject* parent = nullptr);
    ~FolderTreeModel() override;

    // The namespace item of an index; nullptr for the invisible root.
    [[nodiscard]] const FolderItem* Item(const QModelIndex& index) const;
    [[nodiscard]] FolderAttributes Attributes(const QModelIndex& index) const;
    // Loads the children of an item once (when it reports sub-folders).
    void LoadChildren(const QModelIndex& index);
    [[nodiscard]] bool ChildrenLoaded(const QModelIndex& index) const;

    [[nodiscard]] QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QModelIndex parent(const QModelIndex& child) const override;
    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Node;

    [[nodiscard]] Node* NodeOf(const QModelIndex& index) const;
    [[nodiscard]] QIcon IconOf(const Node& node) const;

    const FolderNamespace& m_space;
    const QAbstractFileIconProvider& m_iconProvider;
    std::unique_ptr<Node> m_root;
    QIcon m_folderIcon;  // closed, with the open variant as its "on" state
};
