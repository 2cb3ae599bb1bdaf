#include "swatchpopup.h"

#include "colorref.h"
#include "colourtable.h"

#include <QApplication>
#include <QColorDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QToolTip>

namespace {

// The frame and spacing unit of the pop-up, in device-independent pixels.
constexpr int kMargin = 2;

QSize TextSize(const QFontMetrics& metrics, const QString& text)
{
    return text.isEmpty() ? QSize() : metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}

std::optional<SwatchKey> ArrowKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return SwatchKey::Left;
    case Qt::Key_Up:
        return SwatchKey::Up;
    case Qt::Key_Right:
        return SwatchKey::Right;
    case Qt::Key_Down:
        return SwatchKey::Down;
    default:
        return std::nullopt;
    }
}

}  // namespace

std::optional<QColor> AskColourWithColourDialog(QWidget* parent, const QColor& initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent, QColorDialog::tr("Select Color"));
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour;
}

SwatchPopup::SwatchPopup(QWidget* picker, Setup setup)
    : QWidget(picker, Qt::Popup), m_setup(std::move(setup)), m_current(m_setup.initialColour)
{
    setObjectName(QStringLiteral("swatchPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Colours"));
    setFont(QApplication::font("QMenu"));
    setBackgroundRole(QPalette::Window);

    const QFontMetrics metrics(font());
    m_layout = LayOutSwatches(kMargin, TextSize(metrics, m_setup.defaultText), TextSize(metrics, m_setup.customText));
    m_chosen = ChosenSwatchEntry(m_setup.initialColour, Entries());
    resize(m_layout.window);

    QRect screen = QRect(QPoint(0, 0), m_layout.window);
    if (const QScreen* pickerScreen = picker != nullptr ? picker->screen() : nullptr) {
        screen = pickerScreen->availableGeometry();
    }
    move(PlaceSwatchPopup(m_setup.pickerOnScreen, m_layout.window, screen));
}

SwatchEntries SwatchPopup::Entries() const noexcept
{
    return {!m_setup.defaultText.isEmpty(), !m_setup.customText.isEmpty()};
}

QString SwatchPopup::EntryName(int entry) const
{
    if (entry == kDefaultSwatchEntry) {
        return QString(m_setup.defaultText).remove(QLatin1Char('&'));
    }
    if (entry == kCustomSwatchEntry) {
        return QString(m_setup.customText).remove(QLatin1Char('&'));
    }
    return SwatchColourName(entry);
}

void SwatchPopup::Highlight(int entry)
{
    if (entry == m_highlighted) {
        return;
    }
    m_highlighted = entry;
    update();
    if (entry == kCustomSwatchEntry || entry == kNoSwatchEntry) {
        // "More Colours..." offers the colour the pop-up opened with until the dialog
        // gives another; off every entry, the opening colour comes back too.
        m_current = entry == kNoSwatchEntry ? m_setup.initialColour : m_current;
        setAccessibleDescription(EntryName(entry));
        emit Changed(m_setup.initialColour);
        return;
    }
    m_current = entry == kDefaultSwatchEntry ? kColorRefDefault : SwatchColorRef(entry);
    setAccessibleDescription(EntryName(entry));
    emit Changed(m_current);
}

void SwatchPopup::End(bool accept)
{
    if (m_ended) {
        return;
    }
    if (!accept) {
        m_current = m_setup.initialColour;
    } else if (m_highlighted == kCustomSwatchEntry) {
        m_dialogOpen = true;
        hide();
        const MoreColoursDialog ask = m_setup.moreColours ? m_setup.moreColours : AskColourWithColourDialog;
        const std::optional<QColor> colour = ask(parentWidget(), ColourFromColorRef(m_setup.initialColour));
        m_dialogOpen = false;
        if (colour.has_value()) {
            m_current = ColorRefFromColour(*colour);
        } else {
            accept = false;
            m_current = m_setup.initialColour;
        }
    }
    m_ended = true;
    if (accept) {
        emit Accepted(m_current);
    } else {
        emit Cancelled(m_current);
    }
    close();
}

void SwatchPopup::mouseMoveEvent(QMouseEvent* event)
{
    Highlight(m_layout.EntryAt(event->position().toPoint()));
}

void SwatchPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    if (inside) {
        Highlight(m_layout.EntryAt(event->position().toPoint()));
    }
    End(inside);
}

void SwatchPopup::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        End(true);
        return;
    case Qt::Key_Escape:
        End(false);
        return;
    default:
        break;
    }
    if (const std::optional<SwatchKey> key = ArrowKey(event->key())) {
        Highlight(NextSwatchEntry(m_highlighted, *key, Entries()));
        return;
    }
    QWidget::keyPressEvent(event);
}

void SwatchPopup::hideEvent(QHideEvent* event)
{
    // Closed from outside (a click elsewhere, the application losing the focus): the
    // selection is cancelled.
    if (!m_ended && !m_dialogOpen) {
        End(false);
    }
    QWidget::hideEvent(event);
}

bool SwatchPopup::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int entry = m_layout.EntryAt(help->pos());
        if (entry >= 0) {
            QToolTip::showText(help->globalPos(), SwatchColourName(entry), this, m_layout.CellRect(entry));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}
