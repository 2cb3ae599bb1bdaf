// What the main window shows: layout, status bar, list colours and fonts, and the
// commands that are not about runs (Open, recent files, drops, Always on Top, About).

#include "windowharness.h"

#include "aboutbox.h"
#include "checksumlistmodel.h"
#include "checksumlistproxy.h"
#include "checksumlistview.h"
#include "colorref.h"
#include "iniprofile.h"
#include "progresspanel.h"
#include "settingsstore.h"
#include "statusbarparts.h"
#include "verdictbar.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QUrl>

namespace {

void StoreSettings(const WindowHarness& harness, const Settings& settings)
{
    IniProfile profile(harness.IniPath().toStdString());
    ASSERT_TRUE(SaveSettings(profile, settings, false));
}

TEST(MainWindow, StatusPartsAtWidth435EndAt108_217_327)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.resize(435, 300);
    const StatusBarParts& bar = *window.StatusBar();
    EXPECT_EQ(bar.geometry(), QRect(0, 280, 435, 20));
    EXPECT_EQ(bar.PartEdges(), (std::array<int, 4>{108, 217, 327, -1}));
    EXPECT_EQ(bar.PartRect(0), QRect(0, 0, 108, 20));
    EXPECT_EQ(bar.PartRect(1), QRect(108, 0, 109, 20));
    EXPECT_EQ(bar.PartRect(2), QRect(217, 0, 110, 20));
    EXPECT_EQ(bar.PartRect(3), QRect(327, 0, 108, 20));
}

TEST(MainWindow, CannotBeMadeSmallerThan435By280)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.resize(200, 100);
    EXPECT_EQ(window.size(), QSize(435, 280));
}

TEST(MainWindow, ListColumnsAndPanelFollowTheLayout)
{
    WindowHarness harness;
    MainWindow& window = harness.Start(harness.WriteLongList());
    window.resize(600, 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.PanelShown(); }, 10000));
    const ChecksumListView& view = *window.ListView();
    const int top = view.geometry().top();
    EXPECT_EQ(view.geometry(), QRect(0, top, 600, 400 - top - 20 - 53));
    EXPECT_EQ(window.Panel()->geometry(), QRect(0, 327, 600, 53));
    EXPECT_TRUE(window.Panel()->isVisible());
    EXPECT_EQ(window.Panel()->Bar()->geometry(), QRect(15, 23, 570, 15));
    EXPECT_EQ(view.columnWidth(0), view.viewport()->width() - 100);
    EXPECT_EQ(view.columnWidth(1), 100);
    harness.Click(CommandId::Stop);
    EXPECT_FALSE(window.Panel()->isVisible());
    // The stopped run's verdict takes its strip under the list.
    const int verdict = window.Verdict()->isVisible() ? window.Verdict()->height() : 0;
    EXPECT_EQ(view.geometry().height(), 400 - top - 20 - verdict);
}

TEST(MainWindow, RowsAlternateStartingWithTheSecondColour)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    const ChecksumListModel& model = *window.ListModel();
    EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), ColourFromColorRef(0xFAF3F0));
    EXPECT_EQ(model.data(model.index(1, 1), Qt::BackgroundRole).value<QColor>(), ColourFromColorRef(0xFCFBFA));
    EXPECT_EQ(model.data(model.index(2, 0), Qt::BackgroundRole).value<QColor>(), ColourFromColorRef(0xFAF3F0));
    EXPECT_EQ(ColourFromColorRef(0xFAF3F0), QColor(0xF0, 0xF3, 0xFA));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Filename"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
              Qt::AlignRight);
}

TEST(MainWindow, StoredColoursFontAndSelectionStyleApplyAtStartUp)
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

TEST(MainWindow, StoredPlaceAndSizeModeApplyAtStartUp)
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

TEST(MainWindow, AutoScrollKeepsTheRunInViewUnlessSwitchedOff)
{
    for (const int autoScroll : {1, 0}) {
        SCOPED_TRACE(autoScroll);
        WindowHarness harness;
        Settings stored;
        stored.autoScroll = autoScroll;
        StoreSettings(harness, stored);
        std::string lines;
        for (int i = 0; i < 200; ++i) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            harness.Dir().WriteFile(name, "123456789");
            lines += name + " CBF43926\n";
        }
        const QString list = QString::fromStdString(harness.Dir().WriteFile("many.sfv", lines));
        MainWindow& window = harness.Start(list);
        window.resize(500, 400);
        ASSERT_TRUE(harness.WaitForRuns(1));
        const ChecksumListView& view = *window.ListView();
        if (autoScroll == 1) {
            // The list followed the run down to its last row, which is in full view.
            EXPECT_GT(view.TopRow(), 150);
            const QRect last = view.visualRect(window.ListProxy()->index(window.ListProxy()->ViewRow(199), 0));
            EXPECT_TRUE(view.viewport()->rect().contains(last)) << last.y() << " in " << view.viewport()->height();
        } else {
            EXPECT_EQ(view.TopRow(), 0);
        }
        EXPECT_EQ(window.List().GetCounters(), (Counters{200, 0, 0, 0}));
    }
}

