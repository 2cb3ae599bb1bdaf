// Which files are lists in a folder of lists, and how their entries are named there.

#include "treelists.h"

#include <gtest/gtest.h>

TEST(TreeLists, ListsAreKnownByTheirNames)
{
    struct Case {
        const char* name;
        bool list;
    };
    const Case cases[] = {
        {"album.sfv", true},     {"ALBUM.SFV", true},  {"files.md5", true},     {"x.sha1", true},
        {"x.sha256", true},      {"x.SHA512", true},   {"x.sha3-256", true},    {"x.b2", true},
        {"x.b3", true},          {"SHA256SUMS", true}, {"B2SUMS", true},        {"MD5SUMS", true},
        {"SUMS", false},         {"albums", false},    {"x.shadow", false},     {"x.sha", false},
        {"readme.txt", false},   {".sfv", false},      {"photo.b2z", false},    {"checksums", false},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(IsListFileName(test.name), test.list) << test.name;
    }
}

TEST(TreeLists, EntryNamesAreRelativeToTheTreesFolder)
{
    struct Case {
        const char* why;
        const char* listFolder;
        const char* name;
        const char* treeName;
    };
    const Case cases[] = {
        {"a list in the root", "", "a.bin", "a.bin"},
        {"two levels down", "a/b/", "f.bin", "a/b/f.bin"},
        {"a sub-folder of the list's", "a/", "sub/f.bin", "a/sub/f.bin"},
        {"a sibling folder", "a/b/", "../c/f.bin", "a/c/f.bin"},
        {"two folders up", "a/b/", "../../c/f.bin", "c/f.bin"},
        {"above the tree's folder", "a/", "../../x.bin", "../x.bin"},
        {"an absolute name", "a/", "/srv/f.bin", "/srv/f.bin"},
        {"a '..' within the name stays", "a/", "sub/../f.bin", "a/sub/../f.bin"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(TreeEntryName(test.listFolder, test.name), test.treeName) << test.why;
    }
}
