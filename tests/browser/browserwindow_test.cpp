// The browser inside the main window: reached from the command line, its shortcuts,
// its message through the window's dialogs.

#include "windowharness.h"

#include "filelistview.h"
#include "folderbrowser.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>

#include <filesystem>

namespace {

TEST(BrowserWindow, FolderOnTheCommandLineOpensTheBrowserThere)
{
    WindowHarness harness;
    std::filesystem::create_directory(harness.Dir().Path() / "Downloads");
    harness.Dir().WriteFile("Downloads/setup.bin", "x");
    MainWindow& window = harness.Start(harness.Path("Downloads"));
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.StartupTimerActive(); }, 10000));

    EXPECT_FALSE(window.Views().ChecksumViewShown());
    EXPECT_EQ(harness.State(CommandId::Generate), ButtonState::Enabled);
    FolderBrowser& browser = *window.Browser();
    EXPECT_EQ(browser.CurrentFolder(), harness.Dir().Folder() + "Downloads/");
    ASSERT_EQ(browser.Records().size(), 1U);
    EXPECT_EQ(window.focusWidget(), browser.FileList());
    EXPECT_TRUE(browser.TreePane()->isVisible());
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
}

TEST(BrowserWindow, CtrlLFocusesThePathBoxAndAMissingFolderIsReported)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    harness.Click(CommandId::ViewToggle);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    FolderTreePane& pane = *window.Browser()->TreePane();

    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(window.focusWidget(), pane.PathBox());

    const QString missing = harness.Path("no/such/folder");
    pane.SetPathText(missing);
    pane.GoButton()->click();
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("Folder not found: ") + missing});
}

TEST(BrowserWindow, CtrlOSwitchesToTheListViewAndAsksForAList)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    harness.Click(CommandId::ViewToggle);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_FALSE(window.Views().ChecksumViewShown());
    harness.dialogs.openAnswer = harness.WriteSmallList();

    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(window.Views().ChecksumViewShown());
    EXPECT_EQ(harness.dialogs.openAsked, 1);
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.List().RowCount(), 3);
    // In the list view the key is the toolbar's Open, asked once per press.
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(harness.dialogs.openAsked, 2);
}

TEST(BrowserWindow, FileListFilledWhileHiddenIsLaidOutWhenTheToolbarShowsIt)
{
    WindowHarness harness;
    std::filesystem::create_directory(harness.Dir().Path() / "data");
    harness.Dir().WriteFile("data/setup.bin", "x");
    MainWindow& window = harness.Start();
    FolderBrowser& browser = *window.Browser();
    FileListView& files = *browser.FileList();
    // A larger font than the default, as a user may choose for the desktop.
    QFont font = files.font();
    font.setPointSize(font.pointSize() * 2);
    files.setFont(font);
    browser.NavigateToPath(harness.Path("data"));
    ASSERT_EQ(browser.Records().size(), 1U);
    window.resize(window.width() + 120, window.height());

    harness.Click(CommandId::ViewToggle);
    ASSERT_TRUE(files.isVisible());
    EXPECT_GT(files.columnWidth(0), 0);
    EXPECT_EQ(files.columnWidth(0) + files.columnWidth(1) + files.columnWidth(2), files.viewport()->width());
    const QString date = QString::fromStdString(browser.Records().front().dateText);
    EXPECT_GT(files.columnWidth(2), files.fontMetrics().horizontalAdvance(date));

    window.resize(window.width() + 100, window.height());
    EXPECT_EQ(files.columnWidth(0) + files.columnWidth(1) + files.columnWidth(2), files.viewport()->width());
}

}  // namespace
