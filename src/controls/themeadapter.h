#pragma once

#include <QPointer>
#include <QString>

class QPainter;
class QRect;
class QStyle;
class QWidget;

// One open set of theme data: the style that draws it, the window it was opened for
// and the theme class ("BUTTON", "EDIT", "COMBOBOX", "MENU"). Empty means no theme.
struct ThemeData {
    QPointer<QStyle> style;
    QPointer<const QWidget> widget;
    QString themeClass;

    [[nodiscard]] bool IsOpen() const noexcept { return !style.isNull(); }
};

// The theme in use is the application's QStyle: parts and states are drawn through
// it. The adapter looks the style up on every call, so a style changed at run time
// shows on the next repaint. With classic drawing forced (or no style at all) it
// answers that there is no theme, and callers fall back to their classic drawing.
//
// Parts and states understood, by class:
//   "BUTTON"   part 1 push button: state 1 normal, 2 hot, 3 pressed, 4 disabled, 5 defaulted
//   "EDIT"     part 1 edit field:  state 1 normal, 4 disabled
//   "COMBOBOX" part 1 drop-down button: state 1 normal, 2 hot, 3 pressed, 4 disabled
//   "MENU"     part 15 pop-up separator
class ThemeAdapter {
public:
    enum ButtonState { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4, Defaulted = 5 };
    static constexpr int kPushButtonPart = 1;
    static constexpr int kEditPart = 1;
    static constexpr int kDropDownPart = 1;
    static constexpr int kMenuSeparatorPart = 15;

    ThemeAdapter() = default;
    ThemeAdapter(const ThemeAdapter&) = default;
    ThemeAdapter& operator=(const ThemeAdapter&) = default;
    virtual ~ThemeAdapter() = default;

    // Classic drawing everywhere, as on a system without themes.
    void ForceClassic(bool classic) noexcept { m_forcedClassic = classic; }
    [[nodiscard]] bool IsClassicForced() const noexcept { return m_forcedClassic; }

    [[nodiscard]] virtual bool IsAppThemed() const;
    // Empty data when there is no theme or the class is not one of the above.
    [[nodiscard]] virtual ThemeData OpenThemeData(const QWidget* widget, const QString& themeClass) const;
    // False when the data was not open.
    virtual bool CloseThemeData(ThemeData& theme) const;
    // False (and nothing drawn) when the data is not open or the part is unknown.
    virtual bool DrawThemeBackground(const ThemeData& theme, QPainter& painter, int part, int state,
                                     const QRect& rect) const;

private:
    bool m_forcedClassic = false;
};
