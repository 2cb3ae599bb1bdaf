#include "digestline.h"
#include "entrytraits.h"
#include "escapedname.h"
#include "listidentify.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* kSha256Abc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
constexpr const char* kSha256AbcUpper = "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD";

struct LineCase {
    const char* name;
    ListKind kind;
    std::string line;
    bool entry;  // false: improperly formatted
    std::string expectedName;
    std::string expectedChecksum;
    DigestAlgorithm algorithm;
    bool exactName;
    bool unusable;
};

class ParseDigestLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ParseDigestLineTest, ReadsNameChecksumAndTraits)
{
    const LineCase& row = GetParam();
    const std::optional<DigestLine> line = ParseDigestLine(row.line, row.kind);
    ASSERT_EQ(line.has_value(), row.entry);
    if (!line) {
        return;
    }
    EXPECT_EQ(line->name, row.expectedName);
    EXPECT_EQ(line->checksum, row.expectedChecksum);
    EXPECT_EQ(entrytraits::Algorithm(line->traits), row.algorithm);
    EXPECT_EQ(entrytraits::IsExactName(line->traits), row.exactName);
    EXPECT_EQ(entrytraits::HasUnusableDigest(line->traits), row.unusable);
}

const std::string kSha256 = kSha256Abc;
const std::string kUpper = kSha256AbcUpper;
const std::string kSha1 = "a9993e364706816aba3e25717850c26c9cd0d89d";
const std::string kMd5 = "900150983cd24fb0d6963f7d28e17f72";

