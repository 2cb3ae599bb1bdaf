#include "checksumlist.h"
#include "entrytraits.h"
#include "listidentify.h"
#include "listreader.h"
#include "loadwarnings.h"
#include "sizetext.h"

#include "rowname.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

LoadOutcome Load(const std::string& path, int sizeType = kSizeTypeAuto)
{
    const ListKindDetection detection = IdentifyListKind(path);
    return LoadChecksumList(path, detection.baseFolder, detection.kind, sizeType);
}

std::vector<std::string> Checksums(const LoadOutcome& outcome)
{
    std::vector<std::string> checksums;
    for (std::size_t row = 0; row < outcome.content.rows.Size(); ++row) {
        checksums.emplace_back(outcome.content.rows.Checksum(row));
    }
    return checksums;
}

Names NamesOf(const LoadOutcome& outcome)
{
    Names names;
    for (std::size_t row = 0; row < outcome.content.rows.Size(); ++row) {
        names.emplace_back(outcome.content.rows.Name(row));
    }
    return names;
}

// The rows' "Size" texts under the load's size display mode.
Names SizeTextsOf(const LoadOutcome& outcome)
{
    Names texts;
    for (const std::uint64_t size : outcome.content.sizes) {
        texts.push_back(RowSizeText(size != kSizeNotFound, size, outcome.content.sizeType));
    }
    return texts;
}

