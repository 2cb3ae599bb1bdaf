#pragma once

#include "swatchlayout.h"
#include "swatchnavigation.h"
#include "themeadapter.h"

#include <QColor>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

// Asks for any colour, starting from the given one; nothing when the user cancels.
// The program shows QColorDialog; tests answer without a window.
using MoreColoursDialog = std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)>;
[[nodiscard]] std::optional<QColor> AskColourWithColourDialog(QWidget* parent, const QColor& initial);

// The pop-up palette of a colour picker: "Automatic", 40 named colour cells and
// "More Colours...". It follows the pointer and the arrow keys, reporting each newly
// highlighted entry, and ends with an acceptance (Enter, Space, a release inside) or a
// cancellation (Escape, a release outside, being closed). It deletes itself once closed.
class SwatchPopup final : public QWidget {
    Q_OBJECT

public:
    struct Setup {
        QRect pickerOnScreen;
        std::uint32_t initialColour = 0;
        QString defaultText;
        QString customText;
        ThemeAdapter theme;
        MoreColoursDialog moreColours;
    };

    SwatchPopup(QWidget* picker, Setup setup);

    [[nodiscard]] int Highlighted() const noexcept { return m_highlighted; }
    [[nodiscard]] int Chosen() const noexcept { return m_chosen; }
    [[nodiscard]] std::uint32_t CurrentColour() const noexcept { return m_current; }
    [[nodiscard]] const SwatchLayout& Layout() const noexcept { return m_layout; }
    // The name of an entry: a colour's name, or the text of "Automatic" / "More Colours...".
    [[nodiscard]] QString EntryName(int entry) const;

signals:
    void Changed(std::uint32_t colour);
    void Accepted(std::uint32_t colour);
    void Cancelled(std::uint32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Highlight(int entry);
    void End(bool accept);
    [[nodiscard]] SwatchEntries Entries() const noexcept;

    // Painting (swatchpopuppainting.cpp).
    void PaintFrame(QPainter& painter) const;
    void PaintCell(QPainter& painter, int index) const;
    void PaintTextEntry(QPainter& painter, int entry) const;
    void PaintEntryMarks(QPainter& painter, const QRect& box, int entry) const;

    Setup m_setup;
    SwatchLayout m_layout;
    int m_highlighted = kNoSwatchEntry;
    int m_chosen = kNoSwatchEntry;
    std::uint32_t m_current = 0;
    bool m_ended = false;
    bool m_dialogOpen = false;
};
