// The folder walk reads folders ahead on other threads: what it reports must still be
// the in-order walk of the tree, whatever the threads did first. Also run under TSan.

#include "folderreadahead.h"
#include "tempdir.h"
#include "treewalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Walked {
    std::vector<std::string> files;     // paths below the root, in walk order
    std::vector<std::string> problems;  // path and errno
};

Walked Walk(const std::string& root, bool hidden = false,
            const std::function<void(const TreeFile&)>& alsoOnFile = {})
{
    Walked walked;
    WalkTree(
        root, TreeWalkOptions{hidden},
        [&](const TreeFile& file) {
            EXPECT_TRUE(S_ISREG(file.status.st_mode)) << file.path;
            EXPECT_EQ(file.path, root + std::string(file.relative));
            walked.files.emplace_back(file.relative);
            if (alsoOnFile) {
                alsoOnFile(file);
            }
        },
        [&](const TreeProblem& problem) { walked.problems.push_back(problem.path + " " + std::to_string(problem.error)); });
    return walked;
}

// The walk's order by another way: names sorted byte-wise in each folder, a folder's
// files and sub-folders interleaved, links to folders not followed.
void Expected(const fs::path& folder, const std::string& below, std::vector<std::string>& out)
{
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const fs::path path = folder / name;
        std::error_code error;
        if (name.front() == '.') {
            continue;
        }
        if (fs::is_directory(fs::symlink_status(path))) {
            Expected(path, below + name + "/", out);
        } else if (fs::is_regular_file(fs::status(path, error))) {
            out.push_back(below + name);
        }
    }
}

// More folders than are ever read ahead, so the walk waits on, takes over from and
// overtakes the helpers, with every kind of entry among them.
TEST(TreeWalk, ManyFoldersComeInTheOrderOfAWalkOnOneThread)
{
    TempDir dir;
    const std::size_t folders = FolderReadAhead::kMaxReadAhead + 200;
    for (std::size_t i = 0; i < folders; ++i) {
        const std::string folder = "d" + std::to_string(i % 40) + "/e" + std::to_string(i) + "/";
        fs::create_directories(dir.Path() / folder);
        dir.WriteFile(folder + "f" + std::to_string(i % 3), "x");
        if (i % 97 == 0) {
            dir.WriteFile(folder + ".hidden", "h");
            fs::create_symlink(dir.Path() / "d0", dir.Path() / (folder + "link-to-folder"));
            fs::create_symlink(dir.Path() / (folder + "f" + std::to_string(i % 3)), dir.Path() / (folder + "link-to-file"));
            fs::create_symlink(dir.Path() / "nothing", dir.Path() / (folder + "dangling"));
        }
    }
    dir.WriteFile("top", "t");
    std::vector<std::string> expected;
    Expected(dir.Path(), "", expected);
    ASSERT_GT(expected.size(), folders);

    const Walked walked = Walk(dir.Folder());
    EXPECT_EQ(walked.files, expected);
    EXPECT_TRUE(walked.problems.empty()) << walked.problems.front();
    // Hidden names are walked only when asked for.
    EXPECT_EQ(Walk(dir.Folder(), true).files.size(), expected.size() + (folders + 96) / 97);
}

// Folders removed while the walk runs, after a helper may have read them or not: no
// problem is reported, and the files that stay come in order.
TEST(TreeWalk, FoldersRemovedDuringTheWalkAreGoneWithoutAProblem)
{
    TempDir dir;
    for (int i = 0; i < 300; ++i) {
        const std::string folder = "a" + std::to_string(1000 + i) + "/sub/";
        fs::create_directories(dir.Path() / folder);
        dir.WriteFile(folder + "f", "x");
    }
    dir.WriteFile("a0", "first");
    const Walked walked = Walk(dir.Folder(), false, [&](const TreeFile& file) {
        if (file.relative == "a0") {
            for (int i = 0; i < 300; i += 2) {
                fs::remove_all(dir.Path() / ("a" + std::to_string(1000 + i)));
            }
        }
    });
    EXPECT_TRUE(walked.problems.empty()) << walked.problems.front();
    ASSERT_GE(walked.files.size(), 151u);
    EXPECT_EQ(walked.files.front(), "a0");
    EXPECT_TRUE(std::is_sorted(walked.files.begin(), walked.files.end()));
    for (int i = 1; i < 300; i += 2) {
        EXPECT_NE(std::find(walked.files.begin(), walked.files.end(), "a" + std::to_string(1000 + i) + "/sub/f"),
                  walked.files.end());
    }
}

TEST(TreeWalk, AMissingRootIsAProblemOfTheFolder)
{
    TempDir dir;
    const Walked walked = Walk(dir.Folder() + "gone/");
    EXPECT_TRUE(walked.files.empty());
    EXPECT_EQ(walked.problems, std::vector<std::string>{dir.Folder() + "gone/ " + std::to_string(ENOENT)});
}

}  // namespace
