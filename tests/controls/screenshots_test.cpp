// Pictures of the picker's pop-up and of the About box for a person to look at. Saved
// only when TALLYFOX_SCREENSHOT_DIR names a folder (kept out of the sources), e.g.
//   TALLYFOX_SCREENSHOT_DIR=build/shots ctest -R tallyfox_controls_tests
// Every run checks what the pictures must show: each cell of the pop-up in its own
// colour, and the About box's OK button lit under the mouse.

#include "aboutbox.h"
#include "colorref.h"
#include "colourpicker.h"
#include "colourtable.h"
#include "controlshost.h"
#include "themedbutton.h"

#include <QDir>
#include <QImage>

namespace {

QString ShotFolder()
{
    return qEnvironmentVariable("TALLYFOX_SCREENSHOT_DIR");
}

// The widget's picture, saved as `name` when pictures are asked for.
QImage Shoot(QWidget& widget, const QString& name)
{
    const QImage image = widget.grab().toImage();
    if (!ShotFolder().isEmpty()) {
        EXPECT_TRUE(image.save(QDir(ShotFolder()).filePath(name))) << name.toStdString();
    }
    return image;
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
    if (!ShotFolder().isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(ShotFolder()));
    }

    for (const bool classic : {false, true}) {
        for (const bool dark : {false, true}) {
            ControlsHost host;
            if (dark) {
                host.Window()->setPalette(DarkPalette());
            }
            ColourPicker picker(host.Window());
            picker.Theme().ForceClassic(classic);
            picker.setGeometry(10, 10, 90, 22);
            picker.SetBackgroundColour(ColorRefFromRgb(0, 147, 0));
            picker.show();
            picker.click();
            SwatchPopup* popup = picker.Popup();
            ASSERT_NE(popup, nullptr);
            if (dark) {
                popup->setPalette(DarkPalette());
            }
            for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Right}) {
                QTest::keyClick(popup, key);
            }
            const QString suffix = QStringLiteral("%1%2.png").arg(classic ? QStringLiteral("-classic") : QString(),
                                                                  dark ? QStringLiteral("-dark") : QString());
            const QImage shot = Shoot(*popup, QStringLiteral("picker-popup") + suffix);
            for (int cell = 0; cell < kSwatchColourCount; ++cell) {
                const QPoint centre = popup->Layout().CellRect(cell).center();
                EXPECT_EQ(shot.pixelColor(centre).rgb(), ColourFromColorRef(SwatchColorRef(cell)).rgb())
                    << "cell " << cell << suffix.toStdString();
            }
            (void)Shoot(*host.Window(), QStringLiteral("picker-button") + suffix);
            QTest::keyClick(popup, Qt::Key_Escape);
        }
    }

    AboutBox box;
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    const QImage still = Shoot(box, QStringLiteral("about.png"));
    auto* ok = box.findChild<ThemedButton*>(QStringLiteral("aboutOk"));
    ASSERT_NE(ok, nullptr);
    SendMouse(*ok, QEvent::MouseMove, ok->rect().center());
    const QImage hot = Shoot(box, QStringLiteral("about-ok-hot.png"));
    // Inside the button's border: its background changes under the mouse.
    const QPoint inside = ok->mapTo(&box, QPoint(3, 3));
    EXPECT_NE(hot.pixelColor(inside).rgb(), still.pixelColor(inside).rgb());
}

}  // namespace