TEST(MainWindow, AlwaysOnTopTwiceReturnsToNormal)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.setGeometry(30, 40, 520, 330);
    harness.Click(CommandId::AlwaysOnTop);
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(harness.State(CommandId::AlwaysOnTop), ButtonState::EnabledChecked);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), QRect(30, 40, 520, 330));
    harness.Click(CommandId::AlwaysOnTop);
    EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(harness.State(CommandId::AlwaysOnTop), ButtonState::Enabled);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.AlwaysOnTop());
}

TEST(MainWindow, RecentFilesMenuOpensAndEmptiesTheList)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    const QString first = harness.WriteSmallList("first.sfv");
    const QString second = harness.WriteSmallList("second.md5");
    window.OpenChecksumList(first);
    ASSERT_TRUE(harness.WaitForLoad());
    window.OpenChecksumList(second);
    ASSERT_TRUE(harness.WaitForLoad());
    // The same name in other letter case is another file, which does not exist: it
    // is reported and the recent files stay as they are.
    window.OpenChecksumList(first.toUpper());
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.Recent().Entries(), (QStringList{second, first}));
    harness.dialogs.errors.clear();

    // An unknown type leaves the recent files alone.
    window.OpenChecksumList(harness.Path("readme.txt"));
    EXPECT_EQ(window.Recent().Entries(), (QStringList{second, first}));

    QMenu& menu = *window.Toolbar()->RecentFilesMenu();
    QMetaObject::invokeMethod(&menu, "aboutToShow");
    ASSERT_EQ(menu.actions().size(), 6);
    EXPECT_EQ(menu.actions()[1]->text(), QStringLiteral("&1   ") + first);

    menu.actions()[1]->trigger();  // &1 opens the first list and moves it to the head
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3 - ") + first);
    EXPECT_EQ(window.Recent().Entries(), (QStringList{first, second}));
    EXPECT_EQ(window.List().Kind(), ListKind::Sfv);
    EXPECT_EQ(window.List().RowCount(), 3);

    QMetaObject::invokeMethod(&menu, "aboutToShow");
    menu.actions().at(3)->trigger();  // the empty-list item, before the folder item
    EXPECT_TRUE(window.Recent().Entries().isEmpty());
}

TEST(MainWindow, OpenCommandReadsTheChosenListAndCancelChangesNothing)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    harness.Click(CommandId::Open);
    EXPECT_EQ(harness.dialogs.openAsked, 1);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3"));

    harness.dialogs.openAnswer = harness.WriteSmallList("chosen.sfv");
    harness.Click(CommandId::Open);
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.List().RowCount(), 3);
    EXPECT_EQ(window.StatusBar()->Text(3), QStringLiteral("Unchecked: 3"));
    EXPECT_EQ(window.FinishedRuns(), 0);  // opening does not start a run
    const ChecksumListModel& model = *window.ListModel();
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("bad.txt"));
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QStringLiteral("3 bytes"));
}

TEST(MainWindow, AFailedOpenKeepsTheListOnScreen)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    const QString shown = harness.WriteSmallList();
    window.OpenChecksumList(shown);
    ASSERT_TRUE(harness.WaitForLoad());
    const QString gone = harness.Path("gone.md5");
    window.OpenChecksumList(gone);
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("Open [%1] failed.").arg(gone)});
    EXPECT_EQ(harness.dialogs.errorDetails, QStringList{QStringLiteral("No such file or directory")});
    EXPECT_EQ(window.List().RowCount(), 3);
    // The title and the recent files go on naming the list that Start would verify.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3 - ") + shown);
    EXPECT_EQ(window.Recent().Entries(), QStringList{shown});
}

TEST(MainWindow, ARelativeListPathIsMadeAbsolute)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    const QString list = harness.WriteSmallList("relative.sfv");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QFileInfo(list).absolutePath()));
    window.OpenChecksumList(QStringLiteral("relative.sfv"));
    const bool loaded = harness.WaitForLoad();
    QDir::setCurrent(before);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(window.List().RowCount(), 3);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3 - ") + list);
    EXPECT_EQ(window.Recent().Entries(), QStringList{list});
}

bool Drop(MainWindow& window, const QString& path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted()) {
        return false;
    }
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return drop.isAccepted();
}

TEST(MainWindow, ADroppedFolderOpensAsAFolderOfLists)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    harness.Dir().WriteFile("lists/good.txt", "123456789");
    harness.Dir().WriteFile("lists/sub/sub.sfv", "../good.txt CBF43926\n");

    EXPECT_TRUE(Drop(window, harness.Path("lists")));
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3 - ") + harness.Path("lists"));
    ASSERT_EQ(window.List().RowCount(), 1);
    EXPECT_EQ(window.List().RowName(0), "good.txt");
}

