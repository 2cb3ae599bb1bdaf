// The checksum list view as the user sorts, filters and inspects it: the order the view
// shows against the list's own, the row menu's copies, the tooltip and checksum
// column, and auto-scroll that yields to the user.

#include "windowharness.h"

#include "checksumlistmodel.h"
#include "checksumlistproxy.h"
#include "checksumlistview.h"
#include "checksumrowmenu.h"
#include "desktopservices.h"
#include "listfilterbar.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QScrollBar>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

class RecordingDesktop final : public DesktopServices {
public:
    bool OpenPath(const QString& path) override
    {
        opened.append(path);
        return opens;
    }
    [[nodiscard]] QString TerminalProgram() const override { return {}; }
    void StartTerminal(const QString&, const QString&) override {}
    QStringList opened;
    bool opens = true;  // false: no file manager
};

// A list of files whose names and sizes sort differently from the list's own order:
// "f10.txt" (3 bytes), "F2.txt" (1,000 bytes), "f1.txt" (20 bytes), "sub/b.txt"
// (7 bytes), and "gone.txt", which is missing.
QString WriteSortList(const WindowHarness& harness)
{
    harness.Dir().WriteFile("f10.txt", "abc");
    harness.Dir().WriteFile("F2.txt", std::string(1000, 'x'));
    harness.Dir().WriteFile("f1.txt", std::string(20, 'y'));
    std::filesystem::create_directories(harness.Dir().Folder() + "sub");
    harness.Dir().WriteFile("sub/b.txt", "1234567");
    return QString::fromStdString(harness.Dir().WriteFile(
        "sort.sfv", "f10.txt 352441C2\nF2.txt 00000000\nf1.txt 11111111\nsub/b.txt 22222222\ngone.txt 33333333\n"));
}

std::vector<std::string> ListNames(const MainWindow& window)
{
    std::vector<std::string> names;
    for (int row = 0; row < window.List().RowCount(); ++row) {
        names.emplace_back(window.List().RowName(row));
    }
    return names;
}

