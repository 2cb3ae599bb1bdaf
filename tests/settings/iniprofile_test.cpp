#include "iniprofile.h"

#include "filetext.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Expected = std::vector<std::pair<const char*, std::optional<std::string>>>;

struct ContentCase {
    const char* name;
    std::string content;
    Expected setup; // values of keys in section "Setup"
};

std::string BinaryJunk()
{
    std::string junk;
    for (int i = 0; i < 512; ++i) {
        junk.push_back(static_cast<char>((i * 37 + 11) & 0xFF));
    }
    return junk;
}

const ContentCase kContentCases[] = {
    {"GarbageLinesSkipped", "garbage\n[Setup]\n@@@@\nSizeType=0200000002\n=nokey\n]][[\n",
     {{"SizeType", "0200000002"}}},
    {"TruncatedInValue", "[Setup]\nAutoScroll=0000000000\nSizeType=02000",
     {{"AutoScroll", "0000000000"}, {"SizeType", "02000"}}},
    {"TruncatedSectionHeader", "[Setup]\nAutoScroll=0000000000\n[Rece", {{"AutoScroll", "0000000000"}}},
    {"HalfLineWithoutValue", "[Setup]\nSizeType=0200000002\nAutoScr", {{"SizeType", "0200000002"}, {"AutoScr", {}}}},
    {"ZeroBytesBetweenLines", "[Setup]\nAutoScroll=0000000000\n" + std::string(3, '\0') + "\nSizeType=0200000002\n",
     {{"AutoScroll", "0000000000"}, {"SizeType", "0200000002"}}},
    {"ZeroByteInsideValue", "[Setup]\nSizeType=0200" + std::string(1, '\0') + "00002\nAutoScroll=0100000001\n",
     {{"SizeType", "0200 00002"}, {"AutoScroll", "0100000001"}}},
    {"BinaryJunkBeforeSection", BinaryJunk() + "\n[Setup]\nSizeType=0200000002\n", {{"SizeType", "0200000002"}}},
    {"ByteOrderMark", "\xEF\xBB\xBF[Setup]\nSizeType=0200000002\n", {{"SizeType", "0200000002"}}},
    {"CrLfLineEnds", "[Setup]\r\nSizeType=0200000002\r\nAutoScroll=0\r\n",
     {{"SizeType", "0200000002"}, {"AutoScroll", "0"}}},
    {"SpacesAroundNamesAndValues", "[ Setup ]\n  SizeType =  0200000002  \n", {{"SizeType", "0200000002"}}},
    {"NamesInOtherCase", "[setup]\nsizetype=0200000002\nAUTOSCROLL=0100000001\n",
     {{"SizeType", "0200000002"}, {"AutoScroll", "0100000001"}}},
    {"RepeatedKeyLastLineWins", "[Setup]\nSizeType=0000000000\nSizeType=0200000002\n", {{"SizeType", "0200000002"}}},
    {"RepeatedSectionMerged", "[Setup]\nSizeType=0200000002\n[Other]\nx=1\n[SETUP]\nAutoScroll=0\n",
     {{"SizeType", "0200000002"}, {"AutoScroll", "0"}}},
    {"CommentLinesIgnored", "; note\n[Setup]\n;SizeType=0100000001\n#AutoScroll=1\nSizeType=0200000002\n",
     {{"SizeType", "0200000002"}, {"AutoScroll", {}}}},
    {"QuotesRemoved", "[Setup]\nPath=\"/a b/c.sfv\"\n", {{"Path", "/a b/c.sfv"}}},
};

class ContentTest : public testing::TestWithParam<ContentCase> {};

void ExpectSetup(const IniProfile& profile, const Expected& expected)
{
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(profile.ReadString("Setup", key), value) << key;
    }
}

// Whatever parses is read, and a save keeps it: damage does not spread.
TEST_P(ContentTest, ReadsWhatParsesAndKeepsItThroughASave)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", GetParam().content);
    IniProfile profile(path);
    ExpectSetup(profile, GetParam().setup);

    ASSERT_TRUE(profile.WriteString("Setup", "Added", "yes"));
    ASSERT_TRUE(profile.Save());
    const IniProfile reread(path);
    ExpectSetup(reread, GetParam().setup);
    EXPECT_EQ(reread.ReadString("SETUP", "added"), "yes");
}

