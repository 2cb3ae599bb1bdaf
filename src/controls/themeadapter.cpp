#include "themeadapter.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

namespace {

QStyle::State StateFlags(int state)
{
    QStyle::State flags = state == ThemeAdapter::Disabled ? QStyle::State_None : QStyle::State_Enabled;
    switch (state) {
    case ThemeAdapter::Hot:
        flags |= QStyle::State_MouseOver | QStyle::State_Raised;
        break;
    case ThemeAdapter::Pressed:
        flags |= QStyle::State_Sunken;
        break;
    default:
        flags |= QStyle::State_Raised;
        break;
    }
    return flags;
}

void InitOption(QStyleOption& option, const ThemeData& theme, int state, const QRect& rect)
{
    if (theme.widget) {
        option.initFrom(theme.widget);
    }
    option.rect = rect;
    option.state = StateFlags(state);
}

void DrawPushButton(const ThemeData& theme, QPainter& painter, int state, const QRect& rect)
{
    QStyleOptionButton option;
    InitOption(option, theme, state, rect);
    if (state == ThemeAdapter::Defaulted) {
        option.features |= QStyleOptionButton::DefaultButton;
    }
    theme.style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, theme.widget);
}

void DrawEditField(const ThemeData& theme, QPainter& painter, int state, const QRect& rect)
{
    QStyleOptionFrame option;
    InitOption(option, theme, state, rect);
    option.state |= QStyle::State_Sunken;
    option.state &= ~QStyle::State_Raised;
    option.lineWidth = theme.style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, theme.widget);
    theme.style->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, theme.widget);
}

void DrawDropDownButton(const ThemeData& theme, QPainter& painter, int state, const QRect& rect)
{
    QStyleOption option;
    InitOption(option, theme, state, rect);
    option.state |= QStyle::State_AutoRaise;
    if (state == ThemeAdapter::Hot || state == ThemeAdapter::Pressed) {
        theme.style->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, theme.widget);
    }
    theme.style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &option, &painter, theme.widget);
}

void DrawMenuSeparator(const ThemeData& theme, QPainter& painter, const QRect& rect)
{
    QStyleOptionMenuItem option;
    InitOption(option, theme, ThemeAdapter::Normal, rect);
    option.menuItemType = QStyleOptionMenuItem::Separator;
    theme.style->drawControl(QStyle::CE_MenuItem, &option, &painter, theme.widget);
}

}  // namespace

bool ThemeAdapter::IsAppThemed() const
{
    return !m_forcedClassic && QApplication::style() != nullptr;
}

ThemeData ThemeAdapter::OpenThemeData(const QWidget* widget, const QString& themeClass) const
{
    static const QStringList known{QStringLiteral("BUTTON"), QStringLiteral("EDIT"), QStringLiteral("COMBOBOX"),
                                   QStringLiteral("MENU")};
    if (!IsAppThemed() || !known.contains(themeClass)) {
        return {};
    }
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    return ThemeData{style, widget, themeClass};
}

bool ThemeAdapter::CloseThemeData(ThemeData& theme) const
{
    const bool wasOpen = theme.IsOpen();
    theme = ThemeData{};
    return wasOpen;
}

bool ThemeAdapter::DrawThemeBackground(const ThemeData& theme, QPainter& painter, int part, int state,
                                       const QRect& rect) const
{
    if (!theme.IsOpen()) {
        return false;
    }
    if (theme.themeClass == QLatin1String("BUTTON") && part == kPushButtonPart) {
        DrawPushButton(theme, painter, state, rect);
    } else if (theme.themeClass == QLatin1String("EDIT") && part == kEditPart) {
        DrawEditField(theme, painter, state, rect);
    } else if (theme.themeClass == QLatin1String("COMBOBOX") && part == kDropDownPart) {
        DrawDropDownButton(theme, painter, state, rect);
    } else if (theme.themeClass == QLatin1String("MENU") && part == kMenuSeparatorPart) {
        DrawMenuSeparator(theme, painter, rect);
    } else {
        return false;
    }
    return true;
}
