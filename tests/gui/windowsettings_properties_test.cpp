// "Properties" through the real window and the real settings dialog: what OK carries
// to the window and the settings file, what Cancel leaves alone (the font chosen
// meanwhile included), the size cells, the associations on the desktop, Ctrl+comma.

#include "windowharness.h"

#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "colourpicker.h"
#include "desktopassociations.h"
#include "fontconversion.h"
#include "iniprofile.h"
#include "rowname.h"
#include "settingsstore.h"
#include "themedbutton.h"

#include <gtest/gtest.h>

#include <iterator>

#include <fstream>

#include <filesystem>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>

namespace {

QColor TextColour(const MainWindow& window)
{
    const ChecksumListModel& model = *window.ListModel();
    return model.data(model.index(0, 0), Qt::ForegroundRole).value<QColor>();
}

template <class Widget>
Widget* Find(const QDialog& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Click(const QDialog& dialog, const char* button)
{
    Find<ThemedButton>(dialog, button)->click();
}

// The user's changes to every control: each one differs from the defaults.
void ChangeEverything(SettingsDialog& dialog)
{
    Click(dialog, "fontButton");
    Find<QCheckBox>(dialog, "sfvBox")->click();
    Find<QCheckBox>(dialog, "fullRowSelectBox")->click();
    Find<QCheckBox>(dialog, "autoScrollBox")->click();
    Find<QCheckBox>(dialog, "savePositionBox")->click();
    Find<QComboBox>(dialog, "sizeTypeBox")->setCurrentIndex(SettingsDialog::kSizeBytes);
    Find<ColourPicker>(dialog, "colour1Picker")->SetBackgroundColour(0x00112233);
    Find<ColourPicker>(dialog, "colour2Picker")->SetBackgroundColour(0x00445566);
}

FontChoice ItalicRed()
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(19);
    font.setItalic(true);
    return {font, QColor(255, 0, 0)};
}

class Properties : public testing::Test {
protected:
    void SetUp() override
    {
        m_window = &harness.Start();
        m_window->OpenChecksumList(harness.WriteSmallList());
        ASSERT_TRUE(harness.WaitForLoad());
        harness.dialogs.fontAnswer = ItalicRed();
    }
    [[nodiscard]] MainWindow& Window() const { return *m_window; }
    [[nodiscard]] Settings Stored() const { return LoadSettings(IniProfile(harness.IniPath().toStdString())); }