INSTANTIATE_TEST_SUITE_P(IniProfile, ContentTest, testing::ValuesIn(kContentCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(IniProfile, MissingFileIsEmptyAndSaveCreatesIt)
{
    TempDir dir;
    const std::string path = dir.Folder() + "tallyfox.ini";
    IniProfile profile(path);
    EXPECT_FALSE(profile.ReadString("Setup", "SizeType").has_value());
    ASSERT_TRUE(profile.WriteStruct("Setup", "SizeType", std::vector<std::uint8_t>{2, 0, 0, 0}));
    ASSERT_TRUE(profile.Save());
    EXPECT_EQ(FileText(path), "[Setup]\nSizeType=0200000002\n");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"tallyfox.ini"}) << "no temporary file lingers";
}

TEST(IniProfile, WritingInOtherCaseReplacesTheExistingKey)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", "[setup]\nsizetype=0000000000\n");
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteString("Setup", "SizeType", "0200000002"));
    ASSERT_TRUE(profile.Save());
    EXPECT_EQ(FileText(path), "[setup]\nsizetype=0200000002\n");
}

TEST(IniProfile, UnrelatedSectionsKeysAndCommentsSurviveASave)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", "; kept by hand\n\n[Other]\nalpha=1\nbeta = two words\n"
                                                           "[Setup]\nCustom=keep me\nSizeType=0000000000\n");
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteString("Setup", "SizeType", "0200000002"));
    ASSERT_TRUE(profile.WriteString("Recent Files", "Menu0", "/data/a.sfv"));
    ASSERT_TRUE(profile.Save());

    const std::string text = FileText(path);
    EXPECT_NE(text.find("; kept by hand"), std::string::npos) << text;
    const IniProfile reread(path);
    EXPECT_EQ(reread.ReadString("Other", "alpha"), "1");
    EXPECT_EQ(reread.ReadString("Other", "beta"), "two words");
    EXPECT_EQ(reread.ReadString("Setup", "Custom"), "keep me");
    EXPECT_EQ(reread.ReadString("Setup", "SizeType"), "0200000002");
    EXPECT_EQ(reread.ReadString("Recent Files", "Menu0"), "/data/a.sfv");
}

TEST(IniProfile, SaveKeepsWhatOthersWroteAfterTheLoad)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", "[Setup]\nSizeType=0000000000\n");
    IniProfile first(path);
    IniProfile second(path);
    ASSERT_TRUE(second.WriteString("Other", "written", "by the second"));
    ASSERT_TRUE(second.Save());
    ASSERT_TRUE(first.WriteString("Setup", "SizeType", "0200000002"));
    ASSERT_TRUE(first.Save());

    const IniProfile reread(path);
    EXPECT_EQ(reread.ReadString("Other", "written"), "by the second");
    EXPECT_EQ(reread.ReadString("Setup", "SizeType"), "0200000002");
}

TEST(IniProfile, ValuesKeepSurroundingSpacesThroughTheFile)
{
    TempDir dir;
    const std::string path = dir.Folder() + "tallyfox.ini";
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteString("Recent Files", "Menu0", " /a b/c.sfv "));
    ASSERT_TRUE(profile.WriteString("Recent Files", "Menu1", ""));
    ASSERT_TRUE(profile.Save());
    const IniProfile reread(path);
    EXPECT_EQ(reread.ReadString("Recent Files", "Menu0"), " /a b/c.sfv ");
    EXPECT_EQ(reread.ReadString("Recent Files", "Menu1"), "");
}

struct RefusedWrite {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
};

// Each would break the line structure of the file (and could forge other keys).
const RefusedWrite kRefusedWrites[] = {
    {"LineFeedInValue", "Recent Files", "Menu0", "/a\n[Setup]\nSizeType=0300000003"},
    {"CarriageReturnInValue", "Recent Files", "Menu0", "/a\rb"},
    {"ZeroByteInValue", "Recent Files", "Menu0", std::string("/a\0b", 4)},
    {"EqualsInKey", "Setup", "Size=Type", "1"},
    {"EmptyKey", "Setup", "", "1"},
    {"BracketInSection", "Set]up", "Key", "1"},
    {"CommentKey", "Setup", ";Key", "1"},
};

