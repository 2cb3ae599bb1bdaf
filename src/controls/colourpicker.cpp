#include "colourpicker.h"

#include "colorref.h"
#include "colourtable.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include <algorithm>

namespace {

// Frame edge widths, in device-independent pixels.
constexpr int kEdgeX = 2;
constexpr int kEdgeY = 2;

}  // namespace

ColourPicker::ColourPicker(QWidget* parent)
    : QPushButton(parent),
      m_background(ColorRefFromColour(palette().color(QPalette::Button))),
      m_text(ColorRefFromColour(palette().color(QPalette::ButtonText))),
      m_defaultText(tr("Automatic")),
      m_customText(tr("More Colours..."))
{
    setAttribute(Qt::WA_Hover);
    connect(this, &QPushButton::clicked, this, &ColourPicker::OpenPopup);
    ColourShown();
}

ColourPicker::~ColourPicker()
{
    // A pop-up still open is closed with its parent; it must not report back to a
    // picker that is half destroyed.
    if (m_popup) {
        m_popup->disconnect(this);
    }
}

std::uint32_t ColourPicker::CurrentColour() const noexcept
{
    return m_selectionTarget == kTargetText ? m_text : m_background;
}

void ColourPicker::SetCurrentColour(std::uint32_t colour)
{
    if (m_selectionTarget == kTargetText) {
        SetTextColour(colour);
    } else {
        SetBackgroundColour(colour);
    }
}

void ColourPicker::SetBackgroundColour(std::uint32_t colour)
{
    m_background = colour;
    ColourShown();
}

void ColourPicker::SetTextColour(std::uint32_t colour)
{
    m_text = colour;
    ColourShown();
}

void ColourPicker::ColourShown()
{
    setAccessibleName(ColourName(CurrentColour()));
    update();
}

QString ColourPicker::ColourName(std::uint32_t colour) const
{
    if (colour == kColorRefDefault) {
        return QString(m_defaultText.isEmpty() ? tr("Automatic") : m_defaultText).remove(QLatin1Char('&'));
    }
    if (const int cell = FindSwatchColour(colour); cell >= 0) {
        return SwatchColourName(cell);
    }
    return ColourFromColorRef(colour).name(QColor::HexRgb).toUpper();
}

int ColourPicker::ArrowSide() const
{
    const int thumb = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return std::max({5 * kEdgeX, 5 * kEdgeY, thumb});
}

QRect ColourPicker::ArrowRect() const
{
    const int side = ArrowSide();
    return {width() - kEdgeX - side, kEdgeY, side, height() - 2 * kEdgeY};
}

QSize ColourPicker::minimumSizeHint() const
{
    const int side = ArrowSide();
    return {2 * (kEdgeX + side), side + 2 * kEdgeY};
}

QSize ColourPicker::sizeHint() const
{
    const QSize minimum = minimumSizeHint();
    const int textWidth = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text()) + 4 * kEdgeX;
    return {std::max(minimum.width(), textWidth + ArrowSide() + 2 * kEdgeX),
            std::max(minimum.height(), fontMetrics().height() + 2 * kEdgeY + 2)};
}

void ColourPicker::OpenPopup()
{
    if (m_popup) {
        return;
    }
    SwatchPopup::Setup setup;
    setup.pickerOnScreen = QRect(mapToGlobal(QPoint(0, 0)), size());
    setup.initialColour = CurrentColour();
    setup.defaultText = m_defaultText;
    setup.customText = m_customText;
    setup.theme = m_theme;
    setup.moreColours = m_moreColours;
    auto* popup = new SwatchPopup(this, std::move(setup));
    m_popup = popup;
    connect(popup, &SwatchPopup::Accepted, this, &ColourPicker::OnPopupAccepted);
    connect(popup, &SwatchPopup::Cancelled, this, &ColourPicker::OnPopupCancelled);
    connect(popup, &SwatchPopup::Changed, this, &ColourPicker::OnPopupChanged);
    popup->show();
    popup->setFocus(Qt::PopupFocusReason);
    update();
    Notify(SwatchNotification::Opened, CurrentColour());
}

void ColourPicker::OnPopupAccepted(std::uint32_t colour)
{
    m_popup = nullptr;
    SetCurrentColour(colour);
    Notify(SwatchNotification::Closed, colour);
    Notify(SwatchNotification::Accepted, colour);
}