TEST(MainWindow, ADroppedListOpensAsOpenDoes)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    EXPECT_FALSE(Drop(window, QString::fromStdString(harness.Dir().WriteFile("notes.txt", "x"))));
    const QString list = harness.WriteSmallList("dropped.MD5");
    EXPECT_TRUE(Drop(window, list));
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3 - ") + list);
    EXPECT_EQ(window.List().RowCount(), 3);
    EXPECT_EQ(window.FinishedRuns(), 0);

    // While a run holds Open greyed, drops are refused.
    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());
    harness.Click(CommandId::StartPause);
    ASSERT_EQ(harness.State(CommandId::Open), ButtonState::Disabled);
    EXPECT_FALSE(Drop(window, list));
    harness.Click(CommandId::Stop);
    EXPECT_TRUE(Drop(window, list));
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.List().RowCount(), 3);
}

TEST(MainWindow, AboutBoxShowsNameAndVersion)
{
    WindowHarness harness;
    harness.Start();
    harness.Click(CommandId::About);
    EXPECT_EQ(harness.dialogs.aboutShown, 1);

    AboutBox box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Tallyfox"));
    EXPECT_EQ(box.findChild<QLabel*>(QStringLiteral("aboutVersion"))->text(), QStringLiteral("Tallyfox Version 1.3"));
    QPushButton* ok = box.findChild<QPushButton*>(QStringLiteral("aboutOk"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    box.show();
    ok->click();
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
}

TEST(MainWindow, BrowserSplitterKeepsItsLimits)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.resize(600, 400);
    harness.Click(CommandId::ViewToggle);
    QWidget* tree = window.findChild<QWidget*>(QStringLiteral("folderTree"));
    QWidget* files = window.findChild<QWidget*>(QStringLiteral("fileList"));
    ASSERT_TRUE(tree->isVisible() && files->isVisible());
    EXPECT_EQ(tree->geometry().width(), 220);
    EXPECT_EQ(files->geometry().left(), 223);

    window.SetSplitterPos(80);
    EXPECT_EQ(window.SplitterPos(), 220);
    window.SetSplitterPos(450);
    EXPECT_EQ(window.SplitterPos(), 220);
    window.SetSplitterPos(300);
    EXPECT_EQ(window.SplitterPos(), 300);
    EXPECT_EQ(files->geometry(), QRect(303, files->geometry().top(), 297, files->geometry().height()));

    // Dragging the handle with the mouse, also beyond the limits: the tree keeps more
    // than 80 pixels and the file list at least 150 minus the splitter's 3.
    auto* splitter = window.findChild<QSplitter*>(QStringLiteral("browserSplitter"));
    ASSERT_NE(splitter, nullptr);
    QWidget* handle = splitter->handle(1);
    const auto drag = [handle](int dx) {
        const QPoint from(handle->width() / 2, handle->height() / 2);
        QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(handle, from + QPoint(dx, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, from + QPoint(dx, 0));
    };
    drag(-50);
    // Qt widens a thin handle by a pixel on each side for grabbing.
    EXPECT_NEAR(window.SplitterPos(), 250, 1);
    EXPECT_EQ(tree->width(), window.SplitterPos());
    drag(-400);
    EXPECT_EQ(tree->width(), 81);
    EXPECT_EQ(window.SplitterPos(), 81);
    drag(500);
    EXPECT_EQ(tree->width(), 449);
    EXPECT_EQ(files->width(), 148);
}

TEST(MainWindow, Sha256SumsOpensAndItsWarningsNeedNoBox)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    harness.Dir().WriteFile("abc.txt", "abc");
    // FIPS 180-4 SHA-256 of "abc"; a line with no name; a digest of three digits.
    const std::string list = harness.Dir().WriteFile(
        "SHA256SUMS",
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  abc.txt\n"
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad\n"
        "abc  short.txt\n");
    window.OpenChecksumList(QString::fromStdString(list));
    ASSERT_TRUE(harness.WaitForLoad());

    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
    const ChecksumListModel& model = *window.ListModel();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(window.StatusBar()->Text(3), QStringLiteral("Unchecked: 2"));
    EXPECT_EQ(window.StatusBar()->toolTip(),
              QStringLiteral("WARNING: 1 line is improperly formatted\n"
                             "short.txt: SHA256 checksum has 3 hex digits, 64 expected"));
    EXPECT_TRUE(model.data(model.index(1, 0), Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral("short.txt\nSHA256 checksum has 3 hex digits, 64 expected\n")));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::ToolTipRole).toString().section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("abc.txt"));

    // A list without warnings clears them.
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.StatusBar()->toolTip(), QString());
}

}  // namespace