class RefusedWriteTest : public testing::TestWithParam<RefusedWrite> {};

TEST_P(RefusedWriteTest, ChangesNothing)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", "[Setup]\nSizeType=0000000000\n");
    IniProfile profile(path);
    EXPECT_FALSE(profile.WriteString(GetParam().section, GetParam().key, GetParam().value));
    ASSERT_TRUE(profile.Save());
    EXPECT_EQ(FileText(path), "[Setup]\nSizeType=0000000000\n");
}

INSTANTIATE_TEST_SUITE_P(IniProfile, RefusedWriteTest, testing::ValuesIn(kRefusedWrites),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(IniProfile, SaveCreatesMissingFoldersPrivately)
{
    TempDir dir;
    const std::string path = dir.Folder() + "config/tallyfox/tallyfox.ini";
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteString("Setup", "Key", "1"));
    ASSERT_TRUE(profile.Save());
    EXPECT_EQ(IniProfile(path).ReadString("Setup", "Key"), "1");
    struct stat status{};
    ASSERT_EQ(::stat((dir.Path() / "config").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}

TEST(IniProfile, ReplacedFileKeepsItsPermissions)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", "[Setup]\n");
    ::chmod(path.c_str(), 0640);
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteString("Setup", "Key", "1"));
    ASSERT_TRUE(profile.Save());
    struct stat status{};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(IniProfile, SaveThroughASymbolicLinkReplacesItsTarget)
{
    TempDir dir;
    const std::string target = dir.WriteFile("real.ini", "[Setup]\n");
    const std::string link = dir.Folder() + "tallyfox.ini";
    std::filesystem::create_symlink(target, link);
    IniProfile profile(link);
    ASSERT_TRUE(profile.WriteString("Setup", "Key", "1"));
    ASSERT_TRUE(profile.Save());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(FileText(target), "[Setup]\nKey=1\n");
}

// Failures that hold even for the superuser.
struct FailedSaveCase {
    const char* name;
    const char* iniName; // relative to the test folder
    void (*prepare)(const TempDir& dir);
};

const FailedSaveCase kFailedSaves[] = {
    {"FolderInPlaceOfTheFile", "tallyfox.ini",
     [](const TempDir& dir) { std::filesystem::create_directory(dir.Path() / "tallyfox.ini"); }},
    {"FileInPlaceOfTheFolder", "blocker/tallyfox.ini", [](const TempDir& dir) { dir.WriteFile("blocker", "keep"); }},
    // Far bigger than any settings file: not read, so not replaced either.
    {"OversizedFile", "tallyfox.ini",
     [](const TempDir& dir) { dir.WriteFile("tallyfox.ini", std::string(16 * 1024 * 1024 + 1, ';')); }},
};

class FailedSaveTest : public testing::TestWithParam<FailedSaveCase> {};

TEST_P(FailedSaveTest, ReturnsFalseAndLeavesEverythingAsItWas)
{
    TempDir dir;
    GetParam().prepare(dir);
    const auto before = FolderEntries(dir.Path());
    IniProfile profile(dir.Folder() + GetParam().iniName);
    ASSERT_TRUE(profile.WriteString("Setup", "Key", "1"));
    EXPECT_FALSE(profile.Save());
    EXPECT_EQ(FolderEntries(dir.Path()), before) << "no temporary file lingers";
}

INSTANTIATE_TEST_SUITE_P(IniProfile, FailedSaveTest, testing::ValuesIn(kFailedSaves),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(IniProfile, SaveIntoAReadOnlyFolderFailsAndKeepsTheOldFile)
{
    TempDir dir;
    const std::string old = "[Setup]\nSizeType=0000000000\n";
    const std::string path = dir.WriteFile("tallyfox.ini", old);
    ::chmod(dir.Path().c_str(), 0555);
    if (::access(dir.Path().c_str(), W_OK) == 0) {
        GTEST_SKIP() << "the superuser may write into a read-only folder; runs again unprivileged under CTest";
    }
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteString("Setup", "SizeType", "0200000002"));
    EXPECT_FALSE(profile.Save());
    EXPECT_EQ(FileText(path), old);
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"tallyfox.ini"});
}