void SelectViewRows(MainWindow& window, std::initializer_list<int> viewRows)
{
    QItemSelectionModel& selection = *window.ListView()->selectionModel();
    selection.clearSelection();
    for (const int row : viewRows) {
        selection.select(window.ListProxy()->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

struct SortCase {
    const char* name;
    int column;  // -1: by state
    Qt::SortOrder order;
    std::vector<std::string> shown;
};

const SortCase kSortCases[] = {
    {"NameAscendingIsNaturalAndIgnoresCase", ChecksumListModel::kFilenameColumn, Qt::AscendingOrder,
     {"f1.txt", "F2.txt", "f10.txt", "gone.txt", "sub/b.txt"}},
    {"NameDescending", ChecksumListModel::kFilenameColumn, Qt::DescendingOrder,
     {"sub/b.txt", "gone.txt", "f10.txt", "F2.txt", "f1.txt"}},
    {"SizeByNumberMissingLast", ChecksumListModel::kSizeColumn, Qt::AscendingOrder,
     {"f10.txt", "sub/b.txt", "f1.txt", "F2.txt", "gone.txt"}},
    {"SizeDescending", ChecksumListModel::kSizeColumn, Qt::DescendingOrder,
     {"gone.txt", "F2.txt", "f1.txt", "sub/b.txt", "f10.txt"}},
    // After a run: f10 OK, F2/f1/sub bad, gone missing. Ties keep the list's order.
    {"StateProblemsFirst", -1, Qt::AscendingOrder, {"F2.txt", "f1.txt", "sub/b.txt", "gone.txt", "f10.txt"}},
    {"StateDescending", -1, Qt::DescendingOrder, {"f10.txt", "gone.txt", "F2.txt", "f1.txt", "sub/b.txt"}},
};

class ListSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(ListSort, ShowsTheRowsInOrderAndLeavesTheListAsItWas)
{
    const SortCase& c = GetParam();
    WindowHarness harness;
    MainWindow& window = harness.Start(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForRuns(1));
    const std::vector<std::string> listOrder = ListNames(window);
    if (c.column < 0) {
        window.ListView()->SortByState(c.order);
    } else {
        window.ListView()->horizontalHeader()->setSortIndicator(c.column, c.order);
    }
    EXPECT_EQ(ShownNames(window), c.shown);
    EXPECT_EQ(ListNames(window), listOrder);
    // Back to the list's own order.
    window.ListView()->ClearSort();
    EXPECT_EQ(ShownNames(window), listOrder);
}

INSTANTIATE_TEST_SUITE_P(ChecksumListView, ListSort, ::testing::ValuesIn(kSortCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct FilterCase {
    const char* name;
    RowFilter filter;
    const char* text;
    std::vector<std::string> shown;
};

const FilterCase kFilterCases[] = {
    {"All", RowFilter::All, "", {"f10.txt", "F2.txt", "f1.txt", "sub/b.txt", "gone.txt"}},
    {"ProblemsAreBadAndMissing", RowFilter::Problems, "", {"F2.txt", "f1.txt", "sub/b.txt", "gone.txt"}},
    {"NameTextIgnoresCase", RowFilter::NameText, "F1", {"f10.txt", "f1.txt"}},
    {"NameTextInAFolder", RowFilter::NameText, "sub/", {"sub/b.txt"}},
    {"EmptyNameTextShowsAll", RowFilter::NameText, "", {"f10.txt", "F2.txt", "f1.txt", "sub/b.txt", "gone.txt"}},
};

class ListFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(ListFilter, ShowsTheMatchingRowsInListOrder)
{
    const FilterCase& c = GetParam();
    WindowHarness harness;
    MainWindow& window = harness.Start(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForRuns(1));
    ListFilterBar& bar = *window.FilterBar();
    bar.TextEdit()->setText(QString::fromLatin1(c.text));
    bar.SetFilter(c.filter);
    EXPECT_EQ(ShownNames(window), c.shown);
}

INSTANTIATE_TEST_SUITE_P(ChecksumListView, ListFilter, ::testing::ValuesIn(kFilterCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ChecksumListView, RowColoursAlternateByTheirPlaceOnScreen)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    window.ListView()->horizontalHeader()->setSortIndicator(ChecksumListModel::kFilenameColumn, Qt::DescendingOrder);
    const ChecksumListProxy& proxy = *window.ListProxy();
    for (int row = 0; row < proxy.rowCount(); ++row) {
        EXPECT_EQ(proxy.data(proxy.index(row, 0), Qt::BackgroundRole),
                  window.ListModel()->data(window.ListModel()->index(row, 0), Qt::BackgroundRole))
            << row;
    }
}

TEST(ChecksumListView, SelectionReachesTheListRowsThroughTheSort)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    window.ListView()->horizontalHeader()->setSortIndicator(ChecksumListModel::kFilenameColumn, Qt::AscendingOrder);
    SelectViewRows(window, {0, 1});  // f1.txt and F2.txt: list rows 2 and 1
    EXPECT_EQ(window.List().SelectedCount(), 2);
    EXPECT_TRUE(window.List().IsRowSelected(2));
    EXPECT_TRUE(window.List().IsRowSelected(1));
    EXPECT_FALSE(window.List().IsRowSelected(0));
    // A filter that hides a selected row leaves it unselected in the list too.
    window.FilterBar()->TextEdit()->setText(QStringLiteral("f1"));
    window.FilterBar()->SetFilter(RowFilter::NameText);
    EXPECT_EQ(window.List().SelectedCount(), 1);
    EXPECT_TRUE(window.List().IsRowSelected(2));
}

struct CopyCase {
    const char* name;
    QAction* (ChecksumRowMenu::*action)() const noexcept;
    std::vector<std::string> lines;  // a leading '/' stands for the list's folder
};

const CopyCase kCopyCases[] = {
    {"Names", &ChecksumRowMenu::CopyNameAction, {"f1.txt", "F2.txt", "sub/b.txt"}},
    {"ExpectedChecksums", &ChecksumRowMenu::CopyExpectedAction, {"11111111", "00000000", "22222222"}},
    {"FullPaths", &ChecksumRowMenu::CopyPathAction, {"/f1.txt", "/F2.txt", "/sub/b.txt"}},
};

class RowMenuCopy : public ::testing::TestWithParam<CopyCase> {};

TEST_P(RowMenuCopy, PutsOneLinePerSelectedRowInTheOrderShown)
{
    const CopyCase& c = GetParam();
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    window.ListView()->horizontalHeader()->setSortIndicator(ChecksumListModel::kFilenameColumn, Qt::AscendingOrder);
    SelectViewRows(window, {0, 1, 4});
    ChecksumRowMenu& menu = *window.RowMenu();
    menu.Popup(window.ListView()->mapToGlobal(QPoint(10, 10)));
    ASSERT_NE(menu.LastMenu(), nullptr);
    ASSERT_TRUE(menu.LastMenu()->actions().contains((menu.*c.action)()));
    QGuiApplication::clipboard()->clear();
    (menu.*c.action)()->trigger();
    QStringList expected;
    for (const std::string& line : c.lines) {
        expected.append(line.starts_with('/') ? harness.Path(line.substr(1)) : QString::fromStdString(line));
    }
    EXPECT_EQ(QGuiApplication::clipboard()->text(), expected.join(QLatin1Char('\n')));
    menu.LastMenu()->close();
}

INSTANTIATE_TEST_SUITE_P(ChecksumListView, RowMenuCopy, ::testing::ValuesIn(kCopyCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ChecksumListView, OpenContainingFolderOpensEachFolderOnce)
{
    WindowHarness harness;
    RecordingDesktop desktop;
    harness.desktop = &desktop;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    SelectViewRows(window, {0, 1, 3});  // f10.txt, F2.txt, sub/b.txt
    window.RowMenu()->OpenFolderAction()->trigger();
    const QString folder = harness.Path("");
    EXPECT_EQ(desktop.opened, (QStringList{folder.chopped(1), harness.Path("sub")}));
}

TEST(ChecksumListView, OpenContainingFolderWithoutAFileManagerSaysSo)
{
    WindowHarness harness;
    RecordingDesktop desktop;
    desktop.opens = false;
    harness.desktop = &desktop;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    SelectViewRows(window, {0, 3});  // two folders: one message
    window.RowMenu()->OpenFolderAction()->trigger();
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("Open [%1] failed.").arg(harness.Path("").chopped(1))});
    ASSERT_EQ(harness.dialogs.errorDetails.size(), 1);
    EXPECT_FALSE(harness.dialogs.errorDetails.front().isEmpty());
}

// Ctrl+C copies what the menu's "Copy name" copies; Shift+F10 and the menu key open the menu.
TEST(ChecksumListView, KeyboardCopiesEverySelectedRowAndOpensTheRowMenu)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    ChecksumListView& view = *window.ListView();
    SelectViewRows(window, {0, 1, 3});
    view.setCurrentIndex(window.ListProxy()->index(1, 0));
    SelectViewRows(window, {0, 1, 3});
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("f10.txt\nF2.txt\nsub/b.txt"));

    ChecksumRowMenu& menu = *window.RowMenu();
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_F10, Qt::ShiftModifier}, std::pair{Qt::Key_Menu, Qt::NoModifier}}) {
        if (menu.LastMenu() != nullptr) {
            menu.LastMenu()->close();
        }
        QTest::keyClick(&view, key, modifiers);
        ASSERT_NE(menu.LastMenu(), nullptr) << key;
        EXPECT_TRUE(menu.LastMenu()->isVisible()) << key;
        menu.LastMenu()->close();
    }
}

