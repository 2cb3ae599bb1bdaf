#pragma once

#include "listviewcolorrecord.h"
#include "stateicons.h"

#include <QAbstractTableModel>
#include <QColor>

class ChecksumList;

// The checksum list as a table: "Filename" with the row's state icon, "Size"
// (right-aligned), the expected checksum and the one the last run found; assistive technology gets each row's state as a word. Cells read the ChecksumList at paint time, so a run's changes show
// by repainting; the window reports changed rows in batches.
class ChecksumListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    // "Expected" and "Found" are hidden until the user shows them.
    enum Column { kFilenameColumn = 0, kSizeColumn = 1, kExpectedColumn = 2, kFoundColumn = 3, kColumnCount = 4 };

    explicit ChecksumListModel(const ChecksumList& list, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    // Without the generic checks' virtual calls: sorting 100,000 rows asks for millions.
    [[nodiscard]] QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Bracket a replacement of the list's content.
    void BeginReplace() { beginResetModel(); }
    void EndReplace() { endResetModel(); }
    // Rows first to last changed status or size text.
    void RowsChanged(int first, int last);
    void AllRowsChanged();

    // Row colours: the second for rows of even index (0, 2, ...), the first for odd.
    // An "Automatic" colour (kColorRefDefault) is no colour: the row keeps the view's.
    void SetRowColours(const ListViewColorRecord& colours);
    void SetTextColour(const QColor& colour);
    [[nodiscard]] QColor RowColour(int row) const;
    // A row's tooltip: the name, why its checksum is unusable or its file could not be
    // read (if so), the full path of its file, its expected checksum and, once a run
    // has computed it, the found one.
    [[nodiscard]] QString RowToolTip(int row) const;
    // The row's state as a word, and why its file could not be read (if so): what a
    // screen reader gives as the row's details.
    [[nodiscard]] QString RowDetails(int row) const;
    // The file a row names, as the run resolves it (base folder + name).
    [[nodiscard]] QString RowPath(int row) const;

    // The row state as a word (OK, Bad, Missing, Unchecked, Checking), for screen readers.
    [[nodiscard]] static QString StatusWord(EntryStatus status);

private:
    [[nodiscard]] QVariant ChecksumData(int row, bool found, int role) const;

    const ChecksumList& m_list;
    StateIcons m_icons;
    QColor m_firstColour;
    QColor m_secondColour;
    QColor m_textColour{Qt::black};
};
