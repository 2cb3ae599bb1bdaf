#include "checksumlistmodel.h"

#include "checksumlist.h"
#include "colorref.h"
#include "digestline.h"
#include "entrytraits.h"
#include "pathtext.h"


#include "sizetext.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

// A row's size text as the window shows it: the list's English words translated.
QString ShownSizeText(const std::string& text)
{
    constexpr std::string_view kBytes = " bytes";
    if (text == kNotFoundText) {
        return ChecksumListModel::tr("Not Found.");
    }
    if (text.ends_with(kBytes)) {
        return ChecksumListModel::tr("%1 bytes").arg(QString::fromStdString(text.substr(0, text.size() - kBytes.size())));
    }
    return QString::fromUtf8(text.c_str());
}

}  // namespace

ChecksumListModel::ChecksumListModel(const ChecksumList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list)
{
    SetRowColours(ListViewColorRecord{});
}

int ChecksumListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_list.RowCount();
}

int ChecksumListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QModelIndex ChecksumListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || column >= kColumnCount || row >= m_list.RowCount()) {
        return {};
    }
    return createIndex(row, column);
}

QVariant ChecksumListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.RowCount()) {
        return {};
    }
    const int row = index.row();
    if (index.column() == kExpectedColumn || index.column() == kFoundColumn) {
        return ChecksumData(row, index.column() == kFoundColumn, role);
    }
    const bool filename = index.column() == kFilenameColumn;
    switch (role) {
    case Qt::DisplayRole:
        return filename ? WidePath(m_list.RowName(row))
                        : ShownSizeText(m_list.SizeText(row));
    case Qt::ToolTipRole:
        return filename ? RowToolTip(row) : ShownSizeText(m_list.SizeText(row));
    case Qt::DecorationRole:
        if (filename) {
            return m_icons.Icon(m_list.RowStatus(row));
        }
        return {};
    case Qt::AccessibleTextRole:
        // Screen readers hear the state as a word, not only see it as a picture.
        return filename ? tr("%1, %2").arg(WidePath(m_list.RowName(row)), StatusWord(m_list.RowStatus(row)))
                        : ShownSizeText(m_list.SizeText(row));
    case Qt::AccessibleDescriptionRole:
        return filename ? RowDetails(row) : QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(filename ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter));
    case Qt::BackgroundRole: {
        // An "Automatic" row colour leaves the row in the view's own base colour.
        const QColor colour = RowColour(row);
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    case Qt::ForegroundRole:
        return m_textColour;
    default:
        return {};
    }
}

QVariant ChecksumListModel::ChecksumData(int row, bool found, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return found ? QString::fromStdString(m_list.FoundChecksum(row)) : QString::fromLatin1(m_list.ExpectedChecksum(row));
    case Qt::ToolTipRole:
        return RowToolTip(row);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::BackgroundRole: {
        const QColor colour = RowColour(row);
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    case Qt::ForegroundRole:
        // A found checksum that is not the expected one stands out.
        return found && m_list.RowStatus(row) == EntryStatus::Bad ? QColor(0xC0, 0x00, 0x00) : m_textColour;
    default:
        return {};
    }
}

QString ChecksumListModel::RowPath(int row) const
{
    return WidePath(ResolveRowPath(m_list.BaseFolder(), m_list.RowName(row), m_list.RowTraits(row)));
}

QString ChecksumListModel::RowToolTip(int row) const
{
    QString tip = WidePath(m_list.RowName(row));
    const std::uint8_t traits = m_list.RowTraits(row);
    if (entrytraits::HasUnusableDigest(traits)) {
        if (const std::optional<std::string> problem = DigestProblem(m_list.ExpectedChecksum(row), traits)) {
            tip += QLatin1Char('\n') + QString::fromStdString(*problem);
        }
    }
    if (const std::string reason = m_list.RowReadErrorText(row); !reason.empty()) {
        tip += QLatin1Char('\n') + tr("Could not be read: %1").arg(QString::fromStdString(reason));
    }
    tip += QLatin1Char('\n') + RowPath(row);
    tip += QLatin1Char('\n') + tr("Expected: %1").arg(QString::fromLatin1(m_list.ExpectedChecksum(row)));
    if (const std::string found = m_list.FoundChecksum(row); !found.empty()) {
        tip += QLatin1Char('\n') + tr("Found: %1").arg(QString::fromStdString(found));
    }
    return tip;
}

QString ChecksumListModel::RowDetails(int row) const
{
    const QString word = StatusWord(m_list.RowStatus(row));
    const std::string reason = m_list.RowReadErrorText(row);
    return reason.empty() ? word : tr("%1 (%2)").arg(word, QString::fromStdString(reason));
}

QVariant ChecksumListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        switch (section) {
        case kFilenameColumn: return tr("Filename");
        case kSizeColumn: return tr("Size");
        case kExpectedColumn: return tr("Expected");
        case kFoundColumn: return tr("Found");
        default: return {};
        }
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(section == kSizeColumn ? Qt::AlignRight | Qt::AlignVCenter
                                                                       : Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

QString ChecksumListModel::StatusWord(EntryStatus status)
{
    switch (status) {
    case EntryStatus::OK: return tr("OK");
    case EntryStatus::Bad: return tr("Bad");
    case EntryStatus::Missing: return tr("Missing");
    case EntryStatus::Checking: return tr("Checking");
    case EntryStatus::Unchecked: break;
    }
    return tr("Unchecked");
}

Qt::ItemFlags ChecksumListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

void ChecksumListModel::RowsChanged(int first, int last)
{
    const int rows = m_list.RowCount();
    if (rows == 0 || first >= rows || last < first) {
        return;
    }
    emit dataChanged(index(std::max(first, 0), kFilenameColumn), index(std::min(last, rows - 1), kColumnCount - 1));
}

void ChecksumListModel::AllRowsChanged()
{
    RowsChanged(0, m_list.RowCount() - 1);
}

void ChecksumListModel::SetRowColours(const ListViewColorRecord& colours)
{
    const auto rowColour = [](std::uint32_t colour) {
        return colour == kColorRefDefault ? QColor() : ColourFromColorRef(colour);
    };
    m_firstColour = rowColour(colours.firstColour);
    m_secondColour = rowColour(colours.secondColour);
    AllRowsChanged();
}

void ChecksumListModel::SetTextColour(const QColor& colour)
{
    m_textColour = colour;
    AllRowsChanged();
}

QColor ChecksumListModel::RowColour(int row) const
{
    return row % 2 == 0 ? m_secondColour : m_firstColour;
}