TEST(ChecksumListView, TypingInTheNameBoxPicksTheNameFilter)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    ListFilterBar& bar = *window.FilterBar();
    ASSERT_EQ(bar.Filter(), RowFilter::All);
    ASSERT_TRUE(bar.TextEdit()->isEnabled());
    QTest::keyClicks(bar.TextEdit(), QStringLiteral("f1"));
    EXPECT_EQ(bar.Filter(), RowFilter::NameText);
    EXPECT_EQ(ShownNames(window), (std::vector<std::string>{"f10.txt", "f1.txt"}));
    // Picking another filter shows every row again and keeps the text for later.
    bar.SetFilter(RowFilter::All);
    EXPECT_EQ(ShownNames(window).size(), 5U);
    EXPECT_EQ(bar.TextEdit()->text(), QStringLiteral("f1"));
}

TEST(ChecksumListView, TheRowMenuNeedsASelection)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    ChecksumRowMenu& menu = *window.RowMenu();
    menu.UpdateActions();
    for (QAction* action : {menu.CopyNameAction(), menu.CopyPathAction(), menu.OpenFolderAction(), menu.VerifyAction()}) {
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    }
    SelectViewRows(window, {2});
    menu.UpdateActions();
    for (QAction* action : {menu.CopyNameAction(), menu.CopyPathAction(), menu.OpenFolderAction(), menu.VerifyAction()}) {
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    }
}

