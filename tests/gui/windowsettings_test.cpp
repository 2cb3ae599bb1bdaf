// WindowSettings: what the window saves is what the next start shows, the stored
// colours, fonts and place applied at start-up, and a settings file that is damaged
// or cannot be written.

#include "windowharness.h"

#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "iniprofile.h"
#include "settingshost.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QHeaderView>

#include <cstring>

namespace {

TEST(WindowSettings, StoredColoursFontAndSelectionStyleApplyAtStartUp)
{
    WindowHarness harness;
    Settings stored;
    stored.rowColours = {0x0000FF, 0x00FF00};
    stored.fullRowSelect = 0;
    stored.listFont = DefaultFontRecord(96);
    stored.listFont.colour = 0xFF0000;  // blue text
    stored.listFont.logFont.lfHeight = -20;
    stored.listFont.logFont.lfWeight = 700;
    StoreSettings(harness, stored);

    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    const ChecksumListModel& model = *window.ListModel();
    EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    EXPECT_FALSE(window.ListView()->FullRowSelect());
    EXPECT_TRUE(window.ListView()->showGrid());
    EXPECT_EQ(window.ListView()->font().pixelSize(), 20);
    EXPECT_EQ(window.ListView()->font().weight(), QFont::Bold);
    // The header keeps the default font (9 points) whatever the list's font.
    const QFont header = window.ListView()->horizontalHeader()->font();
    EXPECT_EQ(header.pixelSize(), 12);
    EXPECT_EQ(header.weight(), QFont::Normal);
    EXPECT_GE(window.ListView()->verticalHeader()->defaultSectionSize(), 24);
}

TEST(WindowSettings, StoredPlaceAndSizeModeApplyAtStartUp)
{
    WindowHarness harness;
    Settings stored;
    stored.sizeType = 2;  // Bytes
    stored.windowPos = {0, 1, 60, 70, 560, 400};
    StoreSettings(harness, stored);
    MainWindow& window = harness.Start();
    EXPECT_EQ(window.geometry(), QRect(60, 70, 500, 330));
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.ListModel()->data(window.ListModel()->index(0, 1)).toString(), QStringLiteral("9"));

    // Without the save-position flag the stored place is ignored; with the maximized
    // flag as well the window starts maximized.
    for (const auto& [savePosition, maximized] : {std::pair{0, 0}, std::pair{1, 1}}) {
        WindowHarness other;
        stored.windowPos = {maximized, savePosition, 60, 70, 560, 400};
        StoreSettings(other, stored);
        MainWindow& next = other.Start();
        EXPECT_EQ(next.isMaximized(), maximized != 0);
        if (savePosition == 0) {
            EXPECT_NE(next.geometry(), QRect(60, 70, 500, 330));
        }
    }
}

// Properties, then OK on `changed`, given through the window's side of the dialog.
void ConfirmSettings(WindowHarness& harness, const Settings& changed)
{
    harness.dialogs.onSettings = [&harness, &changed](SettingsDialog& dialog) {
        SettingsHost& host = *harness.dialogs.settingsHost;
        host.SetSizeType(changed.sizeType);
        host.SetRowColours(changed.rowColours);
        host.SetFlags(changed.windowPos.savePosition, changed.fullRowSelect, changed.autoScroll);
        host.ApplyListFont(changed.listFont);
        host.RefreshListLayout();
        dialog.done(QDialog::Accepted);  // OK without the dialog's own controls' values
    };
    harness.Click(CommandId::Properties);
    harness.dialogs.onSettings = nullptr;
}

