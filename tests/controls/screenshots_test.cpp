// Pictures of the picker's pop-up and of the About box for a person to look at. Saved
// only when TALLYFOX_SCREENSHOT_DIR names a folder (kept out of the sources), e.g.
//   TALLYFOX_SCREENSHOT_DIR=build/shots ctest -R tallyfox_controls_tests

#include "aboutbox.h"
#include "colorref.h"
#include "colourpicker.h"
#include "controlshost.h"
#include "themedbutton.h"

#include <QDir>

namespace {

QString ShotFolder()
{
    return qEnvironmentVariable("TALLYFOX_SCREENSHOT_DIR");
}

bool Save(QWidget& widget, const QString& name)
{
    return widget.grab().save(QDir(ShotFolder()).filePath(name));
}

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2B));
    dark.setColor(QPalette::WindowText, QColor(0xE8, 0xE8, 0xE8));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xE8, 0xE8, 0xE8));
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::Text, QColor(0xE8, 0xE8, 0xE8));
    dark.setColor(QPalette::Highlight, QColor(0x3D, 0x7A, 0xC6));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    dark.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x18));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    return dark;
}

TEST(Screenshots, PickerPopupAndAboutBox)
{
    if (ShotFolder().isEmpty()) {
        GTEST_SKIP() << "TALLYFOX_SCREENSHOT_DIR not set";
    }
    ASSERT_TRUE(QDir().mkpath(ShotFolder()));

    for (const bool classic : {false, true}) {
        for (const bool dark : {false, true}) {
            ControlsHost host;
            if (dark) {
                host.Window()->setPalette(DarkPalette());
            }
            CColourPicker picker(host.Window());
            picker.Theme().ForceClassic(classic);
            picker.setGeometry(10, 10, 90, 22);
            picker.SetBackgroundColour(ColorRefFromRgb(0, 147, 0));
            picker.show();
            picker.click();
            CSwatchPopup* popup = picker.Popup();
            ASSERT_NE(popup, nullptr);
            if (dark) {
                popup->setPalette(DarkPalette());
            }
            for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}) {
                QTest::keyClick(popup, key);
            }
            const QString suffix = QStringLiteral("%1%2.png").arg(classic ? QStringLiteral("-classic") : QString(),
                                                                  dark ? QStringLiteral("-dark") : QString());
            EXPECT_TRUE(Save(*popup, QStringLiteral("picker-popup") + suffix));
            EXPECT_TRUE(Save(*host.Window(), QStringLiteral("picker-button") + suffix));
            QTest::keyClick(popup, Qt::Key_Escape);
        }
    }

    AboutBox box;
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_TRUE(Save(box, QStringLiteral("about.png")));
    auto* ok = box.findChild<CThemedButton*>(QStringLiteral("aboutOk"));
    ASSERT_NE(ok, nullptr);
    SendMouse(*ok, QEvent::MouseMove, ok->rect().center());
    EXPECT_TRUE(Save(box, QStringLiteral("about-ok-hot.png")));
}

}  // namespace