TEST(ChecksumListView, TooltipAndChecksumColumnShowTheRowsDetails)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(WriteSortList(harness));
    ASSERT_TRUE(harness.WaitForLoad());
    const ChecksumListModel& model = *window.ListModel();
    EXPECT_EQ(model.data(model.index(3, 0), Qt::ToolTipRole).toString(),
              QStringLiteral("sub/b.txt\n") + harness.Path("sub/b.txt") + QStringLiteral("\nExpected: 22222222"));
    EXPECT_EQ(model.data(model.index(3, ChecksumListModel::kExpectedColumn)).toString(), QStringLiteral("22222222"));
    EXPECT_EQ(model.headerData(ChecksumListModel::kExpectedColumn, Qt::Horizontal).toString(),
              QStringLiteral("Expected"));

    // Hidden at first, so the list keeps its two columns; the header's menu shows it.
    ChecksumListView& view = *window.ListView();
    EXPECT_TRUE(view.isColumnHidden(ChecksumListModel::kExpectedColumn));
    view.ChecksumsAction()->trigger();
    EXPECT_FALSE(view.isColumnHidden(ChecksumListModel::kExpectedColumn));
    EXPECT_GT(view.columnWidth(ChecksumListModel::kExpectedColumn), 0);
    EXPECT_FALSE(view.isColumnHidden(ChecksumListModel::kFoundColumn));
    EXPECT_EQ(view.columnWidth(ChecksumListModel::kFoundColumn), view.columnWidth(ChecksumListModel::kExpectedColumn));
    EXPECT_EQ(view.columnWidth(0) + view.columnWidth(1) + 2 * view.columnWidth(ChecksumListModel::kExpectedColumn),
              view.viewport()->width());
    view.ChecksumsAction()->trigger();
    EXPECT_TRUE(view.isColumnHidden(ChecksumListModel::kExpectedColumn));
    EXPECT_TRUE(view.isColumnHidden(ChecksumListModel::kFoundColumn));
    EXPECT_EQ(view.columnWidth(0), view.viewport()->width() - 100);
}

struct FoundCase {
    const char* name;
    int row;  // in the harness's small list: good.txt, bad.txt, missing.txt
    const char* found;
    const char* tipEnd;
};

const FoundCase kFoundCases[] = {
    {"OK", 0, "CBF43926", "\nExpected: CBF43926\nFound: CBF43926"},
    {"Bad", 1, "352441C2", "\nExpected: 00000000\nFound: 352441C2"},  // CRC-32 of "abc"
    {"MissingHasNone", 2, "", "/missing.txt\nExpected: 00000000"},
};

class FoundChecksum : public ::testing::TestWithParam<FoundCase> {};

TEST_P(FoundChecksum, ShowsInItsColumnAndTheTooltipAfterARun)
{
    const FoundCase& c = GetParam();
    WindowHarness harness;
    MainWindow& window = harness.Start(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForRuns(1));
    const ChecksumListModel& model = *window.ListModel();
    EXPECT_EQ(model.data(model.index(c.row, ChecksumListModel::kFoundColumn)).toString().toStdString(), c.found);
    const QString tip = model.data(model.index(c.row, 0), Qt::ToolTipRole).toString();
    EXPECT_TRUE(tip.endsWith(QString::fromLatin1(c.tipEnd))) << tip.toStdString();
    EXPECT_EQ(model.headerData(ChecksumListModel::kFoundColumn, Qt::Horizontal).toString(), QStringLiteral("Found"));
}

