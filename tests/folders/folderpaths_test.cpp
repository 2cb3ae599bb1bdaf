#include "folderpaths.h"

#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FolderPaths, CurrentFolderEndsInOneSlash)
{
    EXPECT_EQ(CurrentFolderOf("/"), "/");
    EXPECT_EQ(CurrentFolderOf("/home/ann"), "/home/ann/");
    EXPECT_EQ(CurrentFolderOf("/home/ann/"), "/home/ann/");
}

TEST(FolderPaths, PathExistsForFilesAndFoldersWithOrWithoutSlash)
{
    const TempDir dir;
    const std::string file = dir.WriteFile("a.txt", "a");
    EXPECT_TRUE(PathExists("/"));
    EXPECT_TRUE(PathExists(dir.Folder()));
    EXPECT_TRUE(PathExists(dir.Path().string()));
    EXPECT_TRUE(PathExists(file));
    EXPECT_FALSE(PathExists(dir.Folder() + "missing"));
    EXPECT_FALSE(PathExists(dir.Folder() + "a.txt/more"));
    EXPECT_FALSE(PathExists(""));
}

TEST(FolderPaths, PathExistsWhenItsNamesDifferOnlyInCase)
{
    const TempDir dir;
    std::filesystem::create_directories(dir.Path() / "Music/Jazz");
    dir.WriteFile("Music/Jazz/Take Five.flac", "");
    EXPECT_TRUE(PathExists(dir.Folder() + "MUSIC/jazz/"));
    EXPECT_TRUE(PathExists(dir.Folder() + "music/JAZZ/take five.FLAC"));
    EXPECT_FALSE(PathExists(dir.Folder() + "music/Blues"));
}

TEST(FolderPaths, SplitTypedPathDropsEmptyNames)
{
    const TypedPath absolute = SplitTypedPath("/home//ann/Music/");
    EXPECT_TRUE(absolute.absolute);
    EXPECT_EQ(absolute.components, (std::vector<std::string>{"home", "ann", "Music"}));
    const TypedPath relative = SplitTypedPath("Music/Jazz");
    EXPECT_FALSE(relative.absolute);
    EXPECT_EQ(relative.components, (std::vector<std::string>{"Music", "Jazz"}));
    EXPECT_TRUE(SplitTypedPath("/").components.empty());
}

TEST(FolderPaths, FolderLabelMatchesExactCaseFirstThenAnyCase)
{
    const std::vector<std::string> labels{"music", "Music", "Photos"};
    EXPECT_EQ(FindFolderLabel(labels, "Music"), 1U);
    EXPECT_EQ(FindFolderLabel(labels, "music"), 0U);
    EXPECT_EQ(FindFolderLabel(labels, "MUSIC"), 0U);
    EXPECT_EQ(FindFolderLabel(labels, "photos"), 2U);
    EXPECT_FALSE(FindFolderLabel(labels, "Video").has_value());
}

}  // namespace
