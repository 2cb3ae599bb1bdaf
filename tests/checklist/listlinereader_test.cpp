#include "listlinereader.h"

#include "tempdir.h"

#include "rowname.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

FilePointer StreamOf(std::string_view bytes)
{
    FilePointer file(std::tmpfile());
    if (file) {
        std::fwrite(bytes.data(), 1, bytes.size(), file.get());
        std::rewind(file.get());
    }
    return file;
}

// Every line the reader gives until it reports the end (bounded, so a reader that
// never ends fails instead of hanging).
Lines ReadAll(std::FILE* stream)
{
    ListLineReader reader(stream);
    Lines lines;
    std::string line;
    while (lines.size() < 100 && reader.ReadListLine(line)) {
        lines.push_back(line);
    }
    EXPECT_FALSE(reader.ReadListLine(line)) << "a further call after the end gives no line";
    EXPECT_FALSE(reader.Failed());
    return lines;
}

struct LineCase {
    const char* name;
    std::string bytes;
    Lines expected;
};

class ReadListLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ReadListLineTest, SplitsTheStreamIntoLines)
{
    const FilePointer stream = StreamOf(GetParam().bytes);
    ASSERT_TRUE(stream);
    EXPECT_EQ(ReadAll(stream.get()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, ReadListLineTest,
    testing::Values(LineCase{"LoneCr", "a\rb", {"a", "b"}}, LineCase{"LoneLf", "a\nb", {"a", "b"}},
                    LineCase{"CrLf", "a\r\nb", {"a", "b"}}, LineCase{"LfCr", "a\n\rb", {"a", "b"}},
                    LineCase{"CrCr", "a\r\rb", {"a", "b"}}, LineCase{"LfLf", "a\n\nb", {"a", "b"}},
                    LineCase{"CrLfCrLfIsTwoBreaks", "a\r\n\r\nb", {"a", "", "b"}},
                    LineCase{"CrLfLfIsTwoBreaks", "a\r\n\nb", {"a", "", "b"}},
                    LineCase{"BreakAtStart", "\r\nb", {"", "b"}}),
    RowName{});

// End of file is noticed only when a read meets it: after a two-byte break the
// next call still reads and finds an empty last line.
INSTANTIATE_TEST_SUITE_P(
    EndOfFile, ReadListLineTest,
    testing::Values(LineCase{"EmptyFileGivesOneEmptyLine", "", {""}},
                    LineCase{"EndWithoutBreak", "a\r\nb", {"a", "b"}},
                    LineCase{"EndWithLf", "a\n", {"a"}}, LineCase{"EndWithCr", "a\r", {"a"}},
                    LineCase{"EndWithCrLfGivesAnEmptyLine", "a\r\n", {"a", ""}},
                    LineCase{"EndWithLfCrGivesAnEmptyLine", "a\n\r", {"a", ""}}),
    RowName{});

INSTANTIATE_TEST_SUITE_P(
    Content, ReadListLineTest,
    testing::Values(LineCase{"TextEndsAtNul", "ab\0cd\nef"s, {"ab", "ef"}},
                    LineCase{"NulFirst", "\0ab\nc"s, {"", "c"}},
                    LineCase{"TabsAndSpacesKept", " a\tb \n", {" a\tb "}},
                    LineCase{"HighBytesKept", "\xC3\xA9.bin\n", {"\xC3\xA9.bin"}}),
    RowName{});

// Mended: a UTF-8 byte-order mark at the very start is not part of the first line.
INSTANTIATE_TEST_SUITE_P(
    ByteOrderMark, ReadListLineTest,
    testing::Values(LineCase{"SkippedAtStart", "\xEF\xBB\xBF" "a\n", {"a"}},
                    LineCase{"MarkOnly", "\xEF\xBB\xBF", {""}},
                    LineCase{"MarkThenCrLf", "\xEF\xBB\xBF\r\na", {"", "a"}},
                    LineCase{"KeptAfterStart", "a\n\xEF\xBB\xBF" "b", {"a", "\xEF\xBB\xBF" "b"}},
                    LineCase{"PartialMarkKept", "\xEF\xBBx\n", {"\xEF\xBBx"}},
                    LineCase{"PartialMarkBeforeBreak", "\xEF\xBB\r\nx", {"\xEF\xBB", "x"}},
                    LineCase{"LoneFirstByteAtEnd", "\xEF", {"\xEF"}}),
    RowName{});

// b3sum's lists: LF alone ends a line; a CR anywhere is part of it (a name may hold one).
TEST(ListLineReaderTest, LfOnlyBreaksKeepEveryCarriageReturnInTheLine)
{
    const FilePointer stream = StreamOf("a\rb\nend\r\n\rc\n\nd");
    ASSERT_TRUE(stream);
    ListLineReader reader(stream.get(), kListLineLimit, ListLineReader::LineBreaks::LfOnly);
    Lines lines;
    std::string line;
    while (lines.size() < 10 && reader.ReadListLine(line)) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (Lines{"a\rb", "end\r", "\rc", "", "d"}));
}

std::string Pattern(std::size_t length)
{
    std::string text(length, ' ');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char>('a' + i % 26);
    }
    return text;
}

TEST(ListLineReaderTest, LongLineIsCutIntoLinesOfTheLimitWithNothingSkipped)
{
    constexpr std::size_t kLimit = kListLineLimit;
    const std::string physical = Pattern(2 * kLimit + 500);
    const FilePointer stream = StreamOf(physical + "\nz");
    ASSERT_TRUE(stream);
    const Lines lines = ReadAll(stream.get());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], physical.substr(0, kLimit));
    EXPECT_EQ(lines[1], physical.substr(kLimit, kLimit));
    EXPECT_EQ(lines[2], physical.substr(2 * kLimit));
    EXPECT_EQ(lines[3], "z");
}

TEST(ListLineReaderTest, BreakRightAfterAFullLineGivesAnEmptyLine)
{
    const std::string full = Pattern(kListLineLimit);
    const FilePointer stream = StreamOf(full + "\nz");
    ASSERT_TRUE(stream);
    EXPECT_EQ(ReadAll(stream.get()), (Lines{full, "", "z"}));
}

TEST(ListLineReaderTest, BytesAfterANulStillCountTowardsTheLimit)
{
    const FilePointer stream = StreamOf(std::string(kListLineLimit - 1, 'a') + "\0"s + "bbb");
    ASSERT_TRUE(stream);
    EXPECT_EQ(ReadAll(stream.get()), (Lines{std::string(kListLineLimit - 1, 'a'), "bbb"}));
}

TEST(ListLineReaderTest, ReadErrorIsReported)
{
    const TempDir dir;
    const FilePointer folder(std::fopen(dir.Path().c_str(), "rb"));
    ASSERT_TRUE(folder) << "a folder opens as a stream on Linux; reading it fails";
    ListLineReader reader(folder.get());
    std::string line;
    EXPECT_TRUE(reader.ReadListLine(line));
    EXPECT_EQ(line, "");
    EXPECT_TRUE(reader.Failed());
    EXPECT_FALSE(reader.ReadListLine(line));
}

}  // namespace
