#include "checksumlistview.h"

#include "autoscroll.h"
#include "checksumlist.h"
#include "checksumlistmodel.h"
#include "checksumlistproxy.h"
#include "mainlayout.h"
#include "stateicons.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QKeyEvent>
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
    // A click on "Filename" or "Size" sorts (ascending, descending, then the list's
    // own order again); the list starts in its own order.
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicatorClearable(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    UpdateRowHeight();
    SetUpHeaderMenu();
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { OnUserScrolled(verticalScrollBar()->sliderPosition()); });
}

void ChecksumListView::SetUpHeaderMenu()
{
    m_checksumsAction = new QAction(tr("Show &checksums (expected and found)"), this);
    m_checksumsAction->setObjectName(QStringLiteral("showChecksumsAction"));
    m_checksumsAction->setCheckable(true);
    connect(m_checksumsAction, &QAction::toggled, this, &ChecksumListView::SetChecksumsShown);
    m_sortByStateAction = new QAction(tr("Sort by &state (problems first)"), this);
    m_sortByStateAction->setObjectName(QStringLiteral("sortByStateAction"));
    connect(m_sortByStateAction, &QAction::triggered, this, [this] { SortByState(Qt::AscendingOrder); });
    m_listOrderAction = new QAction(tr("&List order"), this);
    m_listOrderAction->setObjectName(QStringLiteral("listOrderAction"));
    connect(m_listOrderAction, &QAction::triggered, this, &ChecksumListView::ClearSort);

    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        auto* menu = new QMenu(this);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(m_checksumsAction);
        menu->addSeparator();
        menu->addAction(m_sortByStateAction);
        menu->addAction(m_listOrderAction);
        menu->popup(horizontalHeader()->mapToGlobal(pos));
    });
}

void ChecksumListView::SetListModels(ChecksumListModel* model, ChecksumListProxy* proxy)
{
    m_proxy = proxy;
    proxy->setSourceModel(model);
    // Connected before the selection model is made, so these run before it deselects.
    connect(proxy, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { m_rowsLeaving = true; });
    connect(proxy, &QAbstractItemModel::rowsRemoved, this, [this] { m_rowsLeaving = false; });
    setModel(proxy);
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder order) {
        // A header click sorts by the column's text; sorting by state is chosen apart.
        m_proxy->setSortRole(Qt::DisplayRole);
        m_proxy->sort(column, order);
    });
    setColumnHidden(ChecksumListModel::kExpectedColumn, !m_checksumsShown);
    setColumnHidden(ChecksumListModel::kFoundColumn, !m_checksumsShown);
}

std::vector<int> ChecksumListView::SelectedListRows() const
{
    std::vector<int> rows;
    if (m_proxy == nullptr || selectionModel() == nullptr) {
        return rows;
    }
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    rows.reserve(static_cast<std::size_t>(selected.size()));
    for (const QModelIndex& index : selected) {
        rows.push_back(m_proxy->ListRow(index.row()));
    }
    return rows;
}

void ChecksumListView::SyncSelectionToList()
{
    m_list.ClearSelection();
    for (const int row : SelectedListRows()) {
        m_list.SetRowSelected(row, true);
    }
}

void ChecksumListView::SetChecksumsShown(bool shown)
{
    m_checksumsShown = shown;
    const QSignalBlocker quiet(m_checksumsAction);
    m_checksumsAction->setChecked(shown);
    setColumnHidden(ChecksumListModel::kExpectedColumn, !shown);
    setColumnHidden(ChecksumListModel::kFoundColumn, !shown);
    FitColumns();
}

void ChecksumListView::SortByState(Qt::SortOrder order)
{
    const QSignalBlocker quiet(horizontalHeader());
    horizontalHeader()->setSortIndicator(ChecksumListModel::kFilenameColumn, order);
    m_proxy->setSortRole(ChecksumListProxy::kStateSortRole);
    m_proxy->sort(ChecksumListModel::kFilenameColumn, order);
}