TEST(IniProfile, AFileThatCannotBeReadIsNotReplaced)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", "[Other]\nprecious=1\n");
    ::chmod(path.c_str(), 0200);
    if (::access(path.c_str(), R_OK) == 0) {
        GTEST_SKIP() << "the superuser may read any file; runs again unprivileged under CTest";
    }
    IniProfile profile(path);
    ASSERT_TRUE(profile.WriteString("Setup", "Key", "1"));
    EXPECT_FALSE(profile.Save());
    ::chmod(path.c_str(), 0600);
    EXPECT_EQ(FileText(path), "[Other]\nprecious=1\n");
}

struct DamagedHeaderCase {
    const char* name;
    std::string content;
};

const DamagedHeaderCase kDamagedHeaders[] = {
    {"HeaderWithoutClosingBracket", "[Setup]\nSizeType=0200000002\n[Recent Files\nMenu0=/a.sfv\n"},
    {"HeaderWithoutClosingBracketAtEnd", "[Setup]\nSizeType=0200000002\n[Recent Files"},
    {"LoneOpeningBracket", "[\n[Setup]\nSizeType=0200000002\n"},
    {"KeyBeforeAnySection", "Menu0=/a.sfv\n[Setup]\nSizeType=0200000002\n"},
    {"EmptySectionName", "[]junk\n[Setup]\nSizeType=0200000002\n"},
    {"CommentBeforeAHeaderWithABracketInIt", "S0\n[00\n[0x[]en\n[Setup]\nSizeType=0200000002\n"},
};

class DamagedHeaderTest : public testing::TestWithParam<DamagedHeaderCase> {};

// Saving the same settings again gives the same bytes: damage never makes the file grow.
TEST_P(DamagedHeaderTest, SavingTwiceGivesTheSameBytes)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", GetParam().content);
    std::string previous;
    for (int save = 0; save < 3; ++save) {
        IniProfile profile(path);
        ASSERT_TRUE(profile.WriteString("Recent Files", "Menu0", "/b.sfv"));
        ASSERT_TRUE(profile.WriteString("Setup", "AutoScroll", "0100000001"));
        ASSERT_TRUE(profile.Save());
        const std::string text = FileText(path);
        if (save > 0) {
            EXPECT_EQ(text, previous) << "save " << save;
        }
        previous = text;
    }
    const IniProfile reread(path);
    EXPECT_EQ(reread.ReadString("Recent Files", "Menu0"), "/b.sfv");
    EXPECT_EQ(reread.ReadString("Setup", "SizeType"), "0200000002");
}

INSTANTIATE_TEST_SUITE_P(IniProfile, DamagedHeaderTest, testing::ValuesIn(kDamagedHeaders),
                         [](const auto& row) { return std::string(row.param.name); });

// Saving to a new place starts from the file that was read: nothing in it is lost.
TEST(IniProfile, FirstSaveToANewPlaceStartsFromTheFileThatWasRead)
{
    TempDir dir;
    const std::string readFrom = dir.WriteFile("beside.ini", "[Setup]\nSizeType=0200000002\n[Other]\nkept=1\n");
    const std::string path = dir.Folder() + "config/tallyfox/tallyfox.ini";
    {
        IniProfile profile(path, readFrom);
        EXPECT_EQ(profile.ReadString("Setup", "SizeType"), "0200000002");
        ASSERT_TRUE(profile.WriteString("Setup", "AutoScroll", "0100000001"));
        ASSERT_TRUE(profile.Save());
    }
    EXPECT_EQ(FileText(readFrom), "[Setup]\nSizeType=0200000002\n[Other]\nkept=1\n") << "the file read stays as it was";
    const IniProfile saved(path);
    EXPECT_EQ(saved.ReadString("Setup", "SizeType"), "0200000002");
    EXPECT_EQ(saved.ReadString("Setup", "AutoScroll"), "0100000001");
    EXPECT_EQ(saved.ReadString("Other", "kept"), "1");

    // Once the new place has a file, it is what a save starts from.
    std::filesystem::remove(readFrom);
    IniProfile again(path, readFrom);
    ASSERT_TRUE(again.WriteString("Setup", "SizeType", "0100000001"));
    ASSERT_TRUE(again.Save());
    EXPECT_EQ(IniProfile(path).ReadString("Other", "kept"), "1");
}

}  // namespace
