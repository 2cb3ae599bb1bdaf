#include "filelistview.h"

#include <QHeaderView>
#include <QStyle>

#include <algorithm>

FileListView::FileListView(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("fileList"));
    setAccessibleName(tr("Files"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    setSortingEnabled(false);  // sorted by our own header clicks, which start ascending
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &FileListView::OnHeaderClicked);
    // A double click, not "activated": desktops set to open on a single click must
    // not open a file the user is only selecting.
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            emit FileActivated(index.row());
        }
    });
}

void FileListView::setModel(QAbstractItemModel* model)
{
    QTableView::setModel(model);
    setColumnWidth(0, 270);
    setColumnWidth(1, 70);
    setColumnWidth(2, 120);
}

void FileListView::OnHeaderClicked(int section)
{
    const bool again = section == m_sortColumn && m_sortOrder == Qt::AscendingOrder;
    SortBy(section, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void FileListView::SortBy(int column, Qt::SortOrder order)
{
    if (model() == nullptr || column < 0 || column >= model()->columnCount()) {
        return;
    }
    model()->sort(column, order);
    m_sortColumn = column;
    m_sortOrder = order;
    horizontalHeader()->setSortIndicator(column, order);
}

void FileListView::FitColumns()
{
    if (!isVisible()) {
        m_fitPending = true;  // a hidden list has no width of its own to share out
        return;
    }
    m_fitPending = false;
    // The cell's margins and the grid line around the widest date text.
    const int dateText = fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00 00:00"));
    const int date = std::max(120, dateText + 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8);
    setColumnWidth(0, std::max(0, viewport()->width() - 90 - date));
    setColumnWidth(1, 90);
    setColumnWidth(2, date);
}

void FileListView::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    if (m_fitPending) {
        FitColumns();
    }
}

std::vector<int> FileListView::SelectedRows() const
{
    std::vector<int> rows;
    if (selectionModel() == nullptr) {
        return rows;
    }
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}
