#include "swatchlayout.h"

#include "colourtable.h"
#include "swatchnavigation.h"

#include <algorithm>

namespace {

constexpr int kRows = (kSwatchColourCount + kSwatchColumns - 1) / kSwatchColumns;
constexpr int kPreferredCellSize = 18;

int CellSize(int margin)
{
    const int inner = kPreferredCellSize - (2 * margin + 2);
    return inner < 5 ? 2 * margin + 7 : kPreferredCellSize;
}

}  // namespace

QRect SwatchLayout::CellRect(int index) const
{
    if (index < 0 || index >= kSwatchColourCount) {
        return {};
    }
    const int row = index / kSwatchColumns;
    const int column = index % kSwatchColumns;
    return {column * cellSize + margin, row * cellSize + cellsTop, cellSize, cellSize};
}

int SwatchLayout::EntryAt(const QPoint& point) const
{
    if (customBox.contains(point)) {
        return kCustomSwatchEntry;
    }
    if (defaultBox.contains(point)) {
        return kDefaultSwatchEntry;
    }
    for (int index = 0; index < kSwatchColourCount; ++index) {
        if (CellRect(index).contains(point)) {
            return index;
        }
    }
    return kNoSwatchEntry;
}

QRect SwatchLayout::EntryRect(int entry) const
{
    if (entry == kCustomSwatchEntry) {
        return customBox;
    }
    if (entry == kDefaultSwatchEntry) {
        return defaultBox;
    }
    return CellRect(entry);
}

SwatchLayout LayOutSwatches(int margin, const QSize& defaultText, const QSize& customText)
{
    SwatchLayout layout;
    layout.margin = margin;
    layout.cellSize = CellSize(margin);
    layout.cellsTop = margin;
    layout.window = QSize(2 * margin + kSwatchColumns * layout.cellSize, 2 * margin + kRows * layout.cellSize);

    const int textHeight = std::max(defaultText.height(), customText.height()) + 4 * margin + 2;
    const int textWidth = std::max(defaultText.width(), customText.width()) + 2 * margin;

    if (!defaultText.isEmpty()) {
        layout.window.setWidth(std::max(layout.window.width(), textWidth));
        layout.defaultBox =
            QRect(QPoint(margin, margin), QPoint(layout.window.width() - margin - 1, 2 * margin + textHeight - 1));
        layout.window.setHeight(layout.window.height() + 2 * margin + layout.defaultBox.height());
        layout.cellsTop = margin + layout.defaultBox.height() + margin;
    }
    if (!customText.isEmpty()) {
        layout.window.setWidth(std::max(layout.window.width(), textWidth));
        const int top = layout.window.height();
        layout.customBox =
            QRect(QPoint(margin, top), QPoint(layout.window.width() - margin - 1, top + margin + textHeight - 1));
        layout.window.setHeight(layout.window.height() + 2 * margin + layout.customBox.height());
    }
    return layout;
}

QPoint PlaceSwatchPopup(const QRect& picker, const QSize& popup, const QRect& screen)
{
    QPoint place(picker.left(), picker.bottom() + 1);
    if (place.x() + popup.width() > screen.right() + 1) {
        place.setX(screen.right() + 1 - popup.width());
    }
    if (place.x() < screen.left()) {
        place.setX(screen.left());
    }
    if (place.y() + popup.height() > screen.bottom() + 1) {
        place.setY(picker.top() - popup.height());
    }
    return place;
}
