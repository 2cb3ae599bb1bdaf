#include "themedbutton.h"

#include "themeadapter.h"

ThemedButton::ThemedButton(const QString& text, QWidget* parent) : FlatButton(text, parent) {}

int ThemedButton::ThemeState() const
{
    if (PaintDisabled()) {
        return ThemeAdapter::Disabled;
    }
    if (PaintPressed()) {
        return ThemeAdapter::Pressed;
    }
    if (IsHovered()) {
        return ThemeAdapter::Hot;
    }
    if (isDefault()) {
        return ThemeAdapter::Defaulted;
    }
    return ThemeAdapter::Normal;
}

void ThemedButton::DrawBackground(QPainter& painter, const QRect& rect)
{
    if (m_theme != nullptr && m_theme->IsAppThemed()) {
        ThemeData theme = m_theme->OpenThemeData(this, QStringLiteral("BUTTON"));
        if (theme.IsOpen()) {
            m_theme->DrawThemeBackground(theme, painter, ThemeAdapter::kPushButtonPart, ThemeState(), rect);
            m_theme->CloseThemeData(theme);
            return;
        }
    }
    FlatButton::DrawBackground(painter, rect);
}

void ThemedButton::DrawBorder(QPainter& painter, const QRect& rect)
{
    if (m_theme != nullptr && m_theme->IsAppThemed()) {
        return;  // the theme's background holds the border
    }
    FlatButton::DrawBorder(painter, rect);
}