    WindowHarness harness;

private:
    MainWindow* m_window = nullptr;
};

TEST_F(Properties, OkCarriesEveryChangeToTheWindowAndTheSettingsFile)
{
    MainWindow& window = Window();
    const QFont headerFont = window.ListView()->horizontalHeader()->font();
    harness.dialogs.onSettings = [](SettingsDialog& dialog) {
        ChangeEverything(dialog);
        Click(dialog, "okButton");
    };
    harness.Click(CommandId::Properties);
    ASSERT_EQ(harness.dialogs.settingsShown, 1);
    ASSERT_EQ(harness.dialogs.fontAsked.size(), 1u);

    // The window.
    EXPECT_FALSE(window.ListView()->FullRowSelect());
    EXPECT_EQ(SizeCell(window, 0), QStringLiteral("9"));
    EXPECT_EQ(Background(window, 0), QColor(0x66, 0x55, 0x44));  // row 0: the second colour
    EXPECT_EQ(Background(window, 1), QColor(0x33, 0x22, 0x11));
    EXPECT_TRUE(window.ListView()->font().italic());
    EXPECT_EQ(window.ListView()->font().pixelSize(), 19);
    EXPECT_EQ(TextColour(window), QColor(255, 0, 0));
    EXPECT_EQ(window.ListView()->horizontalHeader()->font(), headerFont);  // the header keeps its own
    const Settings& current = window.CurrentSettings();
    EXPECT_EQ(current.autoScroll, 0);
    EXPECT_EQ(current.windowPos.savePosition, 1);

    // The settings file, written at OK while the window is still open.
    const Settings stored = Stored();
    EXPECT_EQ(stored.sizeType, 2);
    EXPECT_EQ(stored.fullRowSelect, 0);
    EXPECT_EQ(stored.autoScroll, 0);
    EXPECT_EQ(stored.windowPos.savePosition, 1);
    EXPECT_EQ(stored.rowColours, (ListViewColorRecord{0x00112233, 0x00445566}));
    EXPECT_EQ(stored.listFont, current.listFont);
    EXPECT_EQ(stored.listFont.colour, 0x000000FFu);
    EXPECT_EQ(stored.recentFiles.size(), 1u);
}

TEST_F(Properties, CancelChangesNothingOnScreenOrOnDisk)
{
    MainWindow& window = Window();
    const Settings before = window.CurrentSettings();
    const QFont listFont = window.ListView()->font();
    const QColor textColour = TextColour(window);
    const QColor row0 = Background(window, 0);
    bool fontShownMeanwhile = false;
    harness.dialogs.onSettings = [&](SettingsDialog& dialog) {
        ChangeEverything(dialog);
        fontShownMeanwhile = window.ListView()->font().italic();  // applied at once
        Click(dialog, "cancelButton");
    };
    harness.Click(CommandId::Properties);

    EXPECT_TRUE(fontShownMeanwhile);
    EXPECT_EQ(window.ListView()->font(), listFont);
    EXPECT_EQ(TextColour(window), textColour);
    EXPECT_EQ(Background(window, 0), row0);
    EXPECT_TRUE(window.ListView()->FullRowSelect());
    EXPECT_EQ(SizeCell(window, 0), QStringLiteral("9 bytes"));
    EXPECT_EQ(window.CurrentSettings().listFont, before.listFont);
    EXPECT_EQ(window.CurrentSettings().sizeType, before.sizeType);
    EXPECT_EQ(window.CurrentSettings().autoScroll, before.autoScroll);
    EXPECT_EQ(window.CurrentSettings().rowColours, before.rowColours);
    EXPECT_EQ(window.CurrentSettings().windowPos.savePosition, before.windowPos.savePosition);
    EXPECT_FALSE(QFile::exists(harness.IniPath()));
    EXPECT_FALSE(DesktopAssociations().IsAssociated(QStringLiteral(".sfv")));
}

struct SizeRow {
    std::string name;
    int choose;       // the size box's item when the dialog ends
    bool confirm;     // OK or Cancel
    const char* cell; // the first size cell afterwards
};

class PropertiesSizeCells : public Properties, public testing::WithParamInterface<SizeRow> {};

// good.txt grows on disk after the list was read: only a rewrite of the size cells
// shows the new size.
TEST_P(PropertiesSizeCells, RewrittenOnlyWhenTheModeChanged)
{
    const SizeRow& row = GetParam();
    harness.Dir().WriteFile("good.txt", "1234567890");
    harness.dialogs.onSettings = [&row](SettingsDialog& dialog) {
        Find<QComboBox>(dialog, "sizeTypeBox")->setCurrentIndex(row.choose);
        Click(dialog, row.confirm ? "okButton" : "cancelButton");
    };
    harness.Click(CommandId::Properties);
    EXPECT_EQ(SizeCell(Window(), 0), QString::fromLatin1(row.cell));
    EXPECT_EQ(SizeCell(Window(), 2), QStringLiteral("Not Found."));
}

INSTANTIATE_TEST_SUITE_P(Rows, PropertiesSizeCells,
                         testing::Values(SizeRow{"ok_unchanged", SettingsDialog::kSizeAuto, true, "9 bytes"},
                                         SizeRow{"ok_to_bytes", SettingsDialog::kSizeBytes, true, "10"},
                                         SizeRow{"ok_to_kb", SettingsDialog::kSizeKb, true, "1 KB"},
                                         SizeRow{"cancel_after_choosing_bytes", SettingsDialog::kSizeBytes, false,
                                                 "9 bytes"}),
                         RowName());

TEST_F(Properties, BoxesTakeTheExtensionsOverAndGiveThemBack)
{
    bool sfvShown = true;
    bool md5Shown = true;
    harness.dialogs.onSettings = [&](SettingsDialog& dialog) {
        sfvShown = Find<QCheckBox>(dialog, "sfvBox")->isChecked();
        md5Shown = Find<QCheckBox>(dialog, "md5Box")->isChecked();
        Find<QCheckBox>(dialog, "sfvBox")->setChecked(true);
        Find<QCheckBox>(dialog, "md5Box")->setChecked(true);
        Click(dialog, "okButton");
    };
    harness.Click(CommandId::Properties);
    EXPECT_FALSE(sfvShown);
    EXPECT_FALSE(md5Shown);
    EXPECT_TRUE(DesktopAssociations().IsAssociated(QStringLiteral(".sfv")));
    EXPECT_TRUE(DesktopAssociations().IsAssociated(QStringLiteral(".md5")));

    harness.dialogs.onSettings = [&](SettingsDialog& dialog) {
        sfvShown = Find<QCheckBox>(dialog, "sfvBox")->isChecked();
        md5Shown = Find<QCheckBox>(dialog, "md5Box")->isChecked();
        Find<QCheckBox>(dialog, "md5Box")->setChecked(false);
        Click(dialog, "okButton");
    };
    harness.Click(CommandId::Properties);
    EXPECT_TRUE(sfvShown);
    EXPECT_TRUE(md5Shown);
    EXPECT_TRUE(DesktopAssociations().IsAssociated(QStringLiteral(".sfv")));
    EXPECT_FALSE(DesktopAssociations().IsAssociated(QStringLiteral(".md5")));
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
}

// A read-only mimeapps.list is the user's word: it is left as it is, and OK says once
// that the associations could not be changed.
TEST_F(Properties, AReadOnlyMimeappsListIsLeftAndReportedOnce)
{
    const std::string original = "[Default Applications]\n";
    const std::string path = harness.Dir().WriteFile("xdg-config/mimeapps.list", original);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    harness.dialogs.onSettings = [](SettingsDialog& dialog) {
        Find<QCheckBox>(dialog, "sfvBox")->setChecked(true);
        Find<QCheckBox>(dialog, "md5Box")->setChecked(true);
        Click(dialog, "okButton");
    };
    harness.Click(CommandId::Properties);
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("Register update failed.")});
    EXPECT_FALSE(DesktopAssociations().IsAssociated(QStringLiteral(".sfv")));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), original);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read);
}

