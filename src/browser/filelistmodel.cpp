#include "filelistmodel.h"

#include "filerecordsort.h"
#include "sizetext.h"
#include "waitcursor.h"

#include <QFile>

#include <optional>

namespace {

constexpr int kSizeTypeBytes = 2;  // the list always shows sizes as grouped bytes

QString FromPathBytes(const std::string& bytes)
{
    return QFile::decodeName(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace

FileListModel::FileListModel(const QAbstractFileIconProvider& iconProvider, QObject* parent)
    : QAbstractTableModel(parent), m_icons(iconProvider)
{
}

void FileListModel::SetRecords(std::string folder, std::vector<FileRecord> records)
{
    beginResetModel();
    if (folder != m_folder) {
        m_icons.Clear();
    }
    m_folder = std::move(folder);
    m_records = std::move(records);
    endResetModel();
}

int FileListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_records.size());
}

int FileListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant FileListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    const FileRecord& record = m_records[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0: return FromPathBytes(record.name);
        case 1: return QString::fromStdString(FormatSizeText(record.size, kSizeTypeBytes));
        case 2: return QString::fromStdString(record.dateText);
        default: return {};
        }
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::DecorationRole:
        if (index.column() == 0) {
            return m_icons.IconFor(FromPathBytes(m_folder), FromPathBytes(record.name));
        }
        return {};
    default:
        return {};
    }
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        return section == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
    case 0: return tr("Filename");
    case 1: return tr("Size");
    case 2: return tr("Date");
    default: return {};
    }
}

void FileListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column > 2) {
        return;
    }
    std::optional<WaitCursor> wait;
    if (column == static_cast<int>(FileColumn::Name)) {
        wait.emplace();
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::optional<std::vector<std::size_t>> formerRows =
        SortFileRecords(m_records, column, order == Qt::DescendingOrder);
    // Move every persistent index (a view's selection and current row) with its record.
    std::vector<int> newRowOf(m_records.size());
    for (std::size_t row = 0; row < formerRows->size(); ++row) {
        newRowOf[(*formerRows)[row]] = static_cast<int>(row);
    }
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from) {
        to.append(index.isValid() ? createIndex(newRowOf[static_cast<std::size_t>(index.row())], index.column())
                                  : QModelIndex());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