void ChecksumListView::ClearSort()
{
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
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
    // The checksum columns, when shown, take their width from what "Filename" would have.
    const int checksumWidth = m_checksumsShown ? ChecksumColumnWidth() : 0;
    setColumnWidth(ChecksumListModel::kFilenameColumn,
                   std::max(0, FilenameColumnWidth(viewport()->width()) - 2 * checksumWidth));
    setColumnWidth(ChecksumListModel::kSizeColumn, kSizeColumnWidth);
    if (m_checksumsShown) {
        setColumnWidth(ChecksumListModel::kExpectedColumn, checksumWidth);
        setColumnWidth(ChecksumListModel::kFoundColumn, checksumWidth);
    }
}

int ChecksumListView::ChecksumColumnWidth() const
{
    // Wide enough for the first row's checksum (CRC-32 at least, at most 64 digits),
    // never more than a quarter of the view.
    const qsizetype digits = std::clamp<qsizetype>(static_cast<qsizetype>(m_list.ExpectedChecksum(0).size()), 8, 64);
    const int wanted = fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('D'))) + 12;
    return std::min(wanted, viewport()->width() / 4);
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
    if (m_proxy == nullptr || row < 0 || row >= m_list.RowCount()) {
        return;
    }
    m_runRow = row;
    const int viewRow = m_proxy->ViewRow(row);
    if (viewRow < 0) {
        return;  // filtered out: nothing to follow
    }
    // A list that has just been replaced may not be laid out yet; the scroll range
    // must be right before the row is brought into view.
    executeDelayedItemsLayout();
    if (!m_followRun) {
        // The run has come into the part the user scrolled to: follow it from here.
        if (!ViewRowVisible(viewRow, TopRow())) {
            return;
        }
        m_followRun = true;
    }
    const int top = AutoScrollTopRow(viewRow, TopRow(), RowsPerPage());
    if (top >= 0) {
        verticalScrollBar()->setValue(top);
    }
}

void ChecksumListView::FollowRun()
{
    m_followRun = true;
    m_runRow = -1;
}

bool ChecksumListView::ViewRowVisible(int viewRow, int top) const
{
    return viewRow >= top && viewRow < top + std::max(RowsPerPage(), 1);
}

void ChecksumListView::OnUserScrolled(int top)
{
    if (m_runRow < 0 || m_proxy == nullptr) {
        return;
    }
    const int viewRow = m_proxy->ViewRow(m_runRow);
    m_followRun = viewRow >= 0 && ViewRowVisible(viewRow, top);
}

void ChecksumListView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        emit CopyRequested();
        event->accept();
        return;
    }
    // The keyboard's ways to the row menu: Shift+F10 and the menu key, at the current row.
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (shiftF10 || event->key() == Qt::Key_Menu) {
        const QRect row = visualRect(currentIndex());
        emit customContextMenuRequested(row.isValid() ? row.center() : QPoint(0, 0));
        event->accept();
        return;
    }
    // Moving through the list from the keyboard scrolls as much as the scroll bar does.
    const int before = verticalScrollBar()->value();
    QTableView::keyPressEvent(event);
    const int after = verticalScrollBar()->value();
    if (after != before) {
        OnUserScrolled(after);
    }
}

void ChecksumListView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    FitColumns();
    if (m_followRun && m_runRow >= 0) {
        ScrollToRunRow(m_runRow);  // a list made shorter (the verdict strip) keeps the run's row in view
    }
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
    if (m_proxy == nullptr) {
        return;
    }
    // A row the filter takes out of view stays selected in the list: a run over the
    // selected rows may not have reached it yet.
    if (!m_rowsLeaving) {
        for (const QItemSelectionRange& range : deselected) {
            for (int row = range.top(); row <= range.bottom(); ++row) {
                m_list.SetRowSelected(m_proxy->ListRow(row), false);
            }
        }
    }
    for (const QItemSelectionRange& range : selected) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            m_list.SetRowSelected(m_proxy->ListRow(row), true);
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
