// WindowViews: the checksum and browser views as laid out in the window, the status
// bar, the list columns and the progress panel, the splitter and the smallest size.

#include "windowharness.h"

#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "colorref.h"
#include "progresspanel.h"
#include "statusbarparts.h"
#include "verdictbar.h"

#include <gtest/gtest.h>

#include <QProgressBar>
#include <QSplitter>

namespace {

TEST(WindowViews, StatusPartsAtWidth435EndAt108_217_327)
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

TEST(WindowViews, CannotBeMadeSmallerThan435By280)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.resize(200, 100);
    EXPECT_EQ(window.size(), QSize(435, 280));
}

TEST(WindowViews, ListColumnsAndPanelFollowTheLayout)
{
    WindowHarness harness;
    MainWindow& window = harness.Start(harness.WriteLongList());
    window.resize(600, 400);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Run().PanelShown(); }, 10000));
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

TEST(WindowViews, RowsAlternateStartingWithTheSecondColour)
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

TEST(WindowViews, BrowserSplitterKeepsItsLimits)
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

    window.Views().SetSplitterPos(80);
    EXPECT_EQ(window.Views().SplitterPos(), 220);
    window.Views().SetSplitterPos(450);
    EXPECT_EQ(window.Views().SplitterPos(), 220);
    window.Views().SetSplitterPos(300);
    EXPECT_EQ(window.Views().SplitterPos(), 300);
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
    EXPECT_NEAR(window.Views().SplitterPos(), 250, 1);
    EXPECT_EQ(tree->width(), window.Views().SplitterPos());
    drag(-400);
    EXPECT_EQ(tree->width(), 81);
    EXPECT_EQ(window.Views().SplitterPos(), 81);
    drag(500);
    EXPECT_EQ(tree->width(), 449);
    EXPECT_EQ(files->width(), 148);
}

}  // namespace
