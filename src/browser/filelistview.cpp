#include "filelistview.h"

#include <QHeaderView>

#include <algorithm>

FileListView::FileListView(QWidget* parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("fileList"));
    setAccessibleName(tr("Files"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setShowGrid(true);
    setWordWrap(false);
    setSortingEnabled(false);  // sorted by our own header clicks: no indicator, no descending order
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (model() != nullptr) {
            model()->sort(section, Qt::AscendingOrder);
        }
    });
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

void FileListView::FitColumns()
{
    setColumnWidth(0, std::max(0, viewport()->width() - 210));
    setColumnWidth(1, 90);
    setColumnWidth(2, 120);
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
