#include "foldertreemodel.h"

#include "foldernamespace.h"

#include <QAbstractFileIconProvider>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

struct FolderTreeModel::Node {
    FolderItem item;
    FolderAttributes attributes;
    Node* parent = nullptr;
    int row = 0;
    bool childrenLoaded = false;
    QIcon icon;  // a root's own icon (home, drive); other folders share one
    std::vector<std::unique_ptr<Node>> children;
};

namespace {

QString FromPathBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromStdString(bytes));
}

}  // namespace

FolderTreeModel::FolderTreeModel(const FolderNamespace& space, const QAbstractFileIconProvider& iconProvider,
                                 QObject* parent)
    : QAbstractItemModel(parent), m_space(space), m_iconProvider(iconProvider), m_root(std::make_unique<Node>())
{
    m_folderIcon = m_iconProvider.icon(QAbstractFileIconProvider::Folder);
    const QIcon open = QIcon::fromTheme(QStringLiteral("folder-open"));
    if (!open.isNull()) {
        for (const QSize& size : open.availableSizes()) {
            m_folderIcon.addPixmap(open.pixmap(size), QIcon::Normal, QIcon::On);
        }
    }
    m_root->childrenLoaded = true;
    int row = 0;
    for (FolderItem& item : m_space.Roots()) {
        auto node = std::make_unique<Node>();
        node->attributes = m_space.Attributes(item);
        node->item = std::move(item);
        node->parent = m_root.get();
        node->row = row++;
        if (!node->item.path.empty()) {
            node->icon = m_iconProvider.icon(QFileInfo(FromPathBytes(node->item.path)));
        }
        m_root->children.push_back(std::move(node));
    }
}

FolderTreeModel::~FolderTreeModel() = default;

FolderTreeModel::Node* FolderTreeModel::NodeOf(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

const FolderItem* FolderTreeModel::Item(const QModelIndex& index) const
{
    return index.isValid() ? &NodeOf(index)->item : nullptr;
}

FolderAttributes FolderTreeModel::Attributes(const QModelIndex& index) const
{
    return index.isValid() ? NodeOf(index)->attributes : FolderAttributes{};
}

bool FolderTreeModel::ChildrenLoaded(const QModelIndex& index) const
{
    return NodeOf(index)->childrenLoaded;
}

void FolderTreeModel::LoadChildren(const QModelIndex& index)
{
    Node* node = NodeOf(index);
    if (node->childrenLoaded) {
        return;
    }
    node->childrenLoaded = true;
    if (!node->attributes.hasSubFolders || !m_space.OpenAsFolder(node->item)) {
        return;
    }
    std::vector<FolderItem> items = m_space.ChildFolders(node->item);
    std::sort(items.begin(), items.end(),
              [this](const FolderItem& a, const FolderItem& b) { return m_space.Compare(a, b) < 0; });
    std::vector<std::unique_ptr<Node>> children;
    children.reserve(items.size());
    for (FolderItem& item : items) {
        auto child = std::make_unique<Node>();
        child->attributes = m_space.Attributes(item);
        if (!child->attributes.folder) {
            continue;
        }
        child->item = std::move(item);
        child->parent = node;
        child->row = static_cast<int>(children.size());
        children.push_back(std::move(child));
    }
    if (children.empty()) {
        // The expander goes: the item turned out to have no sub-folders.
        emit dataChanged(index, index);
        return;
    }
    beginInsertRows(index, 0, static_cast<int>(children.size()) - 1);
    node->children = std::move(children);
    endInsertRows();
}

QModelIndex FolderTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    const Node* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size())) {
        return {};
    }
    return createIndex(row, 0, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex FolderTreeModel::parent(const QModelIndex& child) const
{
    if (!child.isValid()) {
        return {};
    }
    const Node* parentNode = NodeOf(child)->parent;
    if (parentNode == nullptr || parentNode == m_root.get()) {
        return {};
    }
    return createIndex(parentNode->row, 0, const_cast<Node*>(parentNode));
}

int FolderTreeModel::rowCount(const QModelIndex& parent) const
{
    return static_cast<int>(NodeOf(parent)->children.size());
}

int FolderTreeModel::columnCount(const QModelIndex& /*parent*/) const
{
    return 1;
}

bool FolderTreeModel::hasChildren(const QModelIndex& parent) const
{
    const Node* node = NodeOf(parent);
    return node->childrenLoaded ? !node->children.empty() : node->attributes.hasSubFolders;
}

bool FolderTreeModel::canFetchMore(const QModelIndex& parent) const
{
    const Node* node = NodeOf(parent);
    return !node->childrenLoaded && node->attributes.hasSubFolders;
}

void FolderTreeModel::fetchMore(const QModelIndex& parent)
{
    LoadChildren(parent);
}

QIcon FolderTreeModel::IconOf(const Node& node) const
{
    return node.icon.isNull() ? m_folderIcon : node.icon;
}

QVariant FolderTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    const Node& node = *NodeOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return FromPathBytes(m_space.DisplayName(node.item));
    case Qt::DecorationRole:
        return IconOf(node);
    case Qt::ToolTipRole:
        if (const auto path = m_space.FileSystemPath(node.item)) {
            return FromPathBytes(*path);
        }
        return {};
    default:
        return {};
    }
}
