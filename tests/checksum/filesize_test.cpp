#include "filesize.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::uint64_t kUntouched = 0xDEADBEEFu;

TEST(QueryFileSize, PresentFilesGiveTheirSize)
{
    const TempDir dir;
    std::uint64_t size = kUntouched;
    EXPECT_TRUE(QueryFileSize(dir.WriteFile("empty", ""), size));
    EXPECT_EQ(size, 0u);
    EXPECT_TRUE(QueryFileSize(dir.WritePatternFile("small", 250), size));
    EXPECT_EQ(size, 250u);
}

TEST(QueryFileSize, FiveGibibyteSparseFileNeedsAll64Bits)
{
    const TempDir dir;
    const std::string path = dir.Folder() + "sparse.bin";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const bool grown = ::ftruncate(fd, off_t{5} * 1024 * 1024 * 1024) == 0;
    ::close(fd);
    ASSERT_TRUE(grown);
    std::uint64_t size = 0;
    EXPECT_TRUE(QueryFileSize(path, size));
    EXPECT_EQ(size, 5368709120u);
}

TEST(QueryFileSize, AbsentOrNonFilesFailAndLeaveTheSizeAlone)
{
    const TempDir dir;
    std::filesystem::create_directory(dir.Path() / "folder");
    for (const std::string& path : {dir.Folder() + "vanished.bin", dir.Folder() + "folder", std::string()}) {
        std::uint64_t size = kUntouched;
        EXPECT_FALSE(QueryFileSize(path, size)) << "'" << path << "'";
        EXPECT_EQ(size, kUntouched) << "'" << path << "'";
    }
}

TEST(QueryFileSize, UnreadableFileCountsAsAbsent)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads files whatever their mode; runs again unprivileged under CTest";
    }
    const TempDir dir;
    const std::string path = dir.WritePatternFile("locked.bin", 100);
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    std::uint64_t size = kUntouched;
    EXPECT_FALSE(QueryFileSize(path, size));
    EXPECT_EQ(size, kUntouched);
}

}  // namespace
