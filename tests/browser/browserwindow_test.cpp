// The browser inside the main window: reached from the command line, its shortcuts,
// its message through the window's dialogs.

#include "windowharness.h"

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
    CMainDialog& window = harness.Start(harness.Path("Downloads"));
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.StartupTimerActive(); }, 10000));

    EXPECT_FALSE(window.ChecksumViewShown());
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
    CMainDialog& window = harness.Start();
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

}  // namespace
