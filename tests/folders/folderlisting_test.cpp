#include "filerecordsort.h"
#include "localzone.h"
#include "folderlisting.h"

#include "rowname.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

void SetWriteTime(const std::string& path, std::time_t seconds, long nanoseconds)
{
    const timespec times[2] = {{seconds, nanoseconds}, {seconds, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

std::vector<std::string> Names(const std::vector<FileRecord>& records)
{
    std::vector<std::string> names;
    for (const FileRecord& record : records) {
        names.push_back(record.name);
    }
    return names;
}

std::vector<std::string> SortedNames(const std::vector<FileRecord>& records)
{
    std::vector<std::string> names = Names(records);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FolderListing, ListsFilesWithHiddenOnesAndSkipsFolders)
{
    const TempDir dir;
    dir.WriteFile("b.txt", "bb");
    dir.WriteFile(".hidden", "h");
    std::filesystem::create_directory(dir.Path() / "sub");
    std::filesystem::create_directory(dir.Path() / ".git");
    std::filesystem::create_directory_symlink(dir.Path() / "sub", dir.Path() / "link-to-sub");
    std::filesystem::create_symlink(dir.Path() / "b.txt", dir.Path() / "link-to-b");

    const std::vector<FileRecord> records = ListFolderFiles(dir.Folder());
    EXPECT_EQ(SortedNames(records), (std::vector<std::string>{".hidden", "b.txt", "link-to-b"}));
    const auto link = std::find_if(records.begin(), records.end(), [](const FileRecord& r) { return r.name == "link-to-b"; });
    EXPECT_EQ(link->size, 2U);
}

TEST(FolderListing, TimeFieldsAndDateTextAreInLocalTime)
{
    const TempDir dir;
    const std::string file = dir.WriteFile("dated.bin", "x");
    SetWriteTime(file, 1015490133, 250'000'000);  // 2002-03-07 08:35:33.250 UTC, a Thursday
    const LocalZone zone("IST-5:30");                 // local time: 14:05:33.250

    const std::vector<FileRecord> records = ListFolderFiles(dir.Folder());
    ASSERT_EQ(records.size(), 1U);
    const FileTimeFields& time = records[0].time;
    EXPECT_EQ(time.year, 2002);
    EXPECT_EQ(time.month, 3);
    EXPECT_EQ(time.dayOfWeek, 4);
    EXPECT_EQ(time.day, 7);
    EXPECT_EQ(time.hour, 14);
    EXPECT_EQ(time.minute, 5);
    EXPECT_EQ(time.second, 33);
    EXPECT_EQ(time.milliseconds, 250);
    EXPECT_EQ(records[0].dateText, "2002/03/07 14:05");
    EXPECT_EQ(records[0].modified, 1015490133);
}

TEST(FolderListing, SizeOfFourGibibytesAndMoreIsKeptWhole)
{
    const TempDir dir;
    const std::string file = dir.WriteFile("huge.bin", "");
    const std::uintmax_t size = (std::uintmax_t{4} << 30) + 5;
    std::filesystem::resize_file(file, size);
    const std::vector<FileRecord> records = ListFolderFiles(dir.Folder());
    ASSERT_EQ(records.size(), 1U);
    EXPECT_EQ(records[0].size, size);
}

TEST(FolderListing, VanishedOrUnreadableFolderGivesNoFiles)
{
    const TempDir dir;
    EXPECT_TRUE(ListFolderFiles(dir.Folder() + "gone/").empty());
    EXPECT_TRUE(ListFolderFiles(dir.WriteFile("plain.txt", "not a folder")).empty());
    if (::geteuid() != 0) {  // permissions do not stop root
        std::filesystem::create_directory(dir.Path() / "locked");
        dir.WriteFile("locked/a.txt", "a");
        ::chmod((dir.Folder() + "locked").c_str(), 0);
        EXPECT_TRUE(ListFolderFiles(dir.Folder() + "locked/").empty());
    }
}

TEST(FolderListing, KeepsAllOfSixtyThousandFiles)
{
    const TempDir dir;
    constexpr int kFiles = 60'000;
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = dir.Folder() + "f" + std::to_string(i);
        const int descriptor = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        ASSERT_GE(descriptor, 0);
        ::close(descriptor);
    }
    const std::vector<FileRecord> records = ListFolderFiles(dir.Folder());
    ASSERT_EQ(records.size(), static_cast<std::size_t>(kFiles));
    const std::vector<std::string> names = Names(records);
    const std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), static_cast<std::size_t>(kFiles));
}

FileRecord Record(const char* name, std::uint64_t size, const char* date)
{
    FileRecord record;
    record.name = name;
    record.size = size;
    record.dateText = date;
    return record;
}

std::vector<FileRecord> SortSample()
{
    return {Record("beta.txt", 300, "2020/01/02 10:00"), Record("Alpha.txt", 5'000'000'000, "2019/12/31 23:59"),
            Record("_under", 10, "2021/06/01 08:30"), Record("gamma", 20, "2020/01/02 09:59"),
            Record("\xc3\xa9t\xc3\xa9", 40, "2000/01/01 00:00")};
}

struct SortCase {
    const char* name;
    int column;
    std::vector<std::string> expected;
};

class SortFileRecordsTest : public testing::TestWithParam<SortCase> {};

TEST_P(SortFileRecordsTest, SortsAscendingAndTheSameWayAgain)
{
    const SortCase& row = GetParam();
    std::vector<FileRecord> records = SortSample();
    ASSERT_TRUE(SortFileRecords(records, row.column).has_value());
    EXPECT_EQ(Names(records), row.expected);
    ASSERT_TRUE(SortFileRecords(records, row.column).has_value());
    EXPECT_EQ(Names(records), row.expected);
}

// Name: natural order over lower-cased bytes, so '_' (0x5F) goes before the letters
// and the UTF-8 lead byte (0xC3) after them. Size: full 64-bit values. Date: the texts.
INSTANTIATE_TEST_SUITE_P(
    Columns, SortFileRecordsTest,
    testing::Values(SortCase{"Name", 0, {"_under", "Alpha.txt", "beta.txt", "gamma", "\xc3\xa9t\xc3\xa9"}},
                    SortCase{"Size", 1, {"_under", "gamma", "\xc3\xa9t\xc3\xa9", "beta.txt", "Alpha.txt"}},
                    SortCase{"Date", 2, {"\xc3\xa9t\xc3\xa9", "Alpha.txt", "gamma", "beta.txt", "_under"}}),
    RowName{});

TEST(SortFileRecords, GivesTheFormerRowOfEachNewRow)
{
    std::vector<FileRecord> records = SortSample();
    const std::vector<FileRecord> before = records;
    const auto order = SortFileRecords(records, 1);
    ASSERT_TRUE(order.has_value());
    ASSERT_EQ(order->size(), before.size());
    for (std::size_t row = 0; row < records.size(); ++row) {
        EXPECT_EQ(records[row].name, before[(*order)[row]].name);
    }
}

TEST(SortFileRecords, OtherColumnChangesNothing)
{
    std::vector<FileRecord> records = SortSample();
    EXPECT_FALSE(SortFileRecords(records, 3).has_value());
    EXPECT_FALSE(SortFileRecords(records, -1).has_value());
    EXPECT_EQ(Names(records), Names(SortSample()));
}

}  // namespace
