// The flat button: its colours, hover light, and the push-button behaviour it keeps
// (default button and Enter, Space, double clicks, focus on disabling).

#include "controlshost.h"
#include "flatbutton.h"
#include "hovercolour.h"
#include "rowname.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>

namespace {

const QColor kLit(200, 30, 30);
const QColor kPlain(30, 30, 200);
const QColor kFocused(30, 200, 30);

// A point inside the border and outside the focus rectangle, clear of the caption.
const QPoint kBackgroundPoint(2, 2);

void SetStateColours(FlatButton& button)
{
    button.SetColour(0, kLit);
    button.SetColour(2, kPlain);
    button.SetColour(4, kFocused);
}

TEST(FlatButton, ColourIndexAbove5IsRefusedAndChangesNothing)
{
    FlatButton button;
    for (int index = 0; index < FlatButton::kColourCount; ++index) {
        const QColor colour(index * 10, 100, 200);
        EXPECT_EQ(button.SetColour(index, colour), 0) << "index " << index;
        EXPECT_EQ(button.Colour(index), colour) << "index " << index;
    }
    const QColor before = button.Colour(5);
    EXPECT_EQ(button.SetColour(6, Qt::red), 3);
    EXPECT_EQ(button.SetColour(-1, Qt::red), 3);
    EXPECT_EQ(button.Colour(5), before);
    EXPECT_FALSE(button.Colour(6).isValid());
}

TEST(FlatButton, DefaultColoursFollowThePalette)
{
    FlatButton button;
    button.SetColour(0, Qt::red);
    button.SetColour(3, Qt::red);
    button.SetDefaultColours();
    QPalette dark = button.palette();
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
    button.setPalette(dark);
    for (int index : {0, 2, 4}) {
        EXPECT_EQ(button.Colour(index), QColor(0x35, 0x35, 0x35)) << "index " << index;
    }
    for (int index : {1, 3, 5}) {
        EXPECT_EQ(button.Colour(index), QColor(0xEE, 0xEE, 0xEE)) << "index " << index;
    }
}

struct HoverRow {
    std::string name;
    QColor face;
    QColor lit;
};

class HoverColour : public testing::TestWithParam<HoverRow> {};

TEST_P(HoverColour, AddsHex1EToEachChannelAndStopsAtFF)
{
    EXPECT_EQ(HoverBackgroundColour(GetParam().face), GetParam().lit);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, HoverColour,
    testing::Values(HoverRow{"Black", QColor(0, 0, 0), QColor(0x1E, 0x1E, 0x1E)},
                    HoverRow{"ClassicGreyD4D0C8", QColor(0xD4, 0xD0, 0xC8), QColor(0xF2, 0xEE, 0xE6)},
                    HoverRow{"ExactlyFullAtE1", QColor(0xE1, 0xE1, 0xE1), QColor(0xFF, 0xFF, 0xFF)},
                    // A carry would turn F0F0F0 + 1E1E1E into 0x010F0F0E, a dark brown-red.
                    HoverRow{"LightGreyF0ClampsToWhite", QColor(0xF0, 0xF0, 0xF0), QColor(0xFF, 0xFF, 0xFF)},
                    HoverRow{"OneChannelClampsOthersLift", QColor(0x10, 0xE5, 0x20), QColor(0x2E, 0xFF, 0x3E)},
                    HoverRow{"DarkPaletteFace", QColor(0x35, 0x35, 0x35), QColor(0x53, 0x53, 0x53)}),
    RowName());

TEST(FlatButton, LightsUpWhileHoveredAndGoesBackOnLeaving)
{
    ControlsHost host;
    FlatButton button(QString(), host.Window());
    button.setGeometry(10, 10, 80, 30);
    button.show();
    SetStateColours(button);
    EXPECT_EQ(PixelOf(button, kBackgroundPoint), kPlain);

    SendMouse(button, QEvent::MouseMove, QPoint(40, 15));
    EXPECT_TRUE(button.IsHovered());
    EXPECT_EQ(PixelOf(button, kBackgroundPoint), kLit);
    // The lit, flat button carries its 3-D border: highlight on the top left.
    EXPECT_EQ(PixelOf(button, QPoint(0, 0)).rgb(), button.palette().color(QPalette::Light).rgb());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.IsHovered());
    EXPECT_EQ(PixelOf(button, kBackgroundPoint), kPlain);

    button.setFocus();
    EXPECT_EQ(PixelOf(button, kBackgroundPoint), kFocused);
}

TEST(FlatButton, NoHoverWhileTheMouseButtonIsHeldFromElsewhere)
{
    ControlsHost host;
    FlatButton button(QString(), host.Window());
    button.setGeometry(10, 10, 80, 30);
    button.show();
    SendMouse(button, QEvent::MouseMove, QPoint(40, 15), Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(button.IsHovered());
}

TEST(FlatButton, FocusRectangleOnlyWhenAskedWhileFlat)
{
    ControlsHost host;
    FlatButton button(QString(), host.Window());
    button.setGeometry(10, 10, 80, 30);
    button.show();
    SetStateColours(button);
    button.setFocus();
    const QImage without = button.grab().toImage();
    button.SetDrawFocusWhenFlat(true);
    const QImage with = button.grab().toImage();
    EXPECT_NE(with, without);
}

TEST(FlatButton, EnterClicksTheDefaultButtonAndSpaceTheFocusedOne)
{
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    auto* ok = new FlatButton(QStringLiteral("&OK"), &dialog);
    auto* cancel = new FlatButton(QStringLiteral("&Cancel"), &dialog);
    ok->setDefault(true);
    auto* layout = new QHBoxLayout(&dialog);
    layout->addWidget(edit);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QSignalSpy okClicks(ok, &QPushButton::clicked);
    QSignalSpy cancelClicks(cancel, &QPushButton::clicked);

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 0);

    // A focused push button takes over as the default button, and Enter presses it.
    cancel->setFocus();
    EXPECT_TRUE(cancel->isDefault());
    EXPECT_FALSE(ok->isDefault());
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(cancelClicks.count(), 1);
    QTest::keyClick(cancel, Qt::Key_Space);
    EXPECT_EQ(cancelClicks.count(), 2);
    EXPECT_EQ(okClicks.count(), 1);

    edit->setFocus();
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(cancel->isDefault());
}

TEST(FlatButton, DoubleClickGivesTwoClicks)
{
    ControlsHost host;
    FlatButton button(QStringLiteral("Go"), host.Window());
    button.setGeometry(10, 10, 80, 30);
    button.show();
    QSignalSpy clicks(&button, &QPushButton::clicked);
    const QPoint middle(40, 15);
    SendMouse(button, QEvent::MouseButtonPress, middle, Qt::LeftButton, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);
    SendMouse(button, QEvent::MouseButtonDblClick, middle, Qt::LeftButton, Qt::LeftButton);
    SendMouse(button, QEvent::MouseButtonRelease, middle, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(FlatButton, DisablingTheFocusedButtonMovesFocusToTheNextAndEndsHover)
{
    ControlsHost host;
    FlatButton first(QStringLiteral("One"), host.Window());
    FlatButton second(QStringLiteral("Two"), host.Window());
    first.setGeometry(10, 10, 80, 30);
    second.setGeometry(100, 10, 80, 30);
    first.show();
    second.show();
    first.setFocus();
    SendMouse(first, QEvent::MouseMove, QPoint(40, 15));
    ASSERT_TRUE(first.hasFocus());
    ASSERT_TRUE(first.IsHovered());

    first.setEnabled(false);
    EXPECT_TRUE(second.hasFocus());
    EXPECT_FALSE(first.IsHovered());
}

}  // namespace
