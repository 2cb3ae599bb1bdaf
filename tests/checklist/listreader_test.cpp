#include "checksumlist.h"
#include "listreader.h"
#include "sizetext.h"

#include "tempdir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

LoadOutcome Load(const std::string& path, int sizeType = kSizeTypeAuto)
{
    const ListKindDetection detection = DetectListKind(path);
    return LoadChecksumList(path, detection.baseFolder, detection.kind, sizeType);
}

std::vector<std::string> Checksums(const LoadOutcome& outcome)
{
    std::vector<std::string> checksums;
    for (std::size_t row = 0; row < outcome.content.names.size(); ++row) {
        checksums.push_back(outcome.content.expected.At(row));
    }
    return checksums;
}

TEST(LoadChecksumListTest, ReadsEntriesAndSkipsCommentsAndBlankLines)
{
    const TempDir dir;
    const std::string path = dir.WriteFile("set.sfv", "a.bin 00000001\r\n  ; a note\r\n\r\nb c.bin ffffffff\r\n");
    const LoadOutcome outcome = Load(path);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(outcome.content.names, (Names{"a.bin", "b c.bin"}));
    EXPECT_EQ(Checksums(outcome), (Names{"00000001", "FFFFFFFF"}));
    EXPECT_EQ(outcome.content.listPath, path);
    EXPECT_EQ(outcome.content.baseFolder, dir.Folder());
    EXPECT_EQ(outcome.content.kind, ListKind::Sfv);

    ChecksumList list;
    list.Replace(outcome.content);
    EXPECT_EQ(list.RowCount(), 2);
    EXPECT_EQ(list.GetCounters(), (Counters{0, 0, 0, 2}));
}

TEST(LoadChecksumListTest, CommentAndBlankLinesOnlyGiveAnEmptyList)
{
    const TempDir dir;
    const std::string path = dir.WriteFile("notes.sfv", "; first\r\n\r\n \t \r\n;second\n\n");
    const LoadOutcome outcome = Load(path);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(outcome.EntryCount(), 0);

    ChecksumList list;
    list.Replace(outcome.content);
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_EQ(list.GetCounters(), (Counters{0, 0, 0, 0}));
}

TEST(LoadChecksumListTest, EveryBreakStyleGivesTheSameEntries)
{
    for (const char* lineBreak : {"\r", "\n", "\r\n"}) {
        const TempDir dir;
        const std::string text = std::string("a.bin 1") + lineBreak + "b.bin 2" + lineBreak + "c.bin 3";
        const LoadOutcome outcome = Load(dir.WriteFile("set.sfv", text));
        EXPECT_EQ(outcome.content.names, (Names{"a.bin", "b.bin", "c.bin"})) << "break bytes " << static_cast<int>(lineBreak[0]);
    }
}

TEST(LoadChecksumListTest, SizeTextsAndTotalBytesComeFromTheFilesFound)
{
    const TempDir dir;
    dir.WritePatternFile("a.bin", 3);
    dir.WritePatternFile("sub/b.bin", 2000);
    const std::string path = dir.WriteFile("set.sfv", "a.bin 1\r\nsub\\b.bin 2\r\nmissing.bin 3\r\n");

    const LoadOutcome automatic = Load(path, kSizeTypeAuto);
    ASSERT_EQ(automatic.status, LoadStatus::Loaded);
    EXPECT_EQ(automatic.content.names, (Names{"a.bin", "sub\\b.bin", "missing.bin"})) << "names stay as written";
    EXPECT_EQ(automatic.content.sizeTexts, (Names{"3 bytes", "1 KB", "Not Found."}));
    EXPECT_EQ(automatic.content.totalBytes, 2003u);

    EXPECT_EQ(Load(path, kSizeTypeKB).content.sizeTexts, (Names{"1 KB", "1 KB", "Not Found."}));
    EXPECT_EQ(Load(path, kSizeTypeBytes).content.sizeTexts, (Names{"3", "2,000", "Not Found."}));
}

TEST(LoadChecksumListTest, AllMissingFilesGiveNoBytesAndNotFoundTexts)
{
    const TempDir dir;
    const LoadOutcome outcome = Load(dir.WriteFile("set.md5", "00 one.bin\nff two.bin\nab three.bin\n"));
    ASSERT_EQ(outcome.EntryCount(), 3);
    EXPECT_EQ(outcome.content.totalBytes, 0u);
    EXPECT_EQ(outcome.content.sizeTexts, (Names(3, kNotFoundText)));
}

TEST(LoadChecksumListTest, LinesWithoutASpaceStillGiveEntries)
{
    const TempDir dir;
    dir.WritePatternFile("name.bin", 10);
    const LoadOutcome sfv = Load(dir.WriteFile("set.sfv", "name.bin\r\n"));
    EXPECT_EQ(sfv.content.names, (Names{"name.bin"}));
    EXPECT_EQ(Checksums(sfv), (Names{""}));
    EXPECT_EQ(sfv.content.sizeTexts, (Names{"10 bytes"}));

    // The empty name resolves to the list's folder, which is not a file.
    const LoadOutcome md5 = Load(dir.WriteFile("set.md5", "d41d8cd98f00b204e9800998ecf8427e\n"));
    EXPECT_EQ(md5.content.names, (Names{""}));
    EXPECT_EQ(Checksums(md5), (Names{"D41D8CD98F00B204E9800998ECF8427E"}));
    EXPECT_EQ(md5.content.sizeTexts, (Names{"Not Found."}));

    ChecksumList list;
    list.Replace(md5.content);
    EXPECT_EQ(list.RowCount(), 1);
    EXPECT_EQ(list.RowName(0), "");
}

