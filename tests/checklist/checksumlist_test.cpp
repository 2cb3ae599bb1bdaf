#include "checksumlist.h"
#include "entrytraits.h"
#include "sizetext.h"
#include "listmessages.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <string>
#include <utility>
#include <vector>

namespace {

ChecksumListContent ThreeRowContent()
{
    ChecksumListContent content;
    content.listPath = "/lists/set.sfv";
    content.baseFolder = "/lists/";
    content.kind = ListKind::Sfv;
    content.totalBytes = 4096;
    content.sizeType = kSizeTypeAuto;
    content.rows.Append("a.bin", "0000000A");
    content.rows.Append("", "");
    content.rows.Append("sub\\c.bin", "0000000C");
    content.sizes = {4096, kSizeNotFound, kSizeNotFound};
    return content;
}

TEST(ChecksumListTest, StartsEmptyAndStopped)
{
    const ChecksumList list;
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.Kind(), ListKind::None);
    EXPECT_EQ(list.GetRunState(), RunState::Stopped);
    EXPECT_EQ(list.TotalBytes(), 0u);
    EXPECT_EQ(list.GetCounters(), (Counters{0, 0, 0, 0}));
}

TEST(ChecksumListTest, ReplaceResetsEverythingALoadSets)
{
    ChecksumList list;
    list.Replace(ThreeRowContent());
    ASSERT_TRUE(list.SetRowStatus(0, 3));
    list.SetRowSelected(1, true);
    list.SetCounters(1, 1, 1, 0);
    list.SetRunState(RunState::Paused);
    list.SetBytesDone(100);
    list.SetCurrentIndex(2);
    list.SetRowSize(0, 5);

    list.Replace(ThreeRowContent());

    EXPECT_EQ(list.ListPath(), "/lists/set.sfv");
    EXPECT_EQ(list.BaseFolder(), "/lists/");
    EXPECT_EQ(list.Kind(), ListKind::Sfv);
    EXPECT_EQ(list.TotalBytes(), 4096u);
    ASSERT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.RowName(1), "");
    EXPECT_EQ(list.RowName(2), "sub\\c.bin");
    EXPECT_EQ(list.SizeText(0), "4 KB");
    EXPECT_EQ(list.ExpectedChecksum(2), "0000000C");
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.RowStatus(row), EntryStatus::Unchecked) << row;
        EXPECT_FALSE(list.IsRowSelected(row)) << row;
    }
    EXPECT_EQ(list.SelectedCount(), 0);
    EXPECT_EQ(list.GetCounters(), (Counters{0, 0, 0, 3}));
    EXPECT_EQ(list.GetRunState(), RunState::Stopped);
    EXPECT_EQ(list.BytesDone(), 0u);
    EXPECT_EQ(list.CurrentIndex(), 0);
}

TEST(ChecksumListTest, ReplaceWithNoRowsGivesZeroCounters)
{
    ChecksumList list;
    list.Replace(ThreeRowContent());
    list.Replace(ChecksumListContent{});
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.GetCounters(), (Counters{0, 0, 0, 0}));
}

struct StatusCase {
    const char* name;
    int row;
    int status;
    bool accepted;
};

class SetRowStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(SetRowStatusTest, SetsOnlyKnownStatusesOfExistingRows)
{
    const StatusCase& row = GetParam();
    ChecksumList list;
    list.Replace(ThreeRowContent());
    ASSERT_TRUE(list.SetRowStatus(1, static_cast<int>(EntryStatus::Checking)));

    EXPECT_EQ(list.SetRowStatus(row.row, row.status), row.accepted);

    const EntryStatus expected = row.accepted ? static_cast<EntryStatus>(row.status) : EntryStatus::Checking;
    EXPECT_EQ(list.RowStatus(1), expected);
    EXPECT_EQ(list.RowStatus(0), EntryStatus::Unchecked);
    EXPECT_EQ(list.RowStatus(2), EntryStatus::Unchecked);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, SetRowStatusTest,
    testing::Values(StatusCase{"Unchecked", 1, 0, true}, StatusCase{"Bad", 1, 2, true},
                    StatusCase{"OK", 1, 3, true}, StatusCase{"Missing", 1, 4, true},
                    StatusCase{"AboveRange", 1, 5, false}, StatusCase{"Negative", 1, -1, false},
                    StatusCase{"RowBeyondEnd", 3, 3, false}, StatusCase{"NegativeRow", -1, 3, false}),
    RowName{});

TEST(ChecksumListTest, SetCountersStoresNegativeValuesAsZero)
{
    ChecksumList list;
    list.SetCounters(-3, 2, 0, 7);
    EXPECT_EQ(list.GetCounters(), (Counters{0, 2, 0, 7}));
    list.SetCounters(4, -1, -2147483647 - 1, -5);
    EXPECT_EQ(list.GetCounters(), (Counters{4, 0, 0, 0}));
}

TEST(ChecksumListTest, StatusBarTextsNameEachCounter)
{
    const std::array<std::string, 4> expected{"OK: 0", "Bad: 2", "Missing: 0", "Unchecked: 7"};
    EXPECT_EQ(StatusBarTexts(Counters{0, 2, 0, 7}), expected);
}

