// tallyfox-check over a folder of lists (--recursive) and the files no entry names
// (--extra).

#include "tempdir.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Checksums of the files' contents below (zlib's crc32, md5sum, sha256sum).
constexpr const char* kCrcOne = "F817A89F";                             // "one\n"
constexpr const char* kMd5F1 = "2b1abc6b6c5c0018851f9f8e6475563b";      // "f1\n"
constexpr const char* kMd5F2 = "575c5638d60271457e54ab7d07309502";      // "f2\n"
constexpr const char* kMd5Sib = "5b31d9b5fe91f53ad1192ebf499ab3c9";     // "sib\n"
constexpr const char* kSha256Sib = "116d85db36548152ab188c67502700dc196d0a78b901933a30764e57a4a194a6";

// A tree of three lists of three kinds: root.sfv in the root (top1 OK, top2 missing),
// a/b/list.md5 two levels down (f1 OK, f2 changed, ../../c/sib in a sibling folder),
// c/SHA256SUMS (sib OK); a/b/extra is in no list, a hidden folder holds a file, and
// one folder is empty.
void WriteTree(const TempDir& tree)
{
    tree.WriteFile("top1", "one\n");
    tree.WriteFile("root.sfv", std::string("top1 ") + kCrcOne + "\r\ntop2 96170874\r\n");
    tree.WriteFile("a/b/f1", "f1\n");
    tree.WriteFile("a/b/f2", "changed\n");
    tree.WriteFile("a/b/list.md5", std::string(kMd5F1) + "  f1\n" + kMd5F2 + "  f2\n" + kMd5Sib + "  ../../c/sib\n");
    tree.WriteFile("c/sib", "sib\n");
    tree.WriteFile("c/SHA256SUMS", std::string(kSha256Sib) + "  sib\n");
    tree.WriteFile("a/b/extra", "not in any list\n");
    tree.WriteFile(".hidden/secret", "hidden\n");
    std::filesystem::create_directory(tree.Path() / "empty");
}

Outcome RunCheck(std::vector<std::string> args)
{
    const TempDir output;  // stdout and stderr land outside the tree
    return ToolProcess(TALLYFOX_CHECK_PATH, output, std::move(args)).Wait();
}

}  // namespace

TEST(TreeCheck, VerifiesEveryListAgainstItsOwnFolderWithNamesRelativeToTheTree)
{
    TempDir tree;
    WriteTree(tree);

    const Outcome outcome = RunCheck({"--recursive", tree.Folder()});

    // Lists in walk order, each list's entries in its own order.
    EXPECT_EQ(outcome.out, "a/b/f1: OK\n"
                           "a/b/f2: BAD\n"
                           "c/sib: OK\n"
                           "c/sib: OK\n"
                           "top1: OK\n"
                           "top2: MISSING\n"
                           "OK: 4, Bad: 1, Missing: 1, Unchecked: 0\n");
    EXPECT_EQ(outcome.exitCode, 1);
}

TEST(TreeCheck, ExtraNamesTheFilesNoListNamesButNotTheListsOrHiddenFiles)
{
    TempDir tree;
    WriteTree(tree);

    const Outcome outcome = RunCheck({"--recursive", "--extra", tree.Folder()});

    EXPECT_NE(outcome.out.find("top2: MISSING\na/b/extra: NOT LISTED\n"
                               "OK: 4, Bad: 1, Missing: 1, Unchecked: 0, Not listed: 1\n"),
              std::string::npos)
        << outcome.out;
    EXPECT_EQ(outcome.exitCode, 1);
}

