#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where everything sits in the pop-up palette, in window coordinates: the
// "Automatic" box on top, the 8 x 5 cells, the "More Colours..." box below.
struct SwatchLayout {
    int margin = 2;
    int cellSize = 18;
    int cellsTop = 0;
    QSize window;
    QRect defaultBox;  // empty when "Automatic" is absent
    QRect customBox;   // empty when "More Colours..." is absent

    [[nodiscard]] QRect CellRect(int index) const;
    // The entry under a point: a cell, one of the text entries, or none (see swatchnavigation.h).
    [[nodiscard]] int EntryAt(const QPoint& point) const;
    // An entry's box (empty for none).
    [[nodiscard]] QRect EntryRect(int entry) const;
};

// margin: the edge width; defaultText / customText: the size of each text in the
// pop-up's font, empty when the entry is absent.
[[nodiscard]] SwatchLayout LayOutSwatches(int margin, const QSize& defaultText, const QSize& customText);

// The pop-up's place on the screen: below the picker at its left edge, shifted
// sideways to stay on the screen, and above the picker when it would pass the bottom.
[[nodiscard]] QPoint PlaceSwatchPopup(const QRect& picker, const QSize& popup, const QRect& screen);