TEST(ChecksumListTest, SelectionCountFollowsChanges)
{
    ChecksumList list;
    list.Replace(ThreeRowContent());
    list.SetRowSelected(0, true);
    list.SetRowSelected(2, true);
    list.SetRowSelected(2, true);
    list.SetRowSelected(5, true);
    EXPECT_EQ(list.SelectedCount(), 2);
    list.SetRowSelected(0, false);
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_TRUE(list.IsRowSelected(2));
    list.ClearSelection();
    EXPECT_EQ(list.SelectedCount(), 0);
    EXPECT_FALSE(list.IsRowSelected(2));
}

TEST(ChecksumListTest, SizeTextsFollowTheSizeModeAndTheLatestSize)
{
    ChecksumList list;
    list.Replace(ThreeRowContent());
    EXPECT_EQ(list.SizeText(0), "4 KB");
    EXPECT_EQ(list.SizeText(1), kNotFoundText);
    list.SetSizeType(kSizeTypeBytes);
    EXPECT_EQ(list.SizeText(0), "4,096");
    list.SetRowSize(1, 12);
    list.SetRowSize(0, kSizeNotFound);
    EXPECT_EQ(list.SizeText(1), "12");
    EXPECT_EQ(list.SizeText(0), kNotFoundText);
    list.Replace(ThreeRowContent());
    EXPECT_EQ(list.SizeText(0), "4 KB") << "a load brings its own size mode";
}

TEST(ChecksumListTest, ReadErrorsLastUntilTheRowIsCheckedAgainOrReloaded)
{
    ChecksumList list;
    list.Replace(ThreeRowContent());
    EXPECT_TRUE(list.RowsWithReadError().empty());
    list.SetRowReadError(2, EACCES);
    list.SetRowReadError(0, EIO);
    list.SetRowReadError(7, EIO);  // no such row
    list.SetRowStatus(2, static_cast<int>(EntryStatus::Missing));
    EXPECT_EQ(list.RowsWithReadError(), (std::vector{0, 2})) << "in list order";
    EXPECT_EQ(list.RowReadErrorText(2), "Permission denied") << "a verdict keeps it";
    EXPECT_EQ(list.RowReadErrorText(1), "");
    list.SetRowStatus(2, static_cast<int>(EntryStatus::Checking));
    list.SetRowStatus(0, static_cast<int>(EntryStatus::Unchecked));
    EXPECT_TRUE(list.RowsWithReadError().empty());
    list.SetRowReadError(1, EIO);
    list.Replace(ThreeRowContent());
    EXPECT_EQ(list.RowReadError(1), 0);
}

TEST(ChecksumListTest, FoundChecksumsLastUntilTheRowIsCheckedAgainOrReloaded)
{
    ChecksumList list;
    ChecksumListContent content = ThreeRowContent();
    content.kind = ListKind::Md5;
    content.rowTraits = {entrytraits::Make(DigestAlgorithm::Md5, false, false),
                         entrytraits::Make(DigestAlgorithm::Sha512, false, false),
                         entrytraits::Make(DigestAlgorithm::Md5, false, false)};
    list.Replace(std::move(content));
    const std::string sha512(128, 'e');
    list.SetFoundChecksum(0, "d41d8cd98f00b204e9800998ecf8427e");
    list.SetFoundChecksum(1, sha512);
    list.SetFoundChecksum(2, "not hex at all!!");
    list.SetFoundChecksum(5, "00");
    EXPECT_EQ(list.FoundChecksum(0), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(list.FoundChecksum(1), std::string(128, 'E')) << "room for the longest digest of any row";
    EXPECT_EQ(list.FoundChecksum(2), "");
    EXPECT_EQ(list.FoundChecksum(5), "");
    list.SetRowStatus(0, static_cast<int>(EntryStatus::Bad));
    EXPECT_EQ(list.FoundChecksum(0), "D41D8CD98F00B204E9800998ECF8427E") << "a verdict keeps it";
    list.SetRowStatus(0, static_cast<int>(EntryStatus::Checking));
    list.SetRowStatus(1, static_cast<int>(EntryStatus::Unchecked));
    EXPECT_EQ(list.FoundChecksum(0), "");
    EXPECT_EQ(list.FoundChecksum(1), "");
    list.SetFoundChecksum(0, "00112233445566778899AABBCCDDEEFF");
    list.Replace(ThreeRowContent());
    EXPECT_EQ(list.FoundChecksum(0), "");
    list.SetFoundChecksum(0, "CBF43926");
    list.SetFoundChecksum(2, "00112233445566778899AABBCCDDEEFF");
    EXPECT_EQ(list.FoundChecksum(0), "CBF43926");
    EXPECT_EQ(list.FoundChecksum(2), "") << "an SFV list's rows hold CRC-32s";
}

TEST(ChecksumListTest, RowsOutOfRangeReadAsEmpty)
{
    ChecksumList list;
    list.Replace(ThreeRowContent());
    list.SetRowSize(3, 5);
    EXPECT_EQ(list.RowName(3), "");
    EXPECT_EQ(list.SizeText(-1), "");
    EXPECT_EQ(list.ExpectedChecksum(3), "");
    EXPECT_EQ(list.RowStatus(7), EntryStatus::Unchecked);
}

TEST(ListMessagesTest, GiveTheFixedTextsWithThePath)
{
    EXPECT_EQ(UnknownFileTypeMessage("/d/x.txt"), "Unknow file type: [/d/x.txt].");
    EXPECT_EQ(OpenFailedMessage("/d/x.sfv"), "Open [/d/x.sfv] failed.");
}

}  // namespace