void ColourPicker::OnPopupCancelled(std::uint32_t colour)
{
    m_popup = nullptr;
    SetCurrentColour(colour);
    Notify(SwatchNotification::Closed, colour);
    Notify(SwatchNotification::Cancelled, colour);
}

void ColourPicker::OnPopupChanged(std::uint32_t colour)
{
    if (m_liveTracking) {
        SetCurrentColour(colour);
    }
    Notify(SwatchNotification::Changed, colour);
}

void ColourPicker::Notify(SwatchNotification notification, std::uint32_t colour)
{
    emit Notified(notification, colour);
    switch (notification) {
    case SwatchNotification::Changed:
        emit SelectionChanged(colour);
        break;
    case SwatchNotification::Opened:
        emit DroppedDown(colour);
        break;
    case SwatchNotification::Closed:
        emit ClosedUp(colour);
        break;
    case SwatchNotification::Accepted:
        emit SelectionEnded(colour);
        break;
    case SwatchNotification::Cancelled:
        emit SelectionCancelled(colour);
        break;
    }
}

void ColourPicker::keyPressEvent(QKeyEvent* event)
{
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (altDown || event->key() == Qt::Key_F4) {
        OpenPopup();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ColourPicker::enterEvent(QEnterEvent* event)
{
    m_hot = true;
    update();
    QPushButton::enterEvent(event);
}

void ColourPicker::leaveEvent(QEvent* event)
{
    m_hot = false;
    update();
    QPushButton::leaveEvent(event);
}

void ColourPicker::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    PaintFace(painter);
    PaintSwatch(painter);
}

void ColourPicker::PaintFace(QPainter& painter) const
{
    const bool pressed = isDown() || m_popup;
    const ThemeData edit = m_theme.IsAppThemed() ? m_theme.OpenThemeData(this, QStringLiteral("EDIT")) : ThemeData{};
    if (edit.IsOpen()) {
        m_theme.DrawThemeBackground(edit, painter, ThemeAdapter::kEditPart,
                                    isEnabled() ? ThemeAdapter::Normal : ThemeAdapter::Disabled, rect());
        ThemeData combo = m_theme.OpenThemeData(this, QStringLiteral("COMBOBOX"));
        int state = ThemeAdapter::Normal;
        if (!isEnabled()) {
            state = ThemeAdapter::Disabled;
        } else if (pressed) {
            state = ThemeAdapter::Pressed;
        } else if (m_hot) {
            state = ThemeAdapter::Hot;
        }
        m_theme.DrawThemeBackground(combo, painter, ThemeAdapter::kDropDownPart, state, ArrowRect());
        m_theme.CloseThemeData(combo);
        return;
    }
    // Classic: a sunken edge round the face and a scroll-down button for the arrow.
    painter.fillRect(rect(), palette().color(QPalette::Button));
    qDrawWinPanel(&painter, rect(), palette(), true);
    const QRect arrow = ArrowRect();
    qDrawWinButton(&painter, arrow, palette(), pressed);
    QStyleOption option;
    option.initFrom(this);
    option.rect = pressed ? arrow.translated(1, 1) : arrow;
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, this);
}

void ColourPicker::PaintSwatch(QPainter& painter) const
{
    QRect swatch = rect().adjusted(kEdgeX, kEdgeY, -kEdgeX, -kEdgeY);
    swatch.setRight(ArrowRect().left() - 1);
    const bool automatic = m_background == kColorRefDefault;
    painter.fillRect(swatch, !isEnabled() || automatic ? palette().color(QPalette::Button)
                                                       : ColourFromColorRef(m_background));

    if (!text().isEmpty()) {
        constexpr int kFlags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
        painter.setFont(font());
        if (!isEnabled()) {
            painter.setPen(palette().color(QPalette::Light));
            painter.drawText(swatch.translated(1, 1), kFlags, text());
            painter.setPen(palette().color(QPalette::Dark));
        } else {
            // Automatic text takes the palette's button text, which stays readable on
            // the button colour of a dark palette too.
            painter.setPen(m_text == kColorRefDefault ? palette().color(QPalette::ButtonText)
                                                      : ColourFromColorRef(m_text));
        }
        painter.drawText(swatch, kFlags, text());
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = swatch.adjusted(1, 1, -1, -1);
        option.state |= QStyle::State_KeyboardFocusChange;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
