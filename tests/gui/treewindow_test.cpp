// A folder of lists in the window: every list beneath a folder in the one list view,
// verified by one run, the files no list names, and a list of a whole folder made in
// the browser.

#include "windowharness.h"

#include "checksumrowmenu.h"
#include "folderbrowser.h"
#include "foldertreepane.h"
#include "foldertreeview.h"
#include "statusbarparts.h"
#include "verdictbar.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>

#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// Lists of three kinds (zlib's crc32, md5sum and sha256sum of the contents): tree.sfv
// in the root (top1 OK, top2 missing), a/b/list.md5 two levels down (f1 OK, f2
// changed, ../../c/sib in a sibling folder), c/SHA256SUMS (sib OK); a/b/extra is in
// no list and one folder is empty.
std::string WriteTree(const WindowHarness& harness)
{
    const TempDir& dir = harness.Dir();
    dir.WriteFile("tree/top1", "one\n");
    dir.WriteFile("tree/tree.sfv", "top1 F817A89F\ntop2 96170874\n");
    dir.WriteFile("tree/a/b/f1", "f1\n");
    dir.WriteFile("tree/a/b/f2", "changed\n");
    dir.WriteFile("tree/a/b/list.md5", "2b1abc6b6c5c0018851f9f8e6475563b  f1\n"
                                       "575c5638d60271457e54ab7d07309502  f2\n"
                                       "5b31d9b5fe91f53ad1192ebf499ab3c9  ../../c/sib\n");
    dir.WriteFile("tree/c/sib", "sib\n");
    dir.WriteFile("tree/c/SHA256SUMS", "116d85db36548152ab188c67502700dc196d0a78b901933a30764e57a4a194a6  sib\n");
    dir.WriteFile("tree/a/b/extra", "not in any list\n");
    std::filesystem::create_directory(dir.Path() / "tree/empty");
    return dir.Folder() + "tree";
}

QStringList RowNames(const ChecksumList& list)
{
    QStringList names;
    for (int row = 0; row < list.RowCount(); ++row) {
        names.append(QString::fromStdString(std::string(list.RowName(row))));
    }
    return names;
}

int RunTool(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    int status = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0 || waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(TreeWindow, AFolderOfListsShowsEveryEntryAndOneRunVerifiesThemAll)
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

TEST(TreeWindow, FilesNotInAnyListAreNamedRelativeToTheFolder)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenFolderOfLists(QString::fromStdString(WriteTree(harness)));
    ASSERT_TRUE(harness.WaitForLoad());

    window.RowMenu()->UnlistedAction()->trigger();

    EXPECT_EQ(harness.dialogs.notes, QStringList{QStringLiteral("Files not in any list: 1\na/b/extra")});
}

TEST(TreeWindow, AListThatCannotBeReadIsNamedAndTheOthersOpen)
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

TEST(TreeWindow, AFolderListMadeInTheBrowserIsTheBytesTallyfoxCreateWritesAndPeersVerifyIt)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    const std::string tree = WriteTree(harness);
    const std::string windowList = harness.Dir().Folder() + "window.md5";
    const std::string toolList = harness.Dir().Folder() + "tool.md5";
    harness.dialogs.saveAnswer = SaveListAnswer{QString::fromStdString(windowList), 2};

    emit window.Browser()->folderListRequested(QString::fromStdString(tree + "/"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.FinishedGenerations() >= 1; }, 60000));
    ASSERT_EQ(RunTool({TALLYFOX_CREATE_PATH, "--md5", "-o", toolList, tree}), 0);

    const std::string bytes = ReadBytes(windowList);
    EXPECT_NE(bytes.find("  tree/a/b/f1\n"), std::string::npos) << bytes;
    EXPECT_EQ(bytes, ReadBytes(toolList));
    const std::string folder = harness.Dir().Folder();
    EXPECT_EQ(std::system(("cd '" + folder + "' && md5sum --strict --quiet -c window.md5").c_str()), 0);
    EXPECT_EQ(std::system(("cd '" + folder + "' && rhash --skip-ok -c tool.md5 > /dev/null").c_str()), 0);
}

TEST(TreeWindow, OneListPerFolderIsMadeOneRunAfterAnotherWithoutHiddenFiles)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    const std::string tree = WriteTree(harness);
    harness.Dir().WriteFile("tree/c/.hidden", "hidden\n");
    harness.dialogs.saveAnswer = SaveListAnswer{QString::fromStdString(tree + "/ignored.md5"), 2, true, false};

    emit window.Browser()->folderListRequested(QString::fromStdString(tree + "/"));
    // Three folders hold files: the tree's own, a/b and c.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.FinishedGenerations() >= 3; }, 60000));

    EXPECT_EQ(harness.dialogs.folderListAsked, 1);
    EXPECT_EQ(ReadBytes(tree + "/c/c.md5"), "85EA222C221461E82F001B2B0531D5BD  SHA256SUMS\n"
                                            "5B31D9B5FE91F53AD1192EBF499AB3C9  sib\n");
    EXPECT_FALSE(std::filesystem::exists(tree + "/ignored.md5"));
    for (const char* folder : {"", "/a/b", "/c"}) {
        const std::string list = std::filesystem::path(tree + folder).filename().string() + ".md5";
        const std::string check = "cd '" + tree + folder + "' && md5sum --strict --quiet -c '" + list + "'";
        EXPECT_EQ(std::system(check.c_str()), 0) << check;
    }
}

TEST(TreeWindow, GenerateWithAFolderOfTheTreeSelectedListsEveryFileBeneathIt)
{
    WindowHarness harness;
    const std::string tree = WriteTree(harness);
    MainWindow& window = harness.Start(QString::fromStdString(tree));  // the browser, at the tree
    ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.StartupTimerActive(); }, 10000));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Browser()->TreePane()->Tree()->setFocus();
    ASSERT_TRUE(window.Browser()->SelectedRecords().empty());
    harness.dialogs.saveAnswer = SaveListAnswer{QString::fromStdString(tree + "/all.sfv"), 1};

    harness.Click(CommandId::Generate);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.FinishedGenerations() >= 1; }, 60000));

    const std::string list = ReadBytes(tree + "/all.sfv");
    EXPECT_NE(list.find("a/b/f1 9593802C"), std::string::npos) << list;
    EXPECT_NE(list.find("c/sib A8D6C0FA"), std::string::npos) << list;
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
}