TEST(LoadChecksumListTest, ReadsMd5sumOutput)
{
    const TempDir dir;
    dir.WritePatternFile("a.bin", 5);
    dir.WritePatternFile("b.bin", 7);
    const LoadOutcome outcome = Load(dir.WriteFile(
        "set.md5", "0123456789abcdef0123456789abcdef  a.bin\n0123456789abcdef0123456789abcdef *b.bin\n"));
    EXPECT_EQ(outcome.content.names, (Names{"a.bin", "b.bin"}));
    EXPECT_EQ(outcome.content.totalBytes, 12u);
}

TEST(LoadChecksumListTest, ReadsBackTheSfvFormatTallyfoxWrites)
{
    const TempDir dir;
    dir.WriteFile("abc.txt", "abc");
    dir.WriteFile("empty.txt", "");
    const std::string path = dir.WriteFile(
        "out.sfv",
        "; Generated by WIN-SFV32 v1.1a (Tallyfox v1.3 Compatibility Mode) on 2002-03-07 at 14:05:09\r\n"
        "; Generated by Tallyfox v1.3 on 2002-03-07 at 14:05:09\r\n"
        ";\r\n"
        ";            3  2002/03/01 09:30:00 abc.txt\r\n"
        ";            0  2001/12/24 18:00:59 empty.txt\r\n"
        "abc.txt 352441C2\r\n"
        "empty.txt 00000000\r\n");
    const LoadOutcome outcome = Load(path);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(outcome.content.names, (Names{"abc.txt", "empty.txt"}));
    EXPECT_EQ(Checksums(outcome), (Names{"352441C2", "00000000"}));
    EXPECT_EQ(outcome.content.sizeTexts, (Names{"3 bytes", "0 bytes"}));
    EXPECT_EQ(outcome.content.totalBytes, 3u);
}

TEST(LoadChecksumListTest, ReadsBackTheMd5FormatTallyfoxWrites)
{
    const TempDir dir;
    dir.WriteFile("abc.txt", "abc");
    const LoadOutcome outcome = Load(dir.WriteFile("out.md5",
                                                   "900150983CD24FB0D6963F7D28E17F72 abc.txt\n"
                                                   "D41D8CD98F00B204E9800998ECF8427E gone.txt\n"));
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(outcome.content.names, (Names{"abc.txt", "gone.txt"}));
    EXPECT_EQ(Checksums(outcome), (Names{"900150983CD24FB0D6963F7D28E17F72", "D41D8CD98F00B204E9800998ECF8427E"}));
    EXPECT_EQ(outcome.content.sizeTexts, (Names{"3 bytes", "Not Found."}));
}

TEST(LoadChecksumListTest, LoadsMoreEntriesThanThePresizedTable)
{
    constexpr int kEntries = 60'000;
    std::string text;
    char line[64];
    for (int i = 0; i < kEntries; ++i) {
        std::snprintf(line, sizeof line, "f%05d.bin %08x\r\n", i, static_cast<unsigned>(i) * 2654435761u);
        text += line;
    }
    const TempDir dir;
    const LoadOutcome outcome = Load(dir.WriteFile("big.sfv", text));
    ASSERT_EQ(outcome.EntryCount(), kEntries);
    EXPECT_GT(outcome.content.expected.Size(), kExpectedPresize);
    EXPECT_GE(outcome.content.expected.Size(), static_cast<std::size_t>(kEntries));
    EXPECT_EQ(outcome.content.names.back(), "f59999.bin");
    std::snprintf(line, sizeof line, "%08X", 59'999u * 2654435761u);
    EXPECT_EQ(outcome.content.expected.At(kEntries - 1), line);
    EXPECT_FALSE(outcome.content.expected.At(50'000).empty());
}

TEST(LoadChecksumListTest, LongLineGivesSeveralEntries)
{
    const TempDir dir;
    const LoadOutcome outcome = Load(dir.WriteFile("long.sfv", std::string(4500, 'x') + "\r\n"));
    EXPECT_EQ(outcome.content.names, (Names{std::string(2000, 'x'), std::string(2000, 'x'), std::string(500, 'x')}));
}

TEST(LoadChecksumListTest, ListThatCannotBeOpenedGivesOpenFailed)
{
    const TempDir dir;
    EXPECT_EQ(Load(dir.Folder() + "missing.sfv").status, LoadStatus::OpenFailed);

    std::filesystem::create_directory(dir.Path() / "folder.sfv");
    EXPECT_EQ(Load(dir.Folder() + "folder.sfv").status, LoadStatus::OpenFailed) << "a folder is not a list";

    ASSERT_EQ(::mkfifo((dir.Folder() + "pipe.sfv").c_str(), 0600), 0);
    EXPECT_EQ(Load(dir.Folder() + "pipe.sfv").status, LoadStatus::OpenFailed) << "a FIFO is no list and must not block";

    const std::string text = dir.WriteFile("set.txt", "a.bin 1\n");
    EXPECT_EQ(LoadChecksumList(text, dir.Folder(), ListKind::None, kSizeTypeAuto).status, LoadStatus::OpenFailed);
}

TEST(LoadChecksumListTest, UnreadableListGivesOpenFailed)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "file permissions do not stop root";
    }
    const TempDir dir;
    const std::string path = dir.WriteFile("locked.sfv", "a.bin 1\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    EXPECT_EQ(Load(path).status, LoadStatus::OpenFailed);
}

}  // namespace
