// tallyfox-create over a tree: one list of every file beneath a folder, one list per
// folder, and hidden files.

#include "tempdir.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

Outcome RunCreate(std::vector<std::string> args)
{
    const TempDir output;  // stdout and stderr land outside the tree
    return ToolProcess(TALLYFOX_CREATE_PATH, output, std::move(args)).Wait();
}

// The entry names of an MD5 list, one per line, in order.
std::string NamesOf(const std::string& list)
{
    const std::string text = ReadAll(list);
    std::string names;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        names += text.substr(at + 34, end - at - 34) + "\n";
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return names;
}

void WriteTree(const TempDir& tree)
{
    tree.WriteFile("album/a.flac", "a");
    tree.WriteFile("album/cd2/b.flac", "b");
    tree.WriteFile("album/cd2/.cover.jpg", "cover");
    tree.WriteFile("album/.thumbs/t.jpg", "thumb");
    tree.WriteFile("notes.txt", "notes");
    std::filesystem::create_directory(tree.Path() / "empty");
}

}  // namespace

TEST(CreateTree, HiddenFilesAndFoldersAreListedOnlyWhenAsked)
{
    struct Case {
        const char* name;
        std::vector<std::string> options;
        const char* names;
    };
    const Case cases[] = {
        {"without --hidden", {}, "album/a.flac\nalbum/cd2/b.flac\nnotes.txt\n"},
        {"with --hidden", {"--hidden"},
         "album/.thumbs/t.jpg\nalbum/a.flac\nalbum/cd2/.cover.jpg\nalbum/cd2/b.flac\nnotes.txt\n"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        TempDir tree;
        WriteTree(tree);
        std::vector<std::string> args{"--md5", "-o", tree.Folder() + "all.md5"};
        args.insert(args.end(), test.options.begin(), test.options.end());
        args.push_back(tree.Folder());

        EXPECT_EQ(RunCreate(args).exitCode, 0);
        EXPECT_EQ(NamesOf(tree.Folder() + "all.md5"), test.names);
    }
}

TEST(CreateTree, PerFolderWritesAListInEachFolderThatHoldsFiles)
{
    TempDir tree;
    WriteTree(tree);

    const Outcome outcome = RunCreate({"--md5", "--per-folder", "-o", "files.md5", tree.Folder()});

    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_EQ(NamesOf(tree.Folder() + "files.md5"), "notes.txt\n");
    EXPECT_EQ(NamesOf(tree.Folder() + "album/files.md5"), "a.flac\n");
    EXPECT_EQ(NamesOf(tree.Folder() + "album/cd2/files.md5"), "b.flac\n");
    EXPECT_FALSE(std::filesystem::exists(tree.Path() / "empty/files.md5"));
    EXPECT_FALSE(std::filesystem::exists(tree.Path() / "album/.thumbs/files.md5"));
    // Each verifies with md5sum where it lies.
    const std::string check = "cd '" + tree.Folder() + "album/cd2' && md5sum --strict --quiet -c files.md5";
    EXPECT_EQ(std::system(check.c_str()), 0);
}

TEST(CreateTree, PerFolderListsAreNamedAfterTheirFoldersUnlessNamed)
{
    TempDir tree;
    WriteTree(tree);

    EXPECT_EQ(RunCreate({"--sfv", "--per-folder", tree.Folder() + "album"}).exitCode, 0);

    EXPECT_TRUE(std::filesystem::exists(tree.Path() / "album/album.sfv"));
    EXPECT_TRUE(std::filesystem::exists(tree.Path() / "album/cd2/cd2.sfv"));
    EXPECT_EQ(RunCreate({"--sfv", "--per-folder", "-o", "sub/x.sfv", tree.Folder()}).exitCode, 2);
}
