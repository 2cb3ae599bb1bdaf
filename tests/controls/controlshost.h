#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// A shown, active top-level window for controls that need one (hover tracking, focus).
class ControlsHost {
public:
    ControlsHost()
    {
        m_window.resize(240, 120);
        m_window.show();
        m_window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    [[nodiscard]] QWidget* Window() noexcept { return &m_window; }

private:
    QWidget m_window;
};

// The colour of one pixel as the widget paints itself now.
inline QColor PixelOf(QWidget& widget, const QPoint& point)
{
    return widget.grab().toImage().pixelColor(point);
}

inline void SendMouse(QWidget& widget, QEvent::Type type, const QPoint& point,
                      Qt::MouseButton button = Qt::NoButton, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(type, point, widget.mapToGlobal(point), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}
