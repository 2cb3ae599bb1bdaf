#include "checksumlistproxy.h"

#include "checksumlist.h"
#include "checksumlistmodel.h"
#include "naturalorder.h"
#include "pathtext.h"

#include <array>

ChecksumListProxy::ChecksumListProxy(const ChecksumList& list, QObject* parent)
    : QSortFilterProxyModel(parent), m_list(list)
{
    setObjectName(QStringLiteral("checksumListProxy"));
    // Rows that change state during a run move to their sorted place and, with a
    // filter on, come and go as they are found.
    setDynamicSortFilter(true);
}

void ChecksumListProxy::SetFilter(RowFilter filter, const QString& nameText)
{
    const QString text = filter == RowFilter::NameText ? nameText : QString();
    if (filter == m_filter && text == m_nameText) {
        return;
    }
    m_filter = filter;
    m_nameText = text;
    invalidateRowsFilter();
}

int ChecksumListProxy::ListRow(int viewRow) const
{
    const QModelIndex source = mapToSource(index(viewRow, 0));
    return source.isValid() ? source.row() : -1;
}

int ChecksumListProxy::ViewRow(int listRow) const
{
    if (sourceModel() == nullptr) {
        return -1;
    }
    const QModelIndex shown = mapFromSource(sourceModel()->index(listRow, 0));
    return shown.isValid() ? shown.row() : -1;
}

int ChecksumListProxy::StateRank(int status) noexcept
{
    // Indexed by EntryStatus: Unchecked, Checking, Bad, OK, Missing.
    constexpr std::array<int, 5> kRanks = {3, 2, 0, 4, 1};
    return status >= 0 && status < static_cast<int>(kRanks.size()) ? kRanks[static_cast<std::size_t>(status)] : 5;
}

QVariant ChecksumListProxy::data(const QModelIndex& index, int role) const
{
    if (role == Qt::BackgroundRole && index.isValid()) {
        if (const auto* model = qobject_cast<const ChecksumListModel*>(sourceModel())) {
            const QColor colour = model->RowColour(index.row());
            return colour.isValid() ? QVariant(colour) : QVariant();
        }
    }
    return QSortFilterProxyModel::data(index, role);
}

bool ChecksumListProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const int a = left.row();
    const int b = right.row();
    switch (left.column()) {
    case ChecksumListModel::kSizeColumn:
        return m_list.RowSize(a) < m_list.RowSize(b);
    case ChecksumListModel::kExpectedColumn:
        return m_list.ExpectedChecksum(a) < m_list.ExpectedChecksum(b);
    case ChecksumListModel::kFoundColumn:
        return m_list.FoundChecksum(a) < m_list.FoundChecksum(b);
    default:
        break;
    }
    if (sortRole() == kStateSortRole) {
        return StateRank(static_cast<int>(m_list.RowStatus(a))) < StateRank(static_cast<int>(m_list.RowStatus(b)));
    }
    return CompareNatural(m_list.RowName(a), m_list.RowName(b)) < 0;
}

bool ChecksumListProxy::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    switch (m_filter) {
    case RowFilter::All:
        return true;
    case RowFilter::Problems: {
        const EntryStatus status = m_list.RowStatus(sourceRow);
        return status == EntryStatus::Bad || status == EntryStatus::Missing;
    }
    case RowFilter::NameText:
        return m_nameText.isEmpty() || WidePath(m_list.RowName(sourceRow)).contains(m_nameText, Qt::CaseInsensitive);
    }
    return true;
}
