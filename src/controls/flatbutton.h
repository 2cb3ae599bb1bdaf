#pragma once

#include <QColor>
#include <QPushButton>

#include <array>
#include <optional>

class QPainter;

// A push button drawn by hand in a flat look: no 3-D border until the mouse is over
// it (then it lights up in its hover colours) or it is pressed. It keeps every
// behaviour of a dialog push button: default button and Enter, Space, focus, clicks.
// Six colours, by index:
//   0 background while hovered or pressed   1 text while hovered or pressed
//   2 background otherwise                  3 text otherwise
//   4 background while focused              5 text slot for the focused state (painting
//                                             uses colour 3 there)
// A colour that was never set follows the palette (button and button-text colours), so
// the button stays readable when the palette changes, dark palettes included.
class FlatButton : public QPushButton {
    Q_OBJECT

public:
    static constexpr int kColourCount = 6;
    static constexpr int kResultOk = 0;
    static constexpr int kResultBadIndex = 3;

    explicit FlatButton(const QString& text = {}, QWidget* parent = nullptr);

    // Result kResultOk, or kResultBadIndex (nothing changes) for an index outside 0..5.
    int SetColour(int index, const QColor& colour, bool repaint = true);
    // The colour painting uses for the index (an invalid colour for a bad index).
    [[nodiscard]] QColor Colour(int index) const;
    // All six colours follow the palette again.
    void SetDefaultColours(bool repaint = true);
    void SetDrawFocusWhenFlat(bool draw, bool repaint = true);
    [[nodiscard]] bool DrawsFocusWhenFlat() const noexcept { return m_drawFocusWhenFlat; }
    void SetDrawBorder(bool draw, bool repaint = true);
    [[nodiscard]] bool IsHovered() const noexcept { return m_hover; }

protected:
    // The two drawing steps a derived button may replace.
    virtual void DrawBackground(QPainter& painter, const QRect& rect);
    virtual void DrawBorder(QPainter& painter, const QRect& rect);

    // Drawing state taken at the start of each paint.
    [[nodiscard]] bool PaintPressed() const noexcept { return m_pressed; }
    [[nodiscard]] bool PaintFocused() const noexcept { return m_focused; }
    [[nodiscard]] bool PaintDisabled() const noexcept { return m_disabled; }
    // The one-pixel 3-D rectangle: highlight top and left, shadow bottom and right,
    // swapped while pressed.
    void DrawClassicBorder(QPainter& painter, const QRect& rect) const;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void TrackHover(const QPointF& position, Qt::MouseButtons buttons);
    void EndHover();
    void DrawCaption(QPainter& painter, const QRect& rect) const;
    void DrawFocus(QPainter& painter, const QRect& rect) const;

    std::array<std::optional<QColor>, kColourCount> m_colours;
    bool m_drawBorder = true;
    bool m_drawFocusWhenFlat = false;
    bool m_hover = false;
    bool m_pressed = false;
    bool m_focused = false;
    bool m_disabled = false;
};
