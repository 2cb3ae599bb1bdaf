#pragma once

#include <QTableView>

#include <vector>

class ChecksumList;
class ChecksumListModel;
class ChecksumListProxy;
class ChecksumRowDelegate;
class QAction;

// The checksum list's view: grid lines, one fixed row height of at least 20 pixels (so
// very long lists stay cheap), several rows selectable, "Filename" taking the width
// that the 100-pixel "Size" column leaves. The view shows the list through a sorting
// and filtering proxy and mirrors its selection, mapped to list rows, into the
// ChecksumList, where a run over the selected rows reads it. Rows that leave the view
// because of the filter (a run changes their state) stay selected in the list until
// SyncSelectionToList, so a run over the selected rows never loses a row it is about
// to reach.
//
// Auto-scroll follows the run while the user has not scrolled away from the run's
// row; scrolling the row back into view, or a new run, resumes it.
class ChecksumListView final : public QTableView {
    Q_OBJECT

public:
    explicit ChecksumListView(ChecksumList& list, QWidget* parent = nullptr);

    // Shows `model` through `proxy` (both outlive the view's use of them).
    void SetListModels(ChecksumListModel* model, ChecksumListProxy* proxy);
    [[nodiscard]] ChecksumListProxy* Proxy() const noexcept { return m_proxy; }

    // The list rows of the selected view rows, in the order they are shown.
    [[nodiscard]] std::vector<int> SelectedListRows() const;
    // Makes the list's selection exactly what the view shows selected.
    void SyncSelectionToList();

    // Shows or hides the "Expected" and "Found" columns (hidden at start-up).
    void SetChecksumsShown(bool shown);
    [[nodiscard]] bool ChecksumsShown() const noexcept { return m_checksumsShown; }
    // Sorts by state (Filename column, state order) rather than by a column's text.
    void SortByState(Qt::SortOrder order);
    // The header's menu: show the checksum column, sort by state, back to the list order.
    [[nodiscard]] QAction* ChecksumsAction() const noexcept { return m_checksumsAction; }
    [[nodiscard]] QAction* SortByStateAction() const noexcept { return m_sortByStateAction; }
    [[nodiscard]] QAction* ListOrderAction() const noexcept { return m_listOrderAction; }
    // Back to the list's own order.
    void ClearSort();

    // With full-row selection a selected row is highlighted across both columns,
    // without it only in "Filename"; grid lines stay either way.
    void SetFullRowSelect(bool on);
    [[nodiscard]] bool FullRowSelect() const noexcept { return m_fullRowSelect; }

    // Column widths for the current viewport: "Filename" = width - 100, "Size" = 100.
    void FitColumns();
    // Keeps the list row being verified in view (the run's auto-scroll), unless the
    // user has scrolled away from it.
    void ScrollToRunRow(int row);
    // A new run: auto-scroll follows it again.
    void FollowRun();
    [[nodiscard]] bool FollowingRun() const noexcept { return m_followRun; }

    [[nodiscard]] int TopRow() const;
    [[nodiscard]] int RowsPerPage() const;

signals:
    // Ctrl+C: the selected rows are to be copied (the view's own copy takes one cell).
    void CopyRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    void UpdateRowHeight();
    // The user moved the view to `top`: auto-scroll follows while the run's row is in view.
    void OnUserScrolled(int top);
    [[nodiscard]] bool ViewRowVisible(int viewRow, int top) const;
    [[nodiscard]] int ChecksumColumnWidth() const;
    void SetUpHeaderMenu();

    ChecksumList& m_list;
    ChecksumRowDelegate* m_delegate;
    ChecksumListProxy* m_proxy = nullptr;
    QAction* m_checksumsAction = nullptr;
    QAction* m_sortByStateAction = nullptr;
    QAction* m_listOrderAction = nullptr;
    bool m_fullRowSelect = true;
    bool m_checksumsShown = false;
    bool m_rowsLeaving = false;  // the proxy is removing rows (filtered out)
    bool m_followRun = true;
    int m_runRow = -1;           // the list row the run reached last
};
