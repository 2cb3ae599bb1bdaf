// Painting of the pop-up palette: frame, "Automatic", the colour cells, "More Colours...".
// Colours come from the palette (menu colours: window, highlight, shadow), so the pop-up
// reads well in dark palettes too.

#include "swatchpopup.h"

#include "colorref.h"
#include "colourtable.h"

#include <QPainter>
#include <qdrawutil.h>

namespace {

// The chosen text entry's fill: 207/256 of the menu colour plus 48/256 of the highlight.
QColor ChosenFill(const QColor& menu, const QColor& highlight)
{
    const auto blend = [](int a, int b) { return (a * 207 + b * 48) / 256; };
    return QColor(blend(menu.red(), highlight.red()), blend(menu.green(), highlight.green()),
                  blend(menu.blue(), highlight.blue()));
}

void OutlineRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

}  // namespace

void SwatchPopup::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    PaintFrame(painter);
    if (!m_layout.defaultBox.isEmpty()) {
        PaintTextEntry(painter, kDefaultSwatchEntry);
    }
    for (int index = 0; index < kSwatchColourCount; ++index) {
        PaintCell(painter, index);
    }
    if (!m_layout.customBox.isEmpty()) {
        PaintTextEntry(painter, kCustomSwatchEntry);
    }
}

void SwatchPopup::PaintFrame(QPainter& painter) const
{
    if (m_setup.theme.IsAppThemed()) {
        OutlineRect(painter, rect(), palette().color(QPalette::Disabled, QPalette::WindowText));
    } else {
        qDrawWinPanel(&painter, rect(), palette(), false);
    }
}

void SwatchPopup::PaintEntryMarks(QPainter& painter, const QRect& box, int entry) const
{
    const bool highlighted = entry == m_highlighted;
    const bool chosen = entry == m_chosen;
    if (!highlighted && !chosen) {
        return;
    }
    if (m_setup.theme.IsAppThemed()) {
        const QColor highlight = palette().color(QPalette::Highlight);
        OutlineRect(painter, box, highlight);
        if (highlighted) {
            OutlineRect(painter, box.adjusted(1, 1, -1, -1), highlight);
        }
        return;
    }
    if (chosen) {
        qDrawShadePanel(&painter, box, palette(), true, 1);
    }
    if (highlighted) {
        qDrawShadePanel(&painter, box.adjusted(1, 1, -1, -1), palette(), false, 1);
    }
}

void SwatchPopup::PaintCell(QPainter& painter, int index) const
{
    const QRect cell = m_layout.CellRect(index);
    painter.fillRect(cell, palette().color(QPalette::Window));
    PaintEntryMarks(painter, cell, index);
    const int inset = m_layout.margin + 1;
    const QRect swatch = cell.adjusted(inset, inset, -inset, -inset);
    painter.fillRect(swatch, ColourFromColorRef(SwatchColorRef(index)));
    OutlineRect(painter, swatch, palette().color(QPalette::Dark));
}

void SwatchPopup::PaintTextEntry(QPainter& painter, int entry) const
{
    const bool custom = entry == kCustomSwatchEntry;
    const int inset = 2 * m_layout.margin;
    QRect box = m_layout.EntryRect(entry);
    if (custom) {
        const int y = box.top();
        const ThemeData theme = m_setup.theme.OpenThemeData(this, QStringLiteral("MENU"));
        const QRect line(box.left() + inset, y, box.width() - 2 * inset, 2);
        if (!theme.IsOpen() ||
            !m_setup.theme.DrawThemeBackground(theme, painter, ThemeAdapter::kMenuSeparatorPart, 0, line)) {
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawLine(line.left(), y, line.right(), y);
            painter.setPen(palette().color(QPalette::Light));
            painter.drawLine(line.left(), y + 1, line.right(), y + 1);
        }
        box.setTop(box.top() + inset);
    }

    const bool themed = m_setup.theme.IsAppThemed();
    const QColor menu = palette().color(QPalette::Window);
    const QColor highlight = palette().color(QPalette::Highlight);
    QColor textColour = palette().color(QPalette::WindowText);
    painter.fillRect(box, menu);
    if (entry == m_highlighted) {
        if (themed) {
            painter.fillRect(box, highlight);
            textColour = palette().color(QPalette::HighlightedText);
        } else {
            qDrawShadePanel(&painter, box, palette(), false, 1);
        }
    } else if (entry == m_chosen) {
        if (themed) {
            painter.fillRect(box, ChosenFill(menu, highlight));
            OutlineRect(painter, box, highlight);
        } else {
            qDrawShadePanel(&painter, box, palette(), true, 1);
        }
    }
    OutlineRect(painter, box.adjusted(inset, inset, -inset, -inset), palette().color(QPalette::Dark));
    painter.setPen(textColour);
    painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic,
                     custom ? m_setup.customText : m_setup.defaultText);
}