TEST(WindowSettings, WhatTheWindowSavesTheNextStartShows)
{
    WindowHarness harness;
    const QString first = harness.WriteSmallList("first.sfv");
    const QString second = harness.WriteSmallList("second.md5");
    {
        MainWindow& window = harness.Start();
        for (const QString& list : {first, second}) {
            window.OpenChecksumList(list);
            ASSERT_TRUE(harness.WaitForLoad());
        }
        Settings changed = window.CurrentSettings();
        changed.sizeType = 1;  // KB
        changed.rowColours = {0x00112233, 0x00445566};
        changed.fullRowSelect = 0;
        changed.autoScroll = 0;
        changed.windowPos.savePosition = 1;
        changed.listFont.colour = 0x000000FF;  // red text
        changed.listFont.logFont.lfHeight = -17;
        changed.listFont.logFont.lfItalic = 1;
        ConfirmSettings(harness, changed);
        EXPECT_EQ(SizeCell(window, 0), QStringLiteral("1 KB"));  // rewritten at once
        window.setGeometry(30, 40, 520, 330);
        ASSERT_TRUE(window.close());
    }

    MainWindow& window = harness.Start();  // the next run of the program, same settings file
    EXPECT_EQ(window.geometry(), QRect(30, 40, 520, 330));
    EXPECT_EQ(window.Recent().Entries(), (QStringList{second, first}));
    const Settings& restored = window.CurrentSettings();
    EXPECT_EQ(restored.sizeType, 1);
    EXPECT_EQ(restored.autoScroll, 0);
    EXPECT_FALSE(window.ListView()->FullRowSelect());
    EXPECT_TRUE(window.ListView()->font().italic());
    EXPECT_EQ(window.ListView()->font().pixelSize(), 17);

    window.OpenRecentFile(1);
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(SizeCell(window, 0), QStringLiteral("1 KB"));
    EXPECT_EQ(Background(window, 0), QColor(0x66, 0x55, 0x44));  // row 0: the second colour
    EXPECT_EQ(Background(window, 1), QColor(0x33, 0x22, 0x11));
    const ChecksumListModel& model = *window.ListModel();
    EXPECT_EQ(model.data(model.index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
}

TEST(WindowSettings, SizeCellsChangeOnlyWhenTheSizeDisplayChanges)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(SizeCell(window, 0), QStringLiteral("9 bytes"));
    harness.Dir().WriteFile("good.txt", "1234567890");  // grows on disk

    ConfirmSettings(harness, window.CurrentSettings());  // nothing changed
    EXPECT_EQ(SizeCell(window, 0), QStringLiteral("9 bytes"));

    Settings bytes = window.CurrentSettings();
    bytes.sizeType = 2;
    ConfirmSettings(harness, bytes);
    EXPECT_EQ(SizeCell(window, 0), QStringLiteral("10"));
    EXPECT_EQ(SizeCell(window, 2), QStringLiteral("Not Found."));
}

TEST(WindowSettings, DamagedSettingsFileNeverStopsStartUp)
{
    WindowHarness harness;
    std::string damaged = "[Setup]\r\nSizeType=020000\r\nListViewColor=ZZ\r\nAutoScroll=0000000000\r\n";
    damaged += std::string("\x01\x02\xff\xfe garbage\0[Recent\r\n", 22);
    damaged += "[Recent Files]\r\nMenu0=/lists/a.sfv\r\nMenu1";
    harness.Dir().WriteFile("tallyfox.ini", damaged);

    MainWindow& window = harness.Start();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.CurrentSettings().sizeType, 0);  // truncated: the default
    EXPECT_EQ(window.CurrentSettings().autoScroll, 0);  // intact: read
    EXPECT_EQ(window.Recent().Entries(), QStringList{QStringLiteral("/lists/a.sfv")});
    ASSERT_TRUE(window.close());
    // The next save writes a file that reads back whole.
    const Settings saved = LoadSettings(IniProfile(harness.IniPath().toStdString()));
    EXPECT_EQ(saved.recentFiles, std::vector<std::string>{"/lists/a.sfv"});
    EXPECT_TRUE(saved.windowPosStored);
}

TEST(WindowSettings, StoredPlaceOffEveryScreenComesBackOnTheScreen)
{
    WindowHarness harness;
    {
        IniProfile profile(harness.IniPath().toStdString());
        Settings stored;
        stored.windowPos = {0, 1, -9000, -9000, -8500, -8700};
        ASSERT_TRUE(SaveSettings(profile, stored, false));
    }
    MainWindow& window = harness.Start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(window.geometry()));
    EXPECT_EQ(window.size(), QSize(500, 300));
}

TEST(WindowSettings, ClosingWhileMinimizedKeepsTheStoredPlace)
{
    WindowHarness harness;
    {
        IniProfile profile(harness.IniPath().toStdString());
        Settings stored;
        stored.windowPos = {0, 1, 60, 70, 560, 400};
        ASSERT_TRUE(SaveSettings(profile, stored, false));
    }
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    window.setGeometry(10, 20, 600, 400);
    window.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(window.close());

    const Settings saved = LoadSettings(IniProfile(harness.IniPath().toStdString()));
    EXPECT_EQ(saved.windowPos.left, 60);
    EXPECT_EQ(saved.windowPos.bottom, 400);
    EXPECT_EQ(saved.recentFiles.size(), 1u);  // the rest is written
}

// Settings beside the program that cannot be written there are read from where they
// are, the first save elsewhere starts from them, and the window says so once.
TEST(WindowSettings, SettingsThatCannotBeSavedWhereTheyAreMoveWithNothingLost)
{
    WindowHarness harness;
    const std::string beside = "[Recent Files]\nMenu0=/lists/kept.sfv\n[Other]\nkept=1\n";
    harness.iniReadPath = QString::fromStdString(harness.Dir().WriteFile("beside.ini", beside));
    {
        MainWindow& window = harness.Start();
        EXPECT_EQ(window.Recent().Entries(), (QStringList{QStringLiteral("/lists/kept.sfv")}));
        ASSERT_EQ(harness.dialogs.notes.size(), 1);
        EXPECT_TRUE(harness.dialogs.notes[0].contains(harness.iniReadPath)) << harness.dialogs.notes[0].toStdString();
        EXPECT_TRUE(harness.dialogs.notes[0].contains(harness.IniPath())) << harness.dialogs.notes[0].toStdString();
        EXPECT_TRUE(harness.dialogs.errors.isEmpty());
        ASSERT_TRUE(window.close());
    }
    const IniProfile saved(harness.IniPath().toStdString());
    EXPECT_EQ(saved.ReadString("Recent Files", "Menu0"), "/lists/kept.sfv");
    EXPECT_EQ(saved.ReadString("Other", "kept"), "1");
    EXPECT_TRUE(saved.ReadString("Setup", "SizeType").has_value());

    // The next start reads and saves the new place, without a word.
    harness.iniReadPath.clear();
    harness.dialogs.notes.clear();
    MainWindow& window = harness.Start();
    EXPECT_EQ(window.Recent().Entries(), (QStringList{QStringLiteral("/lists/kept.sfv")}));
    EXPECT_TRUE(harness.dialogs.notes.isEmpty());
}


}  // namespace