INSTANTIATE_TEST_SUITE_P(ChecksumListView, FoundChecksum, ::testing::ValuesIn(kFoundCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ChecksumListView, UnreadableFileShowsWhyInTheTooltipAndTheRowDetails)
{
    WindowHarness harness;
    std::filesystem::create_directory(harness.Dir().Path() / "folder");
    const std::string list = harness.Dir().WriteFile("folder.sfv", "folder 00000000\nabsent.txt 00000000\n");
    MainWindow& window = harness.Start(QString::fromStdString(list));
    ASSERT_TRUE(harness.WaitForRuns(1));
    const ChecksumListModel& model = *window.ListModel();
    EXPECT_EQ(model.data(model.index(0, 0), Qt::ToolTipRole).toString().section(QLatin1Char('\n'), 1, 1),
              QStringLiteral("Could not be read: Is a directory"));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::AccessibleDescriptionRole).toString(),
              QStringLiteral("Missing (Is a directory)"));
    // A file that is simply not there needs no reason.
    EXPECT_FALSE(model.data(model.index(1, 0), Qt::ToolTipRole).toString().contains(QStringLiteral("Could not")));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Missing"));
}

// A list of 200 rows in a window that shows a few dozen of them.
MainWindow& StartWithManyRows(WindowHarness& harness)
{
    std::string lines;
    for (int i = 0; i < 200; ++i) {
        lines += "f" + std::to_string(i) + ".txt 00000000\n";
    }
    MainWindow& window = harness.Start();
    window.resize(500, 400);
    window.OpenChecksumList(QString::fromStdString(harness.Dir().WriteFile("many.sfv", lines)));
    EXPECT_TRUE(harness.WaitForLoad());
    return window;
}

bool Visible(const ChecksumListView& view, int listRow)
{
    const int row = view.Proxy()->ViewRow(listRow);
    return row >= view.TopRow() && row < view.TopRow() + view.RowsPerPage();
}

TEST(ChecksumListView, AutoScrollYieldsToTheUserAndResumesWhenTheRowIsBackInView)
{
    WindowHarness harness;
    MainWindow& window = StartWithManyRows(harness);
    ChecksumListView& view = *window.ListView();
    QScrollBar& bar = *view.verticalScrollBar();
    view.FollowRun();
    view.ScrollToRunRow(100);
    EXPECT_TRUE(Visible(view, 100));

    // The user scrolls to the top: the run's rows no longer pull the view down.
    bar.triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_FALSE(view.FollowingRun());
    view.ScrollToRunRow(101);
    EXPECT_EQ(view.TopRow(), 0);

    // Scrolling the run's row back into view resumes following.
    bar.setSliderPosition(95);
    bar.triggerAction(QAbstractSlider::SliderMove);
    EXPECT_TRUE(view.FollowingRun());
    view.ScrollToRunRow(180);
    EXPECT_TRUE(Visible(view, 180));

    // A new run follows again, wherever the user left the view.
    bar.triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_FALSE(view.FollowingRun());
    view.FollowRun();
    view.ScrollToRunRow(150);
    EXPECT_TRUE(Visible(view, 150));
}

TEST(ChecksumListView, AutoScrollFollowsTheRowToItsSortedPlace)
{
    WindowHarness harness;
    MainWindow& window = StartWithManyRows(harness);
    ChecksumListView& view = *window.ListView();
    view.horizontalHeader()->setSortIndicator(ChecksumListModel::kFilenameColumn, Qt::DescendingOrder);
    view.FollowRun();
    view.ScrollToRunRow(5);  // f5.txt, near the bottom in descending natural order
    EXPECT_TRUE(Visible(view, 5));
    view.ScrollToRunRow(150);
    EXPECT_TRUE(Visible(view, 150));
}

}  // namespace