TEST(TreeCheck, ExitStatusFollowsWhatTheTreeHolds)
{
    struct Case {
        const char* name;
        std::vector<std::string> options;
        bool withExtraFile;
        bool withHiddenFile;
        int exitCode;
    };
    const Case cases[] = {
        {"every entry OK", {}, false, false, 0},
        {"a file in no list, not asked about", {}, true, false, 0},
        {"a file in no list, --extra", {"--extra"}, true, false, 1},
        {"a hidden file in no list, --extra", {"--extra"}, false, true, 0},
        {"a hidden file in no list, --extra --hidden", {"--extra", "--hidden"}, false, true, 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        TempDir tree;
        tree.WriteFile("top1", "one\n");
        tree.WriteFile("root.sfv", std::string("top1 ") + kCrcOne + "\n");
        tree.WriteFile("sub/sub/sib", "sib\n");
        tree.WriteFile("sub/sub/SHA256SUMS", std::string(kSha256Sib) + "  sib\n");
        if (test.withExtraFile) {
            tree.WriteFile("sub/new", "new\n");
        }
        if (test.withHiddenFile) {
            tree.WriteFile("sub/.cache/x", "x\n");
        }
        std::vector<std::string> args = test.options;
        args.insert(args.begin(), "--recursive");
        args.push_back(tree.Folder());

        EXPECT_EQ(RunCheck(args).exitCode, test.exitCode);
    }
}

TEST(TreeCheck, AListThatCannotBeReadIsNamedAndTheOthersStillRun)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any file";
    }
    TempDir tree;
    WriteTree(tree);
    const std::string locked = tree.WriteFile("a/locked.sfv", "top1 F817A89F\n");
    std::filesystem::permissions(locked, std::filesystem::perms::none);

    const Outcome outcome = RunCheck({"--recursive", tree.Folder()});

    EXPECT_NE(outcome.err.find("a/locked.sfv"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.out.find("OK: 4, Bad: 1, Missing: 1, Unchecked: 0\n"), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.exitCode, 2);
}

TEST(TreeCheck, AFolderThatCannotBeEnteredIsNamedWithExitTwo)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root enters any folder";
    }
    TempDir tree;
    WriteTree(tree);
    std::filesystem::create_directory(tree.Path() / "closed");
    std::filesystem::permissions(tree.Path() / "closed", std::filesystem::perms::none);

    const Outcome outcome = RunCheck({"--recursive", tree.Folder()});
    std::filesystem::permissions(tree.Path() / "closed", std::filesystem::perms::owner_all);

    EXPECT_NE(outcome.err.find("closed/"), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.exitCode, 2);
}

TEST(TreeCheck, ALinkToAFolderIsNotFollowed)
{
    TempDir tree;
    WriteTree(tree);
    std::filesystem::create_directory_symlink(tree.Path() / "c", tree.Path() / "again");
    std::filesystem::create_directory_symlink(tree.Path(), tree.Path() / "a/loop");

    const Outcome outcome = RunCheck({"--recursive", tree.Folder()});

    EXPECT_NE(outcome.out.find("OK: 4, Bad: 1, Missing: 1, Unchecked: 0\n"), std::string::npos) << outcome.out;
}

TEST(TreeCheck, AFolderWithoutListsIsAnError)
{
    TempDir tree;
    std::filesystem::create_directory(tree.Path() / "empty");
    tree.WriteFile("data.bin", "data");

    const Outcome outcome = RunCheck({"--recursive", tree.Folder()});

    EXPECT_NE(outcome.err.find("no checksum lists"), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.exitCode, 2);
}

TEST(TreeCheck, ReportCoversTheWholeTree)
{
    TempDir tree;
    WriteTree(tree);
    const TempDir reports;
    const std::string report = reports.Folder() + "tree.csv";

    const Outcome outcome = RunCheck({"--recursive", "--report", report, tree.Folder()});

    const std::string text = ReadAll(report);
    EXPECT_NE(text.find("a/b/f2,8,BAD,575C5638D60271457E54AB7D07309502,"), std::string::npos) << text;
    EXPECT_NE(text.find("top2,,MISSING,96170874,"), std::string::npos) << text;
    EXPECT_EQ(outcome.exitCode, 1);
}

TEST(ExtraFiles, OneListCoversItsFolderAndTheFoldersItsNamesReach)
{
    TempDir tree;
    tree.WriteFile("album/one", "one\n");
    tree.WriteFile("album/stray", "stray\n");
    tree.WriteFile("album/deeper/unrelated", "not covered\n");
    tree.WriteFile("other/sib", "sib\n");
    tree.WriteFile("other/next", "next\n");
    tree.WriteFile("album/album.sfv", std::string("one ") + kCrcOne + "\n../other/sib A8D6C0FA\n");

    const Outcome outcome = RunCheck({"--extra", tree.Folder() + "album/album.sfv"});

    EXPECT_EQ(outcome.out, "one: OK\n"
                           "../other/sib: OK\n"
                           "stray: NOT LISTED\n"
                           "../other/next: NOT LISTED\n"
                           "OK: 2, Bad: 0, Missing: 0, Unchecked: 0, Not listed: 2\n");
    EXPECT_EQ(outcome.exitCode, 1);
}
