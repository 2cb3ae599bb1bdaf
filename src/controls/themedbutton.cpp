#include "themedbutton.h"

#include "themeadapter.h"

CThemedButton::CThemedButton(const QString& text, QWidget* parent) : CFlatButton(text, parent) {}

int CThemedButton::ThemeState() const
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

void CThemedButton::DrawBackground(QPainter& painter, const QRect& rect)
{
    if (m_theme != nullptr && m_theme->IsAppThemed()) {
        ThemeData theme = m_theme->OpenThemeData(this, QStringLiteral("BUTTON"));
        if (theme.IsOpen()) {
            m_theme->DrawThemeBackground(theme, painter, ThemeAdapter::kPushButtonPart, ThemeState(), rect);
            m_theme->CloseThemeData(theme);
            return;
        }
    }
    CFlatButton::DrawBackground(painter, rect);
}

void CThemedButton::DrawBorder(QPainter& painter, const QRect& rect)
{
    if (m_theme != nullptr && m_theme->IsAppThemed()) {
        return;  // the theme's background holds the border
    }
    CFlatButton::DrawBorder(painter, rect);
}
