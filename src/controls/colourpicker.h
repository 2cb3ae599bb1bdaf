#pragma once

#include "swatchpopup.h"
#include "themeadapter.h"

#include <QPointer>
#include <QPushButton>

#include <cstdint>

// What the picker reports to its owner, step by step, with the colour of each step.
enum class SwatchNotification {
    Changed = 0x7E9,    // the highlighted entry changed while the pop-up is open
    Opened = 0x7EA,     // the pop-up opened (with the picker's colour)
    Closed = 0x7EB,     // the pop-up ended, before the outcome
    Accepted = 0x7EC,   // a colour was accepted
    Cancelled = 0x7ED,  // the selection was cancelled (with the colour from before)
};

// A push button showing a colour swatch and a drop-down arrow; clicking it (or Space,
// Alt+Down, F4) opens the pop-up palette. Colours are 0x00BBGGRR values, as stored by
// the settings; kColorRefDefault is "Automatic" and shows the button colour.
// The picker's colour is its text colour when the selection target is 1, else its
// background colour.
class ColourPicker final : public QPushButton {
    Q_OBJECT

public:
    static constexpr int kTargetText = 1;
    static constexpr int kTargetBackground = 2;

    explicit ColourPicker(QWidget* parent = nullptr);
    ~ColourPicker() override;
    ColourPicker(const ColourPicker&) = delete;
    ColourPicker& operator=(const ColourPicker&) = delete;

    void SetBackgroundColour(std::uint32_t colour);
    void SetTextColour(std::uint32_t colour);
    [[nodiscard]] std::uint32_t BackgroundColour() const noexcept { return m_background; }
    [[nodiscard]] std::uint32_t TextColour() const noexcept { return m_text; }
    void SetSelectionTarget(int target) noexcept { m_selectionTarget = target; }
    [[nodiscard]] std::uint32_t CurrentColour() const noexcept;
    void SetCurrentColour(std::uint32_t colour);
    // While on, the picker takes on each highlighted colour as the pointer or keys move.
    void SetLiveTracking(bool on) noexcept { m_liveTracking = on; }
    // Empty texts leave the entry out of the pop-up.
    void SetDefaultText(const QString& text) { m_defaultText = text; }
    void SetCustomText(const QString& text) { m_customText = text; }
    void SetMoreColoursDialog(MoreColoursDialog dialog) { m_moreColours = std::move(dialog); }
    [[nodiscard]] ThemeAdapter& Theme() noexcept { return m_theme; }
    // The open pop-up, or null.
    [[nodiscard]] SwatchPopup* Popup() const noexcept { return m_popup.data(); }
    // The name of a colour as the picker says it: a palette name, the "Automatic"
    // text, or the colour's hexadecimal red-green-blue form.
    [[nodiscard]] QString ColourName(std::uint32_t colour) const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

signals:
    // Every notice, with its code; the five signals below carry the same notices.
    void Notified(SwatchNotification notification, std::uint32_t colour);
    void SelectionChanged(std::uint32_t colour);
    void DroppedDown(std::uint32_t colour);
    void ClosedUp(std::uint32_t colour);
    void SelectionEnded(std::uint32_t colour);
    void SelectionCancelled(std::uint32_t colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void OpenPopup();
    void OnPopupAccepted(std::uint32_t colour);
    void OnPopupCancelled(std::uint32_t colour);
    void OnPopupChanged(std::uint32_t colour);
    void Notify(SwatchNotification notification, std::uint32_t colour);
    void ColourShown();
    [[nodiscard]] int ArrowSide() const;
    [[nodiscard]] QRect ArrowRect() const;
    void PaintFace(QPainter& painter) const;
    void PaintSwatch(QPainter& painter) const;

    ThemeAdapter m_theme;
    std::uint32_t m_background;
    std::uint32_t m_text;
    int m_selectionTarget = kTargetBackground;
    bool m_liveTracking = false;
    bool m_hot = false;
    QString m_defaultText;
    QString m_customText;
    MoreColoursDialog m_moreColours;
    QPointer<SwatchPopup> m_popup;
};
