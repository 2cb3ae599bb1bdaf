#pragma once

#include <QTableView>

#include <vector>

// The file list's view: report rows with grid lines, whole-row multiple selection
// (Ctrl+A selects every file), columns "Filename" 270, "Size" 70 and "Date" 120 pixels
// until the list is laid out (FitColumns). A click on a column header sorts by that column.
class FileListView final : public QTableView {
    Q_OBJECT

public:
    explicit FileListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;
    // The widths of a new layout: "Filename" takes what "Size" (90) and "Date" (120)
    // leave of the list's width.
    void FitColumns();
    // The selected rows in row order.
    [[nodiscard]] std::vector<int> SelectedRows() const;

signals:
    // A row was double-clicked.
    void FileActivated(int row);
};
