#pragma once

#include "filerecord.h"
#include "fileiconcache.h"

#include <QAbstractTableModel>

#include <string>
#include <vector>

class QAbstractFileIconProvider;

// The file list as a virtual table over the record array: row i shows record i.
// Texts and icons are made only for the rows a view asks for. Sorting reorders the
// records and moves every persistent index (and so a view's selection) with its record.
class FileListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    FileListModel(const QAbstractFileIconProvider& iconProvider, QObject* parent = nullptr);

    // Replaces the records with a new listing of `folder` (ending in '/').
    void SetRecords(std::string folder, std::vector<FileRecord> records);
    [[nodiscard]] const std::vector<FileRecord>& Records() const noexcept { return m_records; }

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;
    // A column other than 0-2 does nothing. Sorting by name shows the wait cursor.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    std::string m_folder;
    std::vector<FileRecord> m_records;
    mutable FileIconCache m_icons;
};
