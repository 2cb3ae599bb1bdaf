// ListOpener: the Open command, recent files, a failed open that keeps what is on
// screen, relative paths, the kinds of list it reads, and a folder of lists.

#include "treefixture.h"
#include "windowharness.h"

#include "checksumlistmodel.h"
#include "statusbarparts.h"
#include "verdictbar.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

QStringList RowNames(const ChecksumList& list)
{
    QStringList names;
    for (int row = 0; row < list.RowCount(); ++row) {
        names.append(QString::fromStdString(std::string(list.RowName(row))));
    }
    return names;
}

TEST(ListOpener, RecentFilesMenuOpensAndEmptiesTheList)
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

TEST(ListOpener, OpenCommandReadsTheChosenListAndCancelChangesNothing)
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

TEST(ListOpener, AFailedOpenKeepsTheListOnScreen)
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

TEST(ListOpener, ARelativeListPathIsMadeAbsolute)
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

TEST(ListOpener, Sha256SumsOpensAndItsWarningsNeedNoBox)
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


TEST(ListOpener, AFolderOfListsShowsEveryEntryAndOneRunVerifiesThemAll)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    const std::string tree = WriteTree(harness);
    harness.dialogs.folderAnswer = QString::fromStdString(tree);

    window.OnCommand(CommandId::OpenFolderOfLists);
    ASSERT_TRUE(harness.WaitForLoad());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3 - ") + QString::fromStdString(tree));
    EXPECT_EQ(RowNames(window.List()), (QStringList{QStringLiteral("a/b/f1"), QStringLiteral("a/b/f2"),
                                                    QStringLiteral("c/sib"), QStringLiteral("c/sib"),
                                                    QStringLiteral("top1"), QStringLiteral("top2")}));
    harness.Click(CommandId::StartPause);
    ASSERT_TRUE(harness.WaitForRuns(1));

    EXPECT_EQ(window.List().GetCounters(), (Counters{4, 1, 1, 0}));
    EXPECT_EQ(window.List().RowStatus(1), EntryStatus::Bad);
    EXPECT_EQ(window.List().RowStatus(5), EntryStatus::Missing);
    EXPECT_TRUE(harness.dialogs.errors.isEmpty()) << harness.dialogs.errors.join(QLatin1Char('\n')).toStdString();
    // A picture for a person to look at, only when asked for (see the controls' screenshots).
    if (const QString folder = qEnvironmentVariable("TALLYFOX_SCREENSHOT_DIR"); !folder.isEmpty()) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.Verdict()->isVisible(); }, 5000));
        EXPECT_TRUE(window.grab().save(QDir(folder).filePath(QStringLiteral("tree-window.png"))));
    }
}

TEST(ListOpener, AListThatCannotBeReadIsNamedAndTheOthersOpen)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    const std::string tree = WriteTree(harness);
    harness.Dir().WriteFile("tree/a/empty.sfv", "; nothing listed\n");

    window.OpenFolderOfLists(QString::fromStdString(tree));
    ASSERT_TRUE(harness.WaitForLoad());

    EXPECT_EQ(window.List().RowCount(), 6);
    ASSERT_EQ(harness.dialogs.errors.size(), 1);
    EXPECT_TRUE(harness.dialogs.errors.at(0).contains(QLatin1String("a/empty.sfv")));
}

}  // namespace
