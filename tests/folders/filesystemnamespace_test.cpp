#include "filesystemnamespace.h"

#include "tempdir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Labels(const std::vector<FolderItem>& items)
{
    std::vector<std::string> labels;
    for (const FolderItem& item : items) {
        labels.push_back(item.label);
    }
    return labels;
}

std::vector<std::string> Paths(const std::vector<FolderItem>& items)
{
    std::vector<std::string> paths;
    for (const FolderItem& item : items) {
        paths.push_back(item.path);
    }
    return paths;
}

class FileSystemNamespaceTest : public testing::Test {
protected:
    std::string Make(const std::string& relative) const
    {
        const std::filesystem::path path = m_dir.Path() / relative;
        std::filesystem::create_directories(path);
        return path.string();
    }

    TempDir m_dir;
};

TEST_F(FileSystemNamespaceTest, RootsAreSlashHomeDesktopThenUserMounts)
{
    const std::string home = Make("home");
    const std::string desktop = Make("home/Schreibtisch");
    const std::string share = Make("home/Net Share");  // a mount inside home counts as a user's
    const std::string mountinfo = m_dir.WriteFile(
        "mountinfo",
        "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
        "23 22 0:5 / /proc rw - proc proc rw\n"
        "24 22 8:2 / " + m_dir.Folder() + "home/Net\\040Share rw - cifs //server/share rw\n"
        "25 22 0:6 / /run/user/1000 rw - tmpfs tmpfs rw\n");
    const FileSystemNamespace space(UserPlaces{home, desktop, mountinfo});

    const std::vector<FolderItem> roots = space.Roots();
    EXPECT_EQ(Paths(roots), (std::vector<std::string>{"/", home, desktop, share}));
    EXPECT_EQ(Labels(roots), (std::vector<std::string>{"/", "Home", "Schreibtisch", "Net Share"}));
}

TEST_F(FileSystemNamespaceTest, NoDesktopRootWhenTheFolderIsMissing)
{
    const std::string home = Make("home");
    const FileSystemNamespace space(UserPlaces{home, home + "/Desktop", m_dir.Folder() + "no-mountinfo"});
    EXPECT_EQ(Paths(space.Roots()), (std::vector<std::string>{"/", home}));
}

TEST_F(FileSystemNamespaceTest, ChildFoldersSkipFilesAndHiddenFoldersAndFollowLinks)
{
    Make("top/alpha");
    Make("top/Beta/inner");
    Make("top/.hidden");
    m_dir.WriteFile("top/file.txt", "x");
    std::filesystem::create_directory_symlink(m_dir.Path() / "top/alpha", m_dir.Path() / "top/link-to-alpha");
    const FileSystemNamespace space(UserPlaces{});

    std::vector<std::string> labels = Labels(space.ChildFolders({m_dir.Folder() + "top", "top"}));
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, (std::vector<std::string>{"Beta", "alpha", "link-to-alpha"}));
    EXPECT_EQ(Paths(space.ChildFolders({m_dir.Folder() + "top/Beta", "Beta"})),
              (std::vector<std::string>{m_dir.Folder() + "top/Beta/inner"}));
}

TEST_F(FileSystemNamespaceTest, UnreadableOrVanishedFolderHasNoChildrenButStillOpens)
{
    const FileSystemNamespace space(UserPlaces{});
    const FolderItem vanished{m_dir.Folder() + "gone", "gone"};
    EXPECT_TRUE(space.ChildFolders(vanished).empty());
    EXPECT_FALSE(space.Attributes(vanished).hasSubFolders);
    EXPECT_TRUE(space.OpenAsFolder(vanished));

    if (::geteuid() != 0) {  // permissions do not stop root; runs again unprivileged under CTest
        const std::string locked = Make("locked/inner");
        ::chmod((m_dir.Folder() + "locked").c_str(), 0);
        const FolderItem item{m_dir.Folder() + "locked", "locked"};
        EXPECT_TRUE(space.ChildFolders(item).empty());
        EXPECT_FALSE(space.Attributes(item).hasSubFolders);
    }
}

TEST_F(FileSystemNamespaceTest, HasSubFoldersCountsOnlyVisibleFolders)
{
    Make("files-only");
    m_dir.WriteFile("files-only/a.txt", "a");
    Make("hidden-only/.git");
    Make("with-sub/sub");
    EXPECT_FALSE(HasSubFolders(m_dir.Folder() + "files-only", 100));
    EXPECT_FALSE(HasSubFolders(m_dir.Folder() + "hidden-only", 100));
    EXPECT_TRUE(HasSubFolders(m_dir.Folder() + "with-sub", 100));
}

TEST_F(FileSystemNamespaceTest, HasSubFoldersAnswersYesPastItsEntryLimitWithoutScanning)
{
    Make("many");
    for (int i = 0; i < 20; ++i) {
        m_dir.WriteFile("many/f" + std::to_string(i), "");
    }
    EXPECT_FALSE(HasSubFolders(m_dir.Folder() + "many", 100));
    EXPECT_TRUE(HasSubFolders(m_dir.Folder() + "many", 5));
}

TEST_F(FileSystemNamespaceTest, AttributesOrderAndPathOfAFolder)
{
    const std::string folder = Make("disc 10");
    const FileSystemNamespace space(UserPlaces{});
    const FolderItem item{folder, "disc 10"};
    const FolderAttributes attributes = space.Attributes(item);
    EXPECT_TRUE(attributes.folder);
    EXPECT_TRUE(attributes.fileSystem);
    EXPECT_EQ(space.FileSystemPath(item), folder);
    EXPECT_EQ(space.DisplayName(item), "disc 10");
    EXPECT_LT(space.Compare({"", "Disc 2"}, item), 0);
    EXPECT_FALSE(space.FileSystemPath({"", "virtual"}).has_value());
    EXPECT_FALSE(space.Attributes({"", "virtual"}).fileSystem);
}

}  // namespace