TEST(LoadChecksumListTest, ReadsEntriesAndSkipsCommentsAndBlankLines)
{
    const TempDir dir;
    const std::string path = dir.WriteFile("set.sfv", "a.bin 00000001\r\n  ; a note\r\n\r\nb c.bin ffffffff\r\n");
    const LoadOutcome outcome = Load(path);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(NamesOf(outcome), (Names{"a.bin", "b c.bin"}));
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

TEST(LoadChecksumListTest, SizeTextsAndTotalBytesComeFromTheFilesFound)
{
    const TempDir dir;
    dir.WritePatternFile("a.bin", 3);
    dir.WritePatternFile("sub/b.bin", 2000);
    const std::string path = dir.WriteFile("set.sfv", "a.bin 1\r\nsub\\b.bin 2\r\nmissing.bin 3\r\n");

    const LoadOutcome automatic = Load(path, kSizeTypeAuto);
    ASSERT_EQ(automatic.status, LoadStatus::Loaded);
    EXPECT_EQ(NamesOf(automatic), (Names{"a.bin", "sub\\b.bin", "missing.bin"})) << "names stay as written";
    EXPECT_EQ(SizeTextsOf(automatic), (Names{"3 bytes", "1 KB", "Not Found."}));
    EXPECT_EQ(automatic.content.totalBytes, 2003u);

    EXPECT_EQ(SizeTextsOf(Load(path, kSizeTypeKB)), (Names{"1 KB", "1 KB", "Not Found."}));
    EXPECT_EQ(SizeTextsOf(Load(path, kSizeTypeBytes)), (Names{"3", "2,000", "Not Found."}));
}

TEST(LoadChecksumListTest, AllMissingFilesGiveNoBytesAndNotFoundTexts)
{
    const TempDir dir;
    const LoadOutcome outcome = Load(dir.WriteFile("set.md5", "00 one.bin\nff two.bin\nab three.bin\n"));
    ASSERT_EQ(outcome.EntryCount(), 3);
    EXPECT_EQ(outcome.content.totalBytes, 0u);
    EXPECT_EQ(SizeTextsOf(outcome), (Names(3, kNotFoundText)));
}

TEST(LoadChecksumListTest, LinesWithoutASpaceStillGiveEntries)
{
    const TempDir dir;
    dir.WritePatternFile("name.bin", 10);
    const LoadOutcome sfv = Load(dir.WriteFile("set.sfv", "name.bin\r\n"));
    EXPECT_EQ(NamesOf(sfv), (Names{"name.bin"}));
    EXPECT_EQ(Checksums(sfv), (Names{""}));
    EXPECT_EQ(SizeTextsOf(sfv), (Names{"10 bytes"}));

    EXPECT_EQ(sfv.improperLines, 0);
}

// Mended: an MD5 line with no name after its digest named the list's own folder and
// was reported missing; like md5sum -c, it is now skipped and counted.
TEST(LoadChecksumListTest, Md5LinesWithoutANameAreSkippedAndCounted)
{
    const TempDir dir;
    const LoadOutcome md5 =
        Load(dir.WriteFile("set.md5", "d41d8cd98f00b204e9800998ecf8427e\nd41d8cd98f00b204e9800998ecf8427e *\n"
                                      "d41d8cd98f00b204e9800998ecf8427e  e.bin\n"));
    ASSERT_EQ(md5.status, LoadStatus::Loaded);
    EXPECT_EQ(NamesOf(md5), (Names{"e.bin"}));
    EXPECT_EQ(md5.improperLines, 2);
}

TEST(LoadChecksumListTest, HashLinesAreCommentsExceptInSfvLists)
{
    const TempDir dir;
    const LoadOutcome md5 = Load(dir.WriteFile(
        "set.md5", "# Generated by a tool\n; note\n  # indented\n900150983cd24fb0d6963f7d28e17f72  abc.txt\n"));
    EXPECT_EQ(NamesOf(md5), (Names{"abc.txt"}));
    EXPECT_EQ(md5.improperLines, 0);

    const LoadOutcome sfv = Load(dir.WriteFile("set.sfv", "#hash.bin 00000001\n"));
    EXPECT_EQ(NamesOf(sfv), (Names{"#hash.bin"})) << "the SFV grammar knows only ';' comments";
}

TEST(LoadChecksumListTest, MixedTaggedAndPlainLinesCarryTheirOwnAlgorithm)
{
    const TempDir dir;
    const LoadOutcome outcome = Load(dir.WriteFile(
        "SHA256SUMS",
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  plain.bin\n"
        "MD5 (tagged md5.bin) = 900150983cd24fb0d6963f7d28e17f72\n"
        "SHA1 (tagged sha1.bin) = a9993e364706816aba3e25717850c26c9cd0d89d\n"
        "a9993e364706816aba3e25717850c26c9cd0d89d  short.bin\n"));
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(outcome.content.kind, ListKind::Sha256);
    EXPECT_EQ(NamesOf(outcome), (Names{"plain.bin", "tagged md5.bin", "tagged sha1.bin", "short.bin"}));

    ChecksumList list;
    list.Replace(outcome.content);
    const auto algorithm = [&list](int row) { return entrytraits::Algorithm(list.RowTraits(row)); };
    EXPECT_EQ(algorithm(0), DigestAlgorithm::Sha256);
    EXPECT_EQ(algorithm(1), DigestAlgorithm::Md5);
    EXPECT_EQ(algorithm(2), DigestAlgorithm::Sha1);
    EXPECT_EQ(algorithm(3), DigestAlgorithm::Sha256);
    EXPECT_TRUE(entrytraits::HasUnusableDigest(list.RowTraits(3))) << "a SHA-1 digest in a SHA-256 list";
    EXPECT_EQ(LoadWarnings(list, outcome.improperLines),
              (Names{"short.bin: SHA256 checksum has 40 hex digits, 64 expected"}));
}

TEST(LoadChecksumListTest, EscapedNamesResolveExactlyAndPlainBackslashesAsFolders)
{
    const TempDir dir;
    dir.WritePatternFile("back\\slash.bin", 3);
    dir.WritePatternFile("sub/file.bin", 5);
    const LoadOutcome outcome = Load(dir.WriteFile("set.sha1",
                                                   "\\a9993e364706816aba3e25717850c26c9cd0d89d  back\\\\slash.bin\n"
                                                   "a9993e364706816aba3e25717850c26c9cd0d89d  sub\\file.bin\n"));
    EXPECT_EQ(NamesOf(outcome), (Names{"back\\slash.bin", "sub\\file.bin"}));
    EXPECT_EQ(SizeTextsOf(outcome), (Names{"3 bytes", "5 bytes"}));
    EXPECT_EQ(outcome.content.totalBytes, 8u);
}

TEST(LoadChecksumListTest, ImproperLinesWarningCountsLikeMd5sum)
{
    EXPECT_EQ(ImproperLinesWarning(0), "");
    EXPECT_EQ(ImproperLinesWarning(1), "WARNING: 1 line is improperly formatted");
    EXPECT_EQ(ImproperLinesWarning(3), "WARNING: 3 lines are improperly formatted");
}

TEST(IdentifyListKindTest, KindFromExtensionNameOrFirstEntryLine)
{
    const TempDir dir;
    const std::string sha256 = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    struct Case {
        std::string path;
        ListKind kind;
    };
    std::filesystem::create_directory(dir.Path() / "folder.txt");
    const std::vector<Case> cases = {
        {dir.WriteFile("set.sfv", sha256 + "  a\n"), ListKind::Sfv},
        {dir.WriteFile("SHA1SUMS", ""), ListKind::Sha1},
        {dir.WriteFile("sums.txt", "# header\n\n" + sha256 + "  a\n"), ListKind::Sha256},
        {dir.WriteFile("tagged.txt", "SHA512 (a) = 00\n"), ListKind::Sha512},
        {dir.WriteFile("notes.txt", "a.bin 00000000\n"), ListKind::None},
        {dir.Folder() + "absent.txt", ListKind::None},
        {dir.Folder() + "folder.txt", ListKind::None},
    };
    for (const Case& c : cases) {
        const ListKindDetection detection = IdentifyListKind(c.path);
        EXPECT_EQ(detection.kind, c.kind) << c.path;
        EXPECT_EQ(detection.known, c.kind != ListKind::None) << c.path;
        EXPECT_EQ(detection.baseFolder, dir.Folder()) << c.path;
    }
}

TEST(LoadChecksumListTest, ReadsMd5sumOutput)
{
    const TempDir dir;
    dir.WritePatternFile("a.bin", 5);
    dir.WritePatternFile("b.bin", 7);
    const LoadOutcome outcome = Load(dir.WriteFile(
        "set.md5", "0123456789abcdef0123456789abcdef  a.bin\n0123456789abcdef0123456789abcdef *b.bin\n"));
    EXPECT_EQ(NamesOf(outcome), (Names{"a.bin", "b.bin"}));
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
    EXPECT_EQ(NamesOf(outcome), (Names{"abc.txt", "empty.txt"}));
    EXPECT_EQ(Checksums(outcome), (Names{"352441C2", "00000000"}));
    EXPECT_EQ(SizeTextsOf(outcome), (Names{"3 bytes", "0 bytes"}));
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
    EXPECT_EQ(NamesOf(outcome), (Names{"abc.txt", "gone.txt"}));
    EXPECT_EQ(Checksums(outcome), (Names{"900150983CD24FB0D6963F7D28E17F72", "D41D8CD98F00B204E9800998ECF8427E"}));
    EXPECT_EQ(SizeTextsOf(outcome), (Names{"3 bytes", "Not Found."}));
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
    EXPECT_EQ(outcome.content.rows.Name(kEntries - 1), "f59999.bin");
    std::snprintf(line, sizeof line, "%08X", 59'999u * 2654435761u);
    EXPECT_EQ(outcome.content.rows.Checksum(kEntries - 1), line);
    std::snprintf(line, sizeof line, "%08X", 50'000u * 2654435761u);
    EXPECT_EQ(outcome.content.rows.Checksum(50'000), line);
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
        GTEST_SKIP() << "file permissions do not stop root; runs again unprivileged under CTest";
    }
    const TempDir dir;
    const std::string path = dir.WriteFile("locked.sfv", "a.bin 1\n");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    EXPECT_EQ(Load(path).status, LoadStatus::OpenFailed);
}

// An absolute name is the file's own path, however the list's path was spelled.
TEST(LoadChecksumListTest, AbsoluteNamesAreUsedAsTheyAre)
{
    const TempDir dir;
    const std::string data = dir.WritePatternFile("data/x.bin", 5);
    const std::string text = "00000000000000000000000000000000  " + data + "\n";
    dir.WriteFile("abs.md5", text);
    for (const std::string& listPath : {dir.Folder() + "abs.md5", dir.Folder() + "./abs.md5",
                                        dir.Folder() + "data/../abs.md5"}) {
        const LoadOutcome outcome = Load(listPath);
        ASSERT_EQ(outcome.status, LoadStatus::Loaded) << listPath;
        EXPECT_EQ(SizeTextsOf(outcome), (Names{"5 bytes"})) << listPath;
        EXPECT_EQ(ResolveEntryPath(outcome.content.baseFolder, std::string(outcome.content.rows.Name(0))), data) << listPath;
    }
}

// A device, socket or FIFO named in a list is not a file: never opened, no size.
TEST(LoadChecksumListTest, DevicesSocketsAndFifosNamedInAListAreNotFiles)
{
    const TempDir dir;
    dir.WritePatternFile("real.bin", 3);
    std::filesystem::create_symlink("/dev/null", dir.Path() / "null");
    std::filesystem::create_symlink("/dev/zero", dir.Path() / "zero");
    std::filesystem::create_symlink("real.bin", dir.Path() / "link.bin");
    ASSERT_EQ(::mkfifo((dir.Folder() + "pipe").c_str(), 0600), 0);
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socketPath = dir.Folder() + "sock";
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    const std::string path = dir.WriteFile("set.sfv", "null 0\nzero 0\npipe 0\nsock 0\nlink.bin 0\n");
    const LoadOutcome outcome = Load(path);
    ::close(sock);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(SizeTextsOf(outcome), (Names{"Not Found.", "Not Found.", "Not Found.", "Not Found.", "3 bytes"}));
    EXPECT_EQ(outcome.content.totalBytes, 3u);
}

// Any Linux path (up to 4,096 bytes) with the longest digest is one entry.
TEST(LoadChecksumListTest, EntryWithTheLongestPathAndDigestIsOneEntry)
{
    const TempDir dir;
    std::string name;
    while (name.size() < 4000) {
        name += std::string(200, 'n') + "/";
    }
    name += std::string(4095 - name.size(), 'f');
    const std::string digest(128, 'a');
    for (const std::string& line : {digest + " *" + name, name + " " + digest}) {
        const bool md5 = line.front() == 'a';
        const std::string path = dir.WriteFile(md5 ? "long.md5" : "long.sfv", line + "\r\n");
        const LoadOutcome outcome = Load(path);
        ASSERT_EQ(outcome.status, LoadStatus::Loaded);
        EXPECT_EQ(NamesOf(outcome), (Names{name})) << path;
        EXPECT_EQ(Checksums(outcome), (Names{std::string(128, 'A')})) << path;
    }
}

// Names md5sum writes and reads back byte for byte: leading and trailing blanks, a
// leading '*', blanks only, and names shaped like a tagged line, also in the single
// blank form older MD5 lists use.
struct ExactNameCase {
    const char* name;
    std::string line;
    std::string expectedName;
};

class Md5NameBytesTest : public testing::TestWithParam<ExactNameCase> {};

TEST_P(Md5NameBytesTest, NameIsReadAsWritten)
{
    const ExactNameCase& row = GetParam();
    const TempDir dir;
    const LoadOutcome outcome = Load(dir.WriteFile("set.md5", row.line + "\n"));
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(outcome.improperLines, 0);
    EXPECT_EQ(NamesOf(outcome), (Names{row.expectedName}));
}

const std::string kEmptyMd5 = "d41d8cd98f00b204e9800998ecf8427e";

INSTANTIATE_TEST_SUITE_P(
    AsMd5sumWrites, Md5NameBytesTest,
    testing::Values(ExactNameCase{"LeadingBlank", kEmptyMd5 + "   lead", " lead"},
                    ExactNameCase{"TrailingBlank", kEmptyMd5 + "  trail ", "trail "},
                    ExactNameCase{"TrailingTab", kEmptyMd5 + "  tab\t", "tab\t"},
                    ExactNameCase{"LeadingStar", kEmptyMd5 + "  *star", "*star"},
                    ExactNameCase{"BlanksOnly", kEmptyMd5 + "     ", "   "},
                    ExactNameCase{"TaggedShape", kEmptyMd5 + "  (x)=y", "(x)=y"},
                    ExactNameCase{"TaggedShapeSingleBlank", kEmptyMd5 + " (x)=y", "(x)=y"},
                    ExactNameCase{"TaggedShapeWithTag", kEmptyMd5 + " MD5 (x) = " + kEmptyMd5,
                                  "MD5 (x) = " + kEmptyMd5},
                    ExactNameCase{"EscapedTrailingBlank", "\\" + kEmptyMd5 + "  a\\\\b ", "a\\b "},
                    ExactNameCase{"IndentedLine", "  " + kEmptyMd5 + "  a", "a"}),
    RowName{});

// A '\' in a plain name is part of a Linux name when a file of the name as written
// exists (systemd's unit names hold "\x2d"); only otherwise is it a Windows folder
// separator. The name shown stays as written either way.
TEST(LoadChecksumListTest, BackslashNamesResolveAsWrittenWhenThatFileExists)
{
    const TempDir dir;
    dir.WritePatternFile("system-systemd\\x2dcryptsetup.slice", 3);
    dir.WritePatternFile("sub/win.bin", 5);
    dir.WritePatternFile("both\\f", 7);
    dir.WritePatternFile("both/f", 9);
    const LoadOutcome outcome = Load(dir.WriteFile("set.md5", kEmptyMd5 + "  system-systemd\\x2dcryptsetup.slice\n" +
                                                                 kEmptyMd5 + "  sub\\win.bin\n" + kEmptyMd5 +
                                                                 "  both\\f\n" + kEmptyMd5 + "  none\\f\n"));
    EXPECT_EQ(NamesOf(outcome), (Names{"system-systemd\\x2dcryptsetup.slice", "sub\\win.bin", "both\\f", "none\\f"}));
    EXPECT_EQ(SizeTextsOf(outcome), (Names{"3 bytes", "5 bytes", "7 bytes", "Not Found."}));
}

}  // namespace
