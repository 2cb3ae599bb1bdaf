#include "checksumlistview.h"

#include "autoscroll.h"
#include "checksumlist.h"
#include "checksumlistmodel.h"
#include "mainlayout.h"
#include "stateicons.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

// Draws the selection highlight only in "Filename" when full-row selection is off.
class ChecksumRowDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool m_fullRowSelect = true;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!m_fullRowSelect && index.column() != ChecksumListModel::kFilenameColumn) {
            option->state &= ~QStyle::State_Selected;
        }
    }
};

ChecksumListView::ChecksumListView(ChecksumList& list, QWidget* parent)
    : QTableView(parent), m_list(list), m_delegate(new ChecksumRowDelegate(this))
{
    setObjectName(QStringLiteral("checksumList"));
    setItemDelegate(m_delegate);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setIconSize(kStateIconSize);
    setCornerButtonEnabled(false);
    // The columns always fill the viewport exactly, so there is nothing to scroll sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setObjectName(QStringLiteral("checksumListHeader"));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(false);
    UpdateRowHeight();
}

void ChecksumListView::SetFullRowSelect(bool on)
{
    m_fullRowSelect = on;
    m_delegate->m_fullRowSelect = on;
    viewport()->update();
}

void ChecksumListView::FitColumns()
{
    if (model() == nullptr) {
        return;
    }
    setColumnWidth(ChecksumListModel::kFilenameColumn, std::max(0, FilenameColumnWidth(viewport()->width())));
    setColumnWidth(ChecksumListModel::kSizeColumn, kSizeColumnWidth);
}

int ChecksumListView::TopRow() const
{
    return std::max(0, rowAt(0));
}

int ChecksumListView::RowsPerPage() const
{
    const int height = verticalHeader()->defaultSectionSize();
    return height > 0 ? viewport()->height() / height : 0;
}

void ChecksumListView::ScrollToRunRow(int row)
{
    if (model() == nullptr || row < 0 || row >= model()->rowCount()) {
        return;
    }
    // A list that has just been replaced may not be laid out yet; the scroll range
    // must be right before the row is brought into view.
    executeDelayedItemsLayout();
    const int top = AutoScrollTopRow(row, TopRow(), RowsPerPage());
    if (top >= 0) {
        verticalScrollBar()->setValue(top);
    }
}

void ChecksumListView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    FitColumns();
}

bool ChecksumListView::viewportEvent(QEvent* event)
{
    // The viewport narrows without the view changing size when the vertical scroll bar
    // appears; the columns follow it.
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize) {
        FitColumns();
    }
    return handled;
}

void ChecksumListView::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateRowHeight();
    }
}

void ChecksumListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTableView::selectionChanged(selected, deselected);
    for (const QItemSelectionRange& range : deselected) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            m_list.SetRowSelected(row, false);
        }
    }
    for (const QItemSelectionRange& range : selected) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            m_list.SetRowSelected(row, true);
        }
    }
}

void ChecksumListView::UpdateRowHeight()
{
    // The state icons are 20 pixels high, which makes every row at least that high.
    const int height = std::max(kStateIconSize.height(), fontMetrics().height() + 4);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
}
