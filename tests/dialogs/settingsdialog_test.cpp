// The settings dialog over a recording host: where each control starts, what OK
// writes back and in which order, what Cancel leaves alone, and the font applied at once.

#include "recordinghost.h"
#include "rowname.h"
#include "settingsdialog.h"

#include "colourpicker.h"
#include "hovercolour.h"
#include "themedbutton.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QTest>

namespace {

template <class Widget>
Widget* Find(const QDialog& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QCheckBox* Box(const QDialog& dialog, const char* name)
{
    return Find<QCheckBox>(dialog, name);
}

struct StartRow {
    std::string name;
    Settings settings;
    std::optional<std::string> sfvHandler;  // nothing: the extension has no handler
    std::optional<std::string> md5Handler;
};

Settings AllOn()
{
    Settings settings;
    settings.sizeType = 2;
    settings.autoScroll = 1;
    settings.fullRowSelect = 1;
    settings.windowPos.savePosition = 1;
    settings.rowColours = {0x00112233, 0x00445566};
    return settings;
}

Settings AllOff()
{
    Settings settings;
    settings.sizeType = 1;
    settings.autoScroll = 0;
    settings.fullRowSelect = 0;
    settings.windowPos.savePosition = 0;
    settings.rowColours = {0x00ABCDEF, 0x00000000};
    return settings;
}

class SettingsDialogStart : public testing::TestWithParam<StartRow> {};

TEST_P(SettingsDialogStart, EveryControlStartsFromTheHost)
{
    const StartRow& row = GetParam();
    RecordingHost host;
    host.settings = row.settings;
    if (row.sfvHandler) {
        host.store.handlers[".sfv"] = *row.sfvHandler;
    }
    if (row.md5Handler) {
        host.store.handlers[".md5"] = *row.md5Handler;
    }
    SettingsDialog dialog(host);

    const Settings& settings = row.settings;
    EXPECT_EQ(Box(dialog, "sfvBox")->isChecked(), host.associations.IsAssociated(".sfv"));
    EXPECT_EQ(Box(dialog, "md5Box")->isChecked(), host.associations.IsAssociated(".md5"));
    EXPECT_EQ(Box(dialog, "fullRowSelectBox")->isChecked(), settings.fullRowSelect != 0);
    EXPECT_EQ(Box(dialog, "autoScrollBox")->isChecked(), settings.autoScroll != 0);
    EXPECT_EQ(Box(dialog, "savePositionBox")->isChecked(), settings.windowPos.savePosition != 0);
    const QComboBox* size = Find<QComboBox>(dialog, "sizeTypeBox");
    ASSERT_EQ(size->count(), 3);
    EXPECT_EQ(size->itemText(0), QStringLiteral("Auto"));
    EXPECT_EQ(size->itemText(1), QStringLiteral("KB"));
    EXPECT_EQ(size->itemText(2), QStringLiteral("Bytes"));
    EXPECT_EQ(size->currentIndex(), settings.sizeType);
    EXPECT_EQ(Find<ColourPicker>(dialog, "colour1Picker")->BackgroundColour(), settings.rowColours.firstColour);
    EXPECT_EQ(Find<ColourPicker>(dialog, "colour2Picker")->BackgroundColour(), settings.rowColours.secondColour);
    EXPECT_TRUE(host.calls.isEmpty()) << host.calls.join(QLatin1Char('|')).toStdString();  // opening writes nothing
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SettingsDialogStart,
    testing::Values(StartRow{"all_on_both_associated", AllOn(), "Tallyfox.Document", "Tallyfox.Document"},
                    StartRow{"all_off_neither_has_a_handler", AllOff(), std::nullopt, std::nullopt},
                    StartRow{"only_sfv_ours", AllOff(), "Tallyfox.Document", "other.program"},
                    StartRow{"only_md5_ours_in_capitals", AllOn(), "other.program", "TALLYFOX.DOCUMENT"}),
    RowName());

struct AssociationRow {
    std::string name;
    std::optional<std::string> handler;
    bool checked;
};

class AssociationBoxes : public testing::TestWithParam<AssociationRow> {};

// The boxes show what the handler says, without trimming: blanks around this program's
// name make the box unchecked, although OK would count that handler as ours.
TEST_P(AssociationBoxes, FollowIsAssociated)
{
    const AssociationRow& row = GetParam();
    RecordingHost host;
    if (row.handler) {
        host.store.handlers[".sfv"] = *row.handler;
        host.store.handlers[".md5"] = *row.handler;
    }
    SettingsDialog dialog(host);
    EXPECT_EQ(Box(dialog, "sfvBox")->isChecked(), row.checked);
    EXPECT_EQ(Box(dialog, "md5Box")->isChecked(), row.checked);
}

INSTANTIATE_TEST_SUITE_P(Rows, AssociationBoxes,
                         testing::Values(AssociationRow{"ours", "Tallyfox.Document", true},
                                         AssociationRow{"ours_other_case", "tallyFOX.document", true},
                                         AssociationRow{"ours_with_blanks_around", "  Tallyfox.Document ", false},
                                         AssociationRow{"another_program", "org.other.Checker", false},
                                         AssociationRow{"empty", "", false},
                                         AssociationRow{"no_handler", std::nullopt, false}),
                         RowName());

TEST(SettingsDialogOk, WritesEveryControlBackInItsOrder)
{
    RecordingHost host;
    host.settings = AllOff();
    SettingsDialog dialog(host);
    dialog.show();
    Box(dialog, "sfvBox")->click();
    Box(dialog, "fullRowSelectBox")->click();
    Box(dialog, "savePositionBox")->click();
    Find<QComboBox>(dialog, "sizeTypeBox")->setCurrentIndex(SettingsDialog::kSizeBytes);
    Find<ColourPicker>(dialog, "colour1Picker")->SetBackgroundColour(0x00010203);
    Find<ColourPicker>(dialog, "colour2Picker")->SetBackgroundColour(0x00040506);
    Find<ThemedButton>(dialog, "okButton")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("RegisterDocumentType"),
                                       QStringLiteral("SetSfvAssociation 1"),
                                       QStringLiteral("SetMd5Association 0"),
                                       QStringLiteral("SetRowColours 010203 040506"),
                                       QStringLiteral("RefreshListLayout"),
                                       QStringLiteral("SetFlags 1 1 0"),
                                       QStringLiteral("SetSizeType 2")}));
    EXPECT_EQ(host.store.documentTypeWrites, 1);
    EXPECT_EQ(host.store.handlers[".sfv"], "Tallyfox.Document");
}

