// The list-font dialog: it starts from the font and colour it is given and answers with
// what the user chose; Escape inside the font chooser ends the whole dialog.

#include "fontcolourdialog.h"

#include "colorref.h"
#include "colourpicker.h"

#include <gtest/gtest.h>

#include <QFontDialog>
#include <QTest>

namespace {

FontChoice Initial()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(13);
    font.setBold(true);
    return {font, QColor(0x12, 0x34, 0x56)};
}

TEST(FontColourDialog, StartsFromTheGivenFontAndColourAndAnswersTheChoice)
{
    FontColourDialog dialog(Initial());
    FontChoice choice = dialog.Choice();
    EXPECT_EQ(choice.font.pointSize(), 13);
    EXPECT_TRUE(choice.font.bold());
    EXPECT_EQ(choice.colour, QColor(0x12, 0x34, 0x56));

    auto* chooser = dialog.findChild<QFontDialog*>(QStringLiteral("fontChooser"));
    ASSERT_NE(chooser, nullptr);
    QFont larger = chooser->currentFont();
    larger.setPointSize(17);
    chooser->setCurrentFont(larger);
    auto* picker = dialog.findChild<ColourPicker*>(QStringLiteral("fontColourPicker"));
    ASSERT_NE(picker, nullptr);
    picker->SetBackgroundColour(ColorRefFromRgb(255, 0, 0));
    choice = dialog.Choice();
    EXPECT_EQ(choice.font.pointSize(), 17);
    EXPECT_EQ(choice.colour, QColor(255, 0, 0));
}

TEST(FontColourDialog, EscapeInTheChooserEndsTheDialog)
{
    FontColourDialog dialog(Initial());
    dialog.show();
    auto* chooser = dialog.findChild<QFontDialog*>(QStringLiteral("fontChooser"));
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());
    QTest::keyClick(chooser, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