// "Automatic" is no colour of its own: those rows keep the list's own background
// (painting the colour value as it stands would make them black).
TEST_F(Properties, AutomaticRowColourLeavesTheRowsInTheListsColour)
{
    harness.dialogs.onSettings = [](SettingsDialog& dialog) {
        auto* picker = Find<ColourPicker>(dialog, "colour1Picker");
        picker->click();
        ASSERT_NE(picker->Popup(), nullptr);
        QTest::keyClick(picker->Popup(), Qt::Key_Left);  // "Automatic"
        QTest::keyClick(picker->Popup(), Qt::Key_Space);
        Click(dialog, "okButton");
    };
    harness.Click(CommandId::Properties);
    EXPECT_EQ(Window().CurrentSettings().rowColours.firstColour, 0xFF000000u);
    const ChecksumListModel& model = *Window().ListModel();
    EXPECT_FALSE(model.data(model.index(1, 0), Qt::BackgroundRole).isValid());
    EXPECT_EQ(Background(Window(), 0), QColor(0xF0, 0xF3, 0xFA));  // the second colour as before
    EXPECT_EQ(Stored().rowColours.firstColour, 0xFF000000u);
}

TEST_F(Properties, CtrlCommaOpensTheDialog)
{
    MainWindow& window = Window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(harness.dialogs.settingsShown, 1);
}

}  // namespace