INSTANTIATE_TEST_SUITE_P(
    Plain, ParseDigestLineTest,
    testing::Values(
        LineCase{"TextMode", ListKind::Sha256, kSha256 + "  a b.bin", true, "a b.bin", kUpper, DigestAlgorithm::Sha256,
                 false, false},
        LineCase{"BinaryMode", ListKind::Sha256, kSha256 + " *a.bin", true, "a.bin", kUpper, DigestAlgorithm::Sha256,
                 false, false},
        LineCase{"NameStartingWithStar", ListKind::Sha256, kSha256 + "  *a.bin", true, "*a.bin", kUpper,
                 DigestAlgorithm::Sha256, false, false},
        LineCase{"SingleSpace", ListKind::Sha1, kSha1 + " a.bin", true, "a.bin",
                 "A9993E364706816ABA3E25717850C26C9CD0D89D", DigestAlgorithm::Sha1, false, false},
        LineCase{"Blake2bKindGivesBlake2b", ListKind::Blake2b, std::string(128, 'c') + "  a.bin", true, "a.bin",
                 std::string(128, 'C'), DigestAlgorithm::Blake2b, false, false},
        LineCase{"Blake3KindGivesBlake3", ListKind::Blake3, kSha256 + "  a.bin", true, "a.bin", kUpper,
                 DigestAlgorithm::Blake3, false, false},
        LineCase{"Md5KindKeepsMd5", ListKind::Md5, kMd5 + "  a.bin", true, "a.bin",
                 "900150983CD24FB0D6963F7D28E17F72", DigestAlgorithm::Md5, false, false},
        LineCase{"WindowsBackslashNotExact", ListKind::Md5, kMd5 + " sub\\a.bin", true, "sub\\a.bin",
                 "900150983CD24FB0D6963F7D28E17F72", DigestAlgorithm::Md5, false, false},
        LineCase{"DigestOnlyIsImproper", ListKind::Sha256, kSha256, false, "", "", DigestAlgorithm::Sha256, false,
                 false},
        LineCase{"MarkerWithoutNameIsImproper", ListKind::Md5, kMd5 + " *", false, "", "", DigestAlgorithm::Md5, false,
                 false}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Escaped, ParseDigestLineTest,
    testing::Values(
        LineCase{"Backslash", ListKind::Sha256, "\\" + kSha256 + "  back\\\\slash.txt", true, "back\\slash.txt", kUpper,
                 DigestAlgorithm::Sha256, true, false},
        LineCase{"NewLine", ListKind::Sha256, "\\" + kSha256 + "  new\\nline.txt", true, "new\nline.txt", kUpper,
                 DigestAlgorithm::Sha256, true, false},
        LineCase{"InMd5List", ListKind::Md5, "\\" + kMd5 + "  a\\\\b", true, "a\\b",
                 "900150983CD24FB0D6963F7D28E17F72", DigestAlgorithm::Md5, true, false},
        LineCase{"UnknownEscapeIsImproper", ListKind::Sha256, "\\" + kSha256 + "  a\\tb", false, "", "",
                 DigestAlgorithm::Sha256, false, false},
        LineCase{"TrailingBackslashIsImproper", ListKind::Sha256, "\\" + kSha256 + "  ab\\", false, "", "",
                 DigestAlgorithm::Sha256, false, false}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Tagged, ParseDigestLineTest,
    testing::Values(
        LineCase{"Sha256Tag", ListKind::Sha256, "SHA256 (a b.bin) = " + kSha256, true, "a b.bin", kUpper,
                 DigestAlgorithm::Sha256, false, false},
        LineCase{"TagOverridesKind", ListKind::Md5, "SHA1 (a.bin) = " + kSha1, true, "a.bin",
                 "A9993E364706816ABA3E25717850C26C9CD0D89D", DigestAlgorithm::Sha1, false, false},
        LineCase{"Md5TagInShaList", ListKind::Sha512, "MD5 (a.bin) = " + kMd5, true, "a.bin",
                 "900150983CD24FB0D6963F7D28E17F72", DigestAlgorithm::Md5, false, false},
        LineCase{"OpensslSpelling", ListKind::Sha1, "SHA2-256(a.bin)= " + kSha256, true, "a.bin", kUpper,
                 DigestAlgorithm::Sha256, false, false},
        LineCase{"ParenthesesInName", ListKind::Sha256, "SHA256 (f (1).txt) = " + kSha256, true, "f (1).txt", kUpper,
                 DigestAlgorithm::Sha256, false, false},
        LineCase{"EscapedTagged", ListKind::Sha256, "\\SHA256 (a\\nb) = " + kSha256, true, "a\nb", kUpper,
                 DigestAlgorithm::Sha256, true, false},
        LineCase{"Blake2bTag", ListKind::Sha512, "BLAKE2b (a.bin) = " + std::string(128, 'c'), true, "a.bin",
                 std::string(128, 'C'), DigestAlgorithm::Blake2b, false, false},
        LineCase{"OpensslBlake2bSpelling", ListKind::Md5, "BLAKE2B-512(a.bin)= " + std::string(128, 'c'), true,
                 "a.bin", std::string(128, 'C'), DigestAlgorithm::Blake2b, false, false},
        LineCase{"Blake3Tag", ListKind::Sha256, "BLAKE3 (a.bin) = " + kSha256, true, "a.bin", kUpper,
                 DigestAlgorithm::Blake3, false, false},
        LineCase{"Sha3With256Tag", ListKind::Sha256, "SHA3-256 (a.bin) = " + kSha256, true, "a.bin", kUpper,
                 DigestAlgorithm::Sha3_256, false, false},
        LineCase{"Sha3With512Tag", ListKind::Sha256, "SHA3-512 (a.bin) = " + std::string(128, 'c'), true, "a.bin",
                 std::string(128, 'C'), DigestAlgorithm::Sha3_512, false, false},
        LineCase{"ShortBlake2bTagIsImproper", ListKind::Sha256, "BLAKE2b-256 (a.bin) = " + kSha256, false, "", "",
                 DigestAlgorithm::Sha256, false, false},
        LineCase{"UnknownTagIsImproper", ListKind::Sha256, "SHA224 (a.bin) = abcd", false, "", "",
                 DigestAlgorithm::Sha256, false, false},
        LineCase{"EmptyNameIsImproper", ListKind::Sha256, "SHA256 () = " + kSha256, false, "", "",
                 DigestAlgorithm::Sha256, false, false}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    WrongDigests, ParseDigestLineTest,
    testing::Values(
        LineCase{"Sha256OneDigitShort", ListKind::Sha256, kSha256.substr(1) + "  a.bin", true, "a.bin", kUpper.substr(1),
                 DigestAlgorithm::Sha256, false, true},
        LineCase{"Sha1DigestInSha256List", ListKind::Sha256, kSha1 + "  a.bin", true, "a.bin",
                 "A9993E364706816ABA3E25717850C26C9CD0D89D", DigestAlgorithm::Sha256, false, true},
        LineCase{"TaggedSha512WithSha256Digest", ListKind::Sha256, "SHA512 (a.bin) = " + kSha256, true, "a.bin",
                 kUpper, DigestAlgorithm::Sha512, false, true},
        LineCase{"TaggedEmptyDigest", ListKind::Sha1, "SHA1 (a.bin) =", true, "a.bin", "", DigestAlgorithm::Sha1, false,
                 true},
        LineCase{"NotHexadecimal", ListKind::Md5, "900150983cd24fb0d6963f7d28e17fzz a.bin", true, "a.bin",
                 "900150983CD24FB0D6963F7D28E17FZZ", DigestAlgorithm::Md5, false, true}),
    RowName{});

TEST(DigestProblemTest, NamesTheAlgorithmAndTheLengths)
{
    EXPECT_EQ(DigestProblem("ABC", entrytraits::Make(DigestAlgorithm::Sha256, false, false)),
              "SHA256 checksum has 3 hex digits, 64 expected");
    EXPECT_EQ(DigestProblem(std::string(40, 'G'), entrytraits::Make(DigestAlgorithm::Sha1, false, false)),
              "SHA1 checksum is not hexadecimal");
    EXPECT_EQ(DigestProblem(kSha256AbcUpper, entrytraits::Make(DigestAlgorithm::Sha256, false, false)), std::nullopt);
}

TEST(HashCommentTest, OnlyLinesStartingWithHash)
{
    EXPECT_TRUE(IsHashComment("# Generated by sha256sum"));
    EXPECT_TRUE(IsHashComment("#"));
    EXPECT_FALSE(IsHashComment("; note"));
    EXPECT_FALSE(IsHashComment(kSha256Abc + std::string("  #name")));
    EXPECT_FALSE(IsHashComment(""));
}

TEST(DecodeEscapedNameTest, DecodesBackslashNewLineAndCarriageReturn)
{
    EXPECT_EQ(DecodeEscapedName("a\\\\b\\nc\\rd"), "a\\b\nc\rd");
    EXPECT_EQ(DecodeEscapedName("plain"), "plain");
    EXPECT_EQ(DecodeEscapedName("a\\x"), std::nullopt);
    EXPECT_EQ(DecodeEscapedName("a\\"), std::nullopt);
}

struct NameKindCase {
    const char* name;
    const char* path;
    ListKind kind;
};

class ListKindFromNameTest : public testing::TestWithParam<NameKindCase> {};

TEST_P(ListKindFromNameTest, KnowsExtensionsAndCoreutilsNames)
{
    EXPECT_EQ(ListKindFromName(GetParam().path), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ListKindFromNameTest,
    testing::Values(NameKindCase{"Sha1", "/d/x.sha1", ListKind::Sha1},
                    NameKindCase{"UpperSha256", "/d/X.SHA256", ListKind::Sha256},
                    NameKindCase{"Sha512", "/d/x.tar.sha512", ListKind::Sha512},
                    NameKindCase{"Sha256Sums", "/d/SHA256SUMS", ListKind::Sha256},
                    NameKindCase{"Sha1Sums", "SHA1SUMS", ListKind::Sha1},
                    NameKindCase{"Sha512Sums", "/d/SHA512SUMS", ListKind::Sha512},
                    NameKindCase{"Md5Sums", "/d/MD5SUMS", ListKind::Md5},
                    NameKindCase{"Blake2bExtension", "/d/x.b2", ListKind::Blake2b},
                    NameKindCase{"Blake3Extension", "/d/X.B3", ListKind::Blake3},
                    NameKindCase{"B2Sums", "/d/B2SUMS", ListKind::Blake2b},
                    NameKindCase{"B3Sums", "/d/b3sums", ListKind::Blake3},
                    NameKindCase{"SumsAsFolderIsNoName", "/SHA256SUMS/list", ListKind::None},
                    NameKindCase{"SumsWithExtension", "/d/SHA256SUMS.gpg", ListKind::None},
                    NameKindCase{"OtherExtension", "/d/x.sha", ListKind::None}),
    RowName{});

struct LineKindCase {
    const char* name;
    std::string line;
    ListKind kind;
};

class ListKindFromLineTest : public testing::TestWithParam<LineKindCase> {};

TEST_P(ListKindFromLineTest, TakesTheKindFromTheFirstEntryLine)
{
    EXPECT_EQ(ListKindFromLine(GetParam().line), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ListKindFromLineTest,
    testing::Values(LineKindCase{"PlainMd5", kMd5 + "  a", ListKind::Md5},
                    LineKindCase{"PlainSha1", kSha1 + " *a", ListKind::Sha1},
                    LineKindCase{"PlainSha256", kSha256 + "  a", ListKind::Sha256},
                    LineKindCase{"PlainSha512", std::string(128, 'f') + "  a", ListKind::Sha512},
                    LineKindCase{"EscapedSha256", "\\" + kSha256 + "  a\\\\b", ListKind::Sha256},
                    LineKindCase{"TaggedSha512", "SHA512 (a) = abc", ListKind::Sha512},
                    LineKindCase{"TaggedMd5", "MD5 (a) = " + kMd5, ListKind::Md5},
                    LineKindCase{"TaggedBlake2b", "BLAKE2b (a) = abc", ListKind::Blake2b},
                    LineKindCase{"TaggedBlake3", "BLAKE3 (a) = " + kSha256, ListKind::Blake3},
                    LineKindCase{"TaggedSha3With256", "SHA3-256 (a) = " + kSha256, ListKind::Sha3_256},
                    LineKindCase{"TaggedSha3With512", "SHA3-512 (a) = abc", ListKind::Sha3_512},
                    LineKindCase{"SfvLine", "a.bin 0123ABCD", ListKind::None},
                    LineKindCase{"UnknownLength", std::string(48, 'a') + "  a", ListKind::None},
                    LineKindCase{"NotHex", std::string(64, 'x') + "  a", ListKind::None},
                    LineKindCase{"Prose", "Release notes for version 2", ListKind::None}),
    RowName{});

}  // namespace
