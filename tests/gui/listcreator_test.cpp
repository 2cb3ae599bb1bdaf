// ListCreator in the window: a list of a whole folder made in the browser (the bytes
// tallyfox-create writes, verified by the peers), one list per folder, and Generate
// with a folder of the tree selected.

#include "treefixture.h"
#include "windowharness.h"

#include "folderbrowser.h"
#include "foldertreepane.h"
#include "foldertreeview.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

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

TEST(ListCreator, AFolderListMadeInTheBrowserIsTheBytesTallyfoxCreateWritesAndPeersVerifyIt)
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

TEST(ListCreator, OneListPerFolderIsMadeOneRunAfterAnotherWithoutHiddenFiles)
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

TEST(ListCreator, GenerateWithAFolderOfTheTreeSelectedListsEveryFileBeneathIt)
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

}  // namespace
