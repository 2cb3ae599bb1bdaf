#pragma once

#include <QTableView>

class ChecksumList;
class ChecksumRowDelegate;

// The checksum list's view: grid lines, one fixed row height of at least 20 pixels (so
// very long lists stay cheap), several rows selectable, "Filename" taking the width
// that the 100-pixel "Size" column leaves. The view mirrors its selection into the
// ChecksumList, where a run over the selected rows reads it.
class ChecksumListView final : public QTableView {
    Q_OBJECT

public:
    explicit ChecksumListView(ChecksumList& list, QWidget* parent = nullptr);

    // With full-row selection a selected row is highlighted across both columns,
    // without it only in "Filename"; grid lines stay either way.
    void SetFullRowSelect(bool on);
    [[nodiscard]] bool FullRowSelect() const noexcept { return m_fullRowSelect; }

    // Column widths for the current viewport: "Filename" = width - 100, "Size" = 100.
    void FitColumns();
    // Keeps the row being verified in view (the run's auto-scroll).
    void ScrollToRunRow(int row);

    [[nodiscard]] int TopRow() const;
    [[nodiscard]] int RowsPerPage() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void UpdateRowHeight();

    ChecksumList& m_list;
    ChecksumRowDelegate* m_delegate;
    bool m_fullRowSelect = true;
};
