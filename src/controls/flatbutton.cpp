#include "flatbutton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace {

enum ColourIndex { BackgroundLit = 0, TextLit = 1, BackgroundPlain = 2, TextPlain = 3, BackgroundFocused = 4 };

bool IsValidIndex(int index)
{
    return index >= 0 && index < FlatButton::kColourCount;
}

}  // namespace

FlatButton::FlatButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setFlat(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
}

int FlatButton::SetColour(int index, const QColor& colour, bool repaint)
{
    if (!IsValidIndex(index)) {
        return kResultBadIndex;
    }
    m_colours[static_cast<std::size_t>(index)] = colour;
    if (repaint) {
        update();
    }
    return kResultOk;
}

QColor FlatButton::Colour(int index) const
{
    if (!IsValidIndex(index)) {
        return {};
    }
    if (const auto& set = m_colours[static_cast<std::size_t>(index)]) {
        return *set;
    }
    // Even indexes are backgrounds, odd ones texts.
    return palette().color(index % 2 == 0 ? QPalette::Button : QPalette::ButtonText);
}

void FlatButton::SetDefaultColours(bool repaint)
{
    m_colours.fill(std::nullopt);
    if (repaint) {
        update();
    }
}

void FlatButton::SetDrawFocusWhenFlat(bool draw, bool repaint)
{
    m_drawFocusWhenFlat = draw;
    if (repaint) {
        update();
    }
}

void FlatButton::SetDrawBorder(bool draw, bool repaint)
{
    m_drawBorder = draw;
    if (repaint) {
        update();
    }
}

void FlatButton::DrawBackground(QPainter& painter, const QRect& rect)
{
    int index = BackgroundPlain;
    if (m_hover || m_pressed) {
        index = BackgroundLit;
    } else if (m_focused) {
        index = BackgroundFocused;
    }
    painter.fillRect(rect, Colour(index));
}

void FlatButton::DrawBorder(QPainter& painter, const QRect& rect)
{
    DrawClassicBorder(painter, rect);
}

void FlatButton::DrawClassicBorder(QPainter& painter, const QRect& rect) const
{
    const QColor light = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor& topLeft = m_pressed ? shadow : light;
    const QColor& bottomRight = m_pressed ? light : shadow;
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void FlatButton::paintEvent(QPaintEvent* /*event*/)
{
    m_pressed = isDown() || isChecked();
    m_focused = hasFocus();
    m_disabled = !isEnabled();

    QPainter painter(this);
    QRect rect = this->rect();
    if (!isFlat() && (m_focused || isDefault())) {
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
        rect.adjust(1, 1, -1, -1);
    }

    DrawBackground(painter, rect);

    if (!m_pressed) {
        if (!isFlat()) {
            qDrawWinButton(&painter, rect, palette(), false);
        } else if (m_hover && m_drawBorder) {
            DrawBorder(painter, rect);
        }
    } else if (!isFlat()) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else if (m_drawBorder) {
        DrawBorder(painter, rect);
    }

    DrawCaption(painter, rect);

    if (m_focused && (!isFlat() || m_drawFocusWhenFlat)) {
        DrawFocus(painter, rect.adjusted(3, 3, -3, -3));
    }
}

void FlatButton::DrawCaption(QPainter& painter, const QRect& rect) const
{
    const QString caption = text();
    if (caption.isEmpty()) {
        return;
    }
    constexpr int kFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    QRect textRect = rect;
    if (m_pressed) {
        textRect.translate(1, 1);
    }
    painter.setFont(font());
    if (m_disabled) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(textRect.translated(1, 1), kFlags, caption);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(textRect, kFlags, caption);
        return;
    }
    painter.setPen(Colour(m_hover || m_pressed ? TextLit : TextPlain));
    painter.drawText(textRect, kFlags, caption);
}

void FlatButton::DrawFocus(QPainter& painter, const QRect& rect) const
{
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect;
    // Drawn whenever the button has the focus, not only after keyboard use as some
    // styles do: the focus rectangle was asked for.
    option.state |= QStyle::State_KeyboardFocusChange;
    option.backgroundColor = palette().color(QPalette::Button);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void FlatButton::TrackHover(const QPointF& position, Qt::MouseButtons buttons)
{
    if (!isFlat() || ((buttons & Qt::LeftButton) && !m_hover)) {
        return;
    }
    if (rect().contains(position.toPoint()) && QApplication::activeWindow() != nullptr) {
        if (!m_hover) {
            m_hover = true;
            update();
        }
    } else {
        EndHover();
    }
}

void FlatButton::EndHover()
{
    if (isFlat() && m_hover) {
        m_hover = false;
        update();
    }
}

void FlatButton::mouseMoveEvent(QMouseEvent* event)
{
    TrackHover(event->position(), event->buttons());
    QPushButton::mouseMoveEvent(event);
}

void FlatButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click is a second press, so it gives a second click on release.
    mousePressEvent(event);
}

void FlatButton::enterEvent(QEnterEvent* event)
{
    TrackHover(event->position(), QApplication::mouseButtons());
    QPushButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event)
{
    EndHover();
    QPushButton::leaveEvent(event);
}

void FlatButton::focusOutEvent(QFocusEvent* event)
{
    EndHover();
    QPushButton::focusOutEvent(event);
}

void FlatButton::changeEvent(QEvent* event)
{
    // Disabling a focused widget already hands the keyboard focus on to the next tab
    // stop (QWidget does it before this notice); the light goes out with it.
    if ((event->type() == QEvent::EnabledChange && !isEnabled()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow())) {
        EndHover();
    }
    QPushButton::changeEvent(event);
}
