// What the main window keeps for itself: drops, Always on Top and the About box.

#include "windowharness.h"

#include "aboutbox.h"

#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

namespace {

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

}  // namespace
