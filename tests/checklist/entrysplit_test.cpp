#include "entrysplit.h"
#include "listpaths.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SplitCase {
    const char* name;
    ListKind kind;
    const char* line;
    const char* expectedName;
    const char* expectedChecksum;
};

class SplitEntryLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitEntryLineTest, SplitsNameAndChecksum)
{
    const SplitCase& row = GetParam();
    const SplitEntry entry = SplitEntryLine(row.line, row.kind);
    EXPECT_EQ(entry.name, row.expectedName);
    EXPECT_EQ(entry.checksum, row.expectedChecksum);
}

INSTANTIATE_TEST_SUITE_P(
    Sfv, SplitEntryLineTest,
    testing::Values(SplitCase{"NameWithSpaces", ListKind::Sfv, "my file.bin 1a2b3c4d", "my file.bin", "1A2B3C4D"},
                    SplitCase{"TwoSpacesKeepOneInTheName", ListKind::Sfv, "a.bin  00000001", "a.bin ", "00000001"},
                    SplitCase{"NameOnly", ListKind::Sfv, "name.bin", "name.bin", ""},
                    SplitCase{"TabDoesNotSeparate", ListKind::Sfv, "a.bin\t0000000F", "a.bin\t0000000F", ""},
                    SplitCase{"ChecksumNotValidated", ListKind::Sfv, "a.bin xyz-12", "a.bin", "XYZ-12"},
                    SplitCase{"BackslashNameKept", ListKind::Sfv, "sub\\f.bin 0", "sub\\f.bin", "0"}),
    RowName{});

// Mended: md5sum writes "digest  name" (text mode) and "digest *name" (binary mode);
// the one mode marker is skipped so the name is the file's own.
INSTANTIATE_TEST_SUITE_P(
    Md5, SplitEntryLineTest,
    testing::Values(
        SplitCase{"SingleSpace", ListKind::Md5, "d41d8cd98f00b204e9800998ecf8427e a b.bin", "a b.bin",
                  "D41D8CD98F00B204E9800998ECF8427E"},
        SplitCase{"Md5sumTextMode", ListKind::Md5, "abc  a.bin", "a.bin", "ABC"},
        SplitCase{"Md5sumBinaryMode", ListKind::Md5, "abc *a.bin", "a.bin", "ABC"},
        SplitCase{"OnlyOneMarkerSkipped", ListKind::Md5, "abc   a.bin", " a.bin", "ABC"},
        SplitCase{"MarkerThenStar", ListKind::Md5, "abc  *a.bin", "*a.bin", "ABC"},
        SplitCase{"StarInsideNameKept", ListKind::Md5, "abc a*b.bin", "a*b.bin", "ABC"},
        SplitCase{"NoSpaceIsAllChecksum", ListKind::Md5, "d41d8cd98f00b204e9800998ecf8427e", "",
                  "D41D8CD98F00B204E9800998ECF8427E"},
        SplitCase{"UpperCaseAsciiOnly", ListKind::Md5, "\xC3\xA9" "ab a.bin", "a.bin", "\xC3\xA9" "AB"}),
    RowName{});

struct TrimCase {
    const char* name;
    const char* line;
    const char* trimmed;
    bool ignored;
};

class TrimListLineTest : public testing::TestWithParam<TrimCase> {};

TEST_P(TrimListLineTest, TrimsWhiteSpaceAndSpotsIgnoredLines)
{
    const TrimCase& row = GetParam();
    const std::string_view trimmed = TrimListLine(row.line);
    EXPECT_EQ(trimmed, row.trimmed);
    EXPECT_EQ(IsIgnoredListLine(trimmed), row.ignored);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TrimListLineTest,
    testing::Values(TrimCase{"Empty", "", "", true}, TrimCase{"WhiteSpaceOnly", " \t\v\f\r\n ", "", true},
                    TrimCase{"Comment", "; note", "; note", true},
                    TrimCase{"IndentedComment", " \t; note", "; note", true},
                    TrimCase{"EntryTrimmedBothEnds", "\t a.bin 1 \f", "a.bin 1", false},
                    TrimCase{"SemicolonInsideEntry", "a;b.bin 1", "a;b.bin 1", false}),
    RowName{});

struct KindCase {
    const char* name;
    const char* path;
    ListKind kind;
    const char* baseFolder;
};

class DetectListKindTest : public testing::TestWithParam<KindCase> {};

TEST_P(DetectListKindTest, TakesKindFromExtensionAndBaseFolderFromLastSlash)
{
    const KindCase& row = GetParam();
    const ListKindDetection detection = DetectListKind(row.path);
    EXPECT_EQ(detection.kind, row.kind);
    EXPECT_EQ(detection.known, row.kind != ListKind::None);
    EXPECT_EQ(detection.baseFolder, row.baseFolder);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DetectListKindTest,
    testing::Values(KindCase{"Sfv", "/data/set.sfv", ListKind::Sfv, "/data/"},
                    KindCase{"UpperCaseSfv", "/data/SET.SFV", ListKind::Sfv, "/data/"},
                    KindCase{"MixedCaseMd5", "/data/a.b.Md5", ListKind::Md5, "/data/"},
                    KindCase{"OtherExtension", "/data/set.txt", ListKind::None, "/data/"},
                    KindCase{"NoDot", "/data/set", ListKind::None, "/data/"},
                    KindCase{"DotInFolderOnly", "/a.sfv/list", ListKind::None, "/a.sfv/"},
                    KindCase{"SecondExtension", "/data/set.sfv.bak", ListKind::None, "/data/"},
                    KindCase{"NoFolder", "set.md5", ListKind::Md5, ""},
                    KindCase{"RootFolder", "/set.sfv", ListKind::Sfv, "/"},
                    KindCase{"BackslashIsNoSeparator", "C:\\lists\\set.sfv", ListKind::Sfv, ""}),
    RowName{});

TEST(ResolveEntryPathTest, JoinsBaseAndNameReadingBackslashesAsSlashes)
{
    EXPECT_EQ(ResolveEntryPath("/data/", "sub\\file.bin"), "/data/sub/file.bin");
    EXPECT_EQ(ResolveEntryPath("/data/", "a b.bin"), "/data/a b.bin");
    EXPECT_EQ(ResolveEntryPath("/data/", ""), "/data/");
    EXPECT_EQ(ResolveEntryPath("", "file.bin"), "file.bin");
    EXPECT_EQ(ResolveEntryPath("/odd\\name/", "f"), "/odd\\name/f") << "the base folder is taken as it is";
    EXPECT_EQ(ResolveEntryPath("/data/", "/abs/f"), "/abs/f") << "an absolute name is used as it is";
    EXPECT_EQ(ResolveEntryPath("", "/abs/sub\\f"), "/abs/sub/f");
}

}  // namespace
