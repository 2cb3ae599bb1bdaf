#pragma once

#include "flatbutton.h"

class ThemeAdapter;

// A flat button whose background (border included) is drawn by the theme when there
// is one. Without an adapter, or when the adapter answers "no theme", it draws exactly
// like FlatButton. The adapter belongs to the dialog; the button only points at it.
class ThemedButton : public FlatButton {
    Q_OBJECT

public:
    explicit ThemedButton(const QString& text = {}, QWidget* parent = nullptr);

    void SetThemeAdapter(const ThemeAdapter* theme) noexcept { m_theme = theme; }
    [[nodiscard]] const ThemeAdapter* Theme() const noexcept { return m_theme; }

protected:
    // The theme state for the state of the paint in progress; first match wins:
    // disabled, pressed, hot, default button, normal.
    [[nodiscard]] int ThemeState() const;
    void DrawBackground(QPainter& painter, const QRect& rect) override;
    void DrawBorder(QPainter& painter, const QRect& rect) override;

private:
    const ThemeAdapter* m_theme = nullptr;
};