// Confirming without a change runs the associations the way the boxes stand: with both
// unchecked, both extensions are given back; the descriptions are written either way.
TEST(SettingsDialogOk, UncheckedBoxesGiveTheExtensionsBack)
{
    RecordingHost host;
    host.store.handlers[".sfv"] = "  Tallyfox.Document ";  // ours by the rule, not by the box
    host.store.backups[".sfv"] = "org.other.Checker";
    SettingsDialog dialog(host);
    ASSERT_FALSE(Box(dialog, "sfvBox")->isChecked());
    dialog.accept();
    EXPECT_EQ(host.store.handlers[".sfv"], "org.other.Checker");
    EXPECT_EQ(host.store.handlers.count(".md5"), 0u);
    EXPECT_EQ(host.store.descriptions[".sfv"], "CRC32 Checksum File");
    EXPECT_EQ(host.store.descriptions[".md5"], "MD5 Checksum File");
}

TEST(SettingsDialogFont, ChosenFontReachesTheListAtOnceAndOkKeepsIt)
{
    RecordingHost host;
    host.settings.listFont = FontNamed("Before");
    host.fontAnswer = FontNamed("Chosen");
    SettingsDialog dialog(host);
    Find<ThemedButton>(dialog, "fontButton")->click();
    EXPECT_EQ(host.calls, (QStringList{QStringLiteral("ChooseListFont Before"), QStringLiteral("ApplyListFont Chosen"),
                                       QStringLiteral("ApplyHeaderFont"), QStringLiteral("RefreshListLayout")}));
    host.calls.clear();
    dialog.accept();
    EXPECT_FALSE(host.calls.join(QLatin1Char('|')).contains(QStringLiteral("ApplyListFont")));
    EXPECT_EQ(host.settings.listFont, FontNamed("Chosen"));
}

TEST(SettingsDialogFont, CancelledFontDialogChangesNothing)
{
    RecordingHost host;
    host.settings.listFont = FontNamed("Before");
    SettingsDialog dialog(host);
    Find<ThemedButton>(dialog, "fontButton")->click();
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("ChooseListFont Before")});
}

