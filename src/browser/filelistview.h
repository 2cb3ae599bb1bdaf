#pragma once

#include <QTableView>

#include <vector>

// The file list's view: report rows with grid lines, whole-row multiple selection
// (Ctrl+A selects every file), columns "Filename" 270, "Size" 70 and "Date" 120 pixels
// until the list is laid out (FitColumns). A click on a column header sorts by that
// column, ascending; a second click on the same header reverses the order. The header
// shows the order with its sort arrow.
class FileListView final : public QTableView {
    Q_OBJECT

public:
    explicit FileListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The widths of a new layout: "Filename" takes what "Size" (90) and "Date" (120, or
    // what a date needs in the list's font) leave of the list's width. Asked while the
    // list is hidden, the layout is made when it is next shown.
    void FitColumns();
    // Sorts the list by a column in an order and shows that on the header.
    void SortBy(int column, Qt::SortOrder order);
    // The selected rows in row order.
    [[nodiscard]] std::vector<int> SelectedRows() const;

protected:
    void showEvent(QShowEvent* event) override;

signals:
    // A row was double-clicked.
    void FileActivated(int row);

private:
    void OnHeaderClicked(int section);

    bool m_fitPending = false;
    // The order shown; the header flips its own arrow on a click before telling us.
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
