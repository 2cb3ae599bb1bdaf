#pragma once

#include <QSortFilterProxyModel>
#include <QString>

class ChecksumList;

// What the checksum list shows of its rows: all of them, only the problems (Bad and
// Missing), or those whose name contains a text (case-insensitive).
enum class RowFilter { All = 0, Problems = 1, NameText = 2 };

// The checksum list as the user sorts and filters it. The list's own row order, which
// the run, the counters and the written files use, never changes: the view shows the
// rows through this proxy, and everything that maps a view row to a list row maps
// through it. Rows compare by reading the list directly (no text is made for it):
// names in natural order (case-insensitive, digit runs by value), sizes by number,
// states in a fixed order with the problems first. Equal keys keep the list's order.
class ChecksumListProxy final : public QSortFilterProxyModel {
    Q_OBJECT

public:
    // The sort role of the "Filename" column that sorts by state instead of by name.
    static constexpr int kStateSortRole = Qt::UserRole + 1;

    explicit ChecksumListProxy(const ChecksumList& list, QObject* parent = nullptr);

    void SetFilter(RowFilter filter, const QString& nameText = QString());
    [[nodiscard]] RowFilter Filter() const noexcept { return m_filter; }
    [[nodiscard]] const QString& NameText() const noexcept { return m_nameText; }

    // The list row of a view row, and the view row of a list row (-1: not shown).
    [[nodiscard]] int ListRow(int viewRow) const;
    [[nodiscard]] int ViewRow(int listRow) const;

    // The rank of a state when sorted by state: Bad, Missing, Checking, Unchecked, OK.
    [[nodiscard]] static int StateRank(int status) noexcept;

    // Row colours alternate by the row's place on screen, not by its place in the list.
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    [[nodiscard]] bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const ChecksumList& m_list;
    RowFilter m_filter = RowFilter::All;
    QString m_nameText;
};