// Cancel, Escape and closing the window all cancel: the font the list had when the
// dialog opened comes back, and no setting and no association is touched.
TEST(SettingsDialogCancel, PutsTheFontBackAndTouchesNothingElse)
{
    for (const char* way : {"cancel button", "escape", "close"}) {
        SCOPED_TRACE(way);
        RecordingHost host;
        host.settings = AllOn();
        host.settings.listFont = FontNamed("Before");
        host.fontAnswer = FontNamed("Chosen");
        const Settings before = host.settings;
        SettingsDialog dialog(host);
        dialog.show();
        Find<ThemedButton>(dialog, "fontButton")->click();
        Box(dialog, "sfvBox")->click();
        Box(dialog, "autoScrollBox")->click();
        Find<QComboBox>(dialog, "sizeTypeBox")->setCurrentIndex(SettingsDialog::kSizeAuto);
        Find<ColourPicker>(dialog, "colour1Picker")->SetBackgroundColour(0x00999999);
        host.calls.clear();

        if (std::string(way) == "cancel button") {
            Find<ThemedButton>(dialog, "cancelButton")->click();
        } else if (std::string(way) == "escape") {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else {
            dialog.close();
        }
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(host.calls, (QStringList{QStringLiteral("ApplyListFont Before"), QStringLiteral("ApplyHeaderFont"),
                                           QStringLiteral("RefreshListLayout")}));
        EXPECT_EQ(host.settings.listFont, before.listFont);
        EXPECT_EQ(host.settings.rowColours, before.rowColours);
        EXPECT_EQ(host.settings.sizeType, before.sizeType);
        EXPECT_EQ(host.settings.autoScroll, before.autoScroll);
        EXPECT_EQ(host.store.documentTypeWrites, 0);
        EXPECT_TRUE(host.store.handlers.empty());
    }
}

TEST(SettingsDialogLook, TextsThemedButtonsAndLiveColourPickers)
{
    RecordingHost host;
    SettingsDialog dialog(host);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tallyfox - Settings"));
    const std::pair<const char*, const char*> texts[] = {
        {"sfvBox", "&SFV"}, {"md5Box", "&MD5"}, {"fullRowSelectBox", "Full ro&w select"},
        {"autoScrollBox", "Au&to Scroll"}, {"savePositionBox", "S&ave window position on exit"}};
    for (const auto& [name, text] : texts) {
        EXPECT_EQ(Box(dialog, name)->text(), QString::fromLatin1(text));
    }
    const std::pair<const char*, const char*> buttons[] = {
        {"fontButton", "&Font"}, {"okButton", "&OK"}, {"cancelButton", "&Cancel"}};
    const ThemeAdapter* shared = Find<ThemedButton>(dialog, "okButton")->Theme();
    ASSERT_NE(shared, nullptr);
    for (const auto& [name, text] : buttons) {
        const ThemedButton* button = Find<ThemedButton>(dialog, name);
        EXPECT_EQ(button->text(), QString::fromLatin1(text));
        EXPECT_EQ(button->Theme(), shared) << name;  // one adapter for the three
        EXPECT_TRUE(button->DrawsFocusWhenFlat()) << name;
        EXPECT_EQ(button->Colour(0), HoverBackgroundColour(button->palette().color(QPalette::Button))) << name;
    }
    EXPECT_TRUE(Find<ThemedButton>(dialog, "okButton")->isDefault());
    EXPECT_EQ(Find<ColourPicker>(dialog, "colour1Picker")->text(), QStringLiteral("Col1"));
    EXPECT_EQ(Find<ColourPicker>(dialog, "colour2Picker")->text(), QStringLiteral("Col2"));

    // Live tracking: while the pop-up is open the picker shows the colour under the keys.
    auto* picker = Find<ColourPicker>(dialog, "colour1Picker");
    dialog.show();
    const std::uint32_t before = picker->BackgroundColour();
    picker->click();
    ASSERT_NE(picker->Popup(), nullptr);
    QTest::keyClick(picker->Popup(), Qt::Key_Left);   // "Automatic"
    QTest::keyClick(picker->Popup(), Qt::Key_Right);  // the first cell, black
    EXPECT_EQ(picker->BackgroundColour(), 0x000000u);
    QTest::keyClick(picker->Popup(), Qt::Key_Escape);
    EXPECT_EQ(picker->BackgroundColour(), before);
    EXPECT_TRUE(dialog.isVisible());  // Escape ended the pop-up, not the dialog
}

// A picture of the dialog for a person to look at, saved only when
// TALLYFOX_SCREENSHOT_DIR names a folder, e.g.
//   TALLYFOX_SCREENSHOT_DIR=build/shots ctest -R tallyfox_dialogs_tests
// Every run checks that the dialog grows with a larger font, so its texts still fit.
TEST(SettingsDialogLook, Screenshot)
{
    const QString folder = qEnvironmentVariable("TALLYFOX_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    const auto shoot = [&folder](QWidget& widget, const QString& name) {
        const QImage image = widget.grab().toImage();
        if (!folder.isEmpty()) {
            EXPECT_TRUE(image.save(QDir(folder).filePath(name))) << name.toStdString();
        }
        return image;
    };
    RecordingHost host;
    host.store.handlers[".sfv"] = "Tallyfox.Document";
    host.settings.sizeType = 1;
    SettingsDialog dialog(host);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const QImage normalShot = shoot(dialog, QStringLiteral("settings.png"));
    QFont large = dialog.font();
    large.setPointSizeF(large.pointSizeF() * 1.6);
    dialog.setFont(large);
    dialog.adjustSize();
    const QImage largeShot = shoot(dialog, QStringLiteral("settings-large-font.png"));
    EXPECT_GT(largeShot.width(), normalShot.width());
    EXPECT_GT(largeShot.height(), normalShot.height());
}

}  // namespace
