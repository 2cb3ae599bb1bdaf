#include "settingsstore.h"

#include "filetext.h"
#include "profilestruct.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Settings LoadFrom(const std::string& path)
{
    return LoadSettings(IniProfile(path));
}

TEST(SettingsStore, NoIniFileGivesEveryDefault)
{
    TempDir dir;
    const Settings settings = LoadFrom(dir.Folder() + "tallyfox.ini");
    EXPECT_EQ(settings.sizeType, 0);
    EXPECT_EQ(settings.autoScroll, 1);
    EXPECT_EQ(settings.fullRowSelect, 1);
    EXPECT_EQ(settings.rowColours.firstColour, 0xFCFBFAu);
    EXPECT_EQ(settings.rowColours.secondColour, 0xFAF3F0u);
    EXPECT_FALSE(settings.windowPosStored);
    EXPECT_EQ(settings.windowPos, WindowPosRecord{});
    EXPECT_FALSE(settings.listFontStored);
    EXPECT_EQ(settings.listFont, DefaultFontRecord(96));
    EXPECT_TRUE(settings.recentFiles.empty());
    EXPECT_EQ(LoadSettings(IniProfile(dir.Folder() + "tallyfox.ini"), 120).listFont.logFont.lfHeight, -15);
}

struct IntKeyCase {
    const char* name;
    const char* line;
    std::int32_t Settings::*field;
    std::int32_t expected;
};

const IntKeyCase kIntKeyCases[] = {
    {"SizeTypeBytes", "SizeType=0200000002", &Settings::sizeType, 2},
    {"SizeTypeWrongChecksumIsAuto", "SizeType=0200000003", &Settings::sizeType, 0},
    {"SizeTypeKeyInOtherCase", "sizetype=0100000001", &Settings::sizeType, 1},
    {"AutoScrollOff", "AutoScroll=0000000000", &Settings::autoScroll, 0},
    {"AutoScrollShortIsOn", "AutoScroll=00000000", &Settings::autoScroll, 1},
    {"FullRowSelectOff", "FullRowSelect=0000000000", &Settings::fullRowSelect, 0},
    {"FullRowSelectNotHexIsOn", "FullRowSelect=00000000ZZ", &Settings::fullRowSelect, 1},
    {"NegativeValueKept", "SizeType=FFFFFFFFFC", &Settings::sizeType, -1},
};

class IntKeyTest : public testing::TestWithParam<IntKeyCase> {};

TEST_P(IntKeyTest, ReadsTheStoredValueOrTheDefault)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", std::string("[setup]\n") + GetParam().line + "\n");
    EXPECT_EQ(LoadFrom(path).*(GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, IntKeyTest, testing::ValuesIn(kIntKeyCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct FilesInFlightCase {
    const char* name;
    const char* value;  // null: no key
    std::int32_t expected;
};

const FilesInFlightCase kFilesInFlightCases[] = {
    {"NoKeyIsAuto", nullptr, 0},     {"Auto", "auto", 0},        {"One", "1", 1},
    {"EightWithBlanks", " 8 ", 8},   {"NineIsAuto", "9", 0},     {"ZeroIsAuto", "0", 0},
    {"NegativeIsAuto", "-2", 0},     {"WordIsAuto", "fast", 0},  {"TrailingTextIsAuto", "4x", 0},
};

class FilesInFlightKeyTest : public testing::TestWithParam<FilesInFlightCase> {};

// A key of the program's own: read, and kept as the user wrote it when the settings are saved.
TEST_P(FilesInFlightKeyTest, ReadsACountOneToEightElseAutoAndSavingKeepsTheKey)
{
    TempDir dir;
    const std::string line = GetParam().value ? std::string("FilesInFlight=") + GetParam().value + "\n" : "";
    const std::string path = dir.WriteFile("tallyfox.ini", "[Performance]\n" + line);
    IniProfile profile(path);
    const Settings settings = LoadSettings(profile);
    EXPECT_EQ(settings.filesInFlight, GetParam().expected);

    ASSERT_TRUE(SaveSettings(profile, settings, false));
    const IniProfile reread(path);
    EXPECT_EQ(reread.ReadString("Performance", "FilesInFlight").has_value(), GetParam().value != nullptr);
    EXPECT_EQ(LoadSettings(reread).filesInFlight, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, FilesInFlightKeyTest, testing::ValuesIn(kFilesInFlightCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SettingsStore, DamagedKeysGetDefaultsAndTheOthersAreRead)
{
    TempDir dir;
    const FontRecord font = DefaultFontRecord(144);
    const std::string goodFont = EncodeProfileStruct(font.ToBytes());
    const std::string path = dir.WriteFile(
        "tallyfox.ini", "\x01\x02junk\n[Setup]\nListViewColor=FAFBFC00F0F3FA00CF\nWindowPos=0100000001000000F8FF\n"
                        "Font=" + goodFont + "\nSizeType=0200000002\n[Recent Files]\nMenu0=/a.sfv\n\xFF\xFE\n");
    const Settings settings = LoadFrom(path);
    EXPECT_EQ(settings.rowColours, ListViewColorRecord{});
    EXPECT_FALSE(settings.windowPosStored);
    EXPECT_TRUE(settings.listFontStored);
    EXPECT_EQ(settings.listFont, font);
    EXPECT_EQ(settings.sizeType, 2);
    EXPECT_EQ(settings.recentFiles, std::vector<std::string>{"/a.sfv"});
}

struct RecentCase {
    const char* name;
    std::string section;
    std::vector<std::string> expected;
};

std::string MenuLines(int from, int to)
{
    std::string lines;
    for (int i = from; i <= to; ++i) {
        lines += "Menu" + std::to_string(i) + "=/lists/" + std::to_string(i) + ".sfv\n";
    }
    return lines;
}

std::vector<std::string> Paths(int from, int to)
{
    std::vector<std::string> paths;
    for (int i = from; i <= to; ++i) {
        paths.push_back("/lists/" + std::to_string(i) + ".sfv");
    }
    return paths;
}

const RecentCase kRecentCases[] = {
    {"FirstEmptyKeyEndsTheList", MenuLines(0, 2) + "Menu3=\nMenu4=/lists/4.sfv\n", Paths(0, 2)},
    {"FirstMissingKeyEndsTheList", MenuLines(0, 1) + MenuLines(3, 4), Paths(0, 1)},
    {"TwelveKeysReadTen", MenuLines(0, 11), Paths(0, 9)},
    {"DuplicatesKeptAsStored", "Menu0=/a.sfv\nMenu1=/A.SFV\nMenu2=/a.sfv\n", {"/a.sfv", "/A.SFV", "/a.sfv"}},
    {"KeysInOtherCase", "menu0=/x y.md5\nMENU1=/z.sfv\n", {"/x y.md5", "/z.sfv"}},
};

class RecentFilesTest : public testing::TestWithParam<RecentCase> {};

TEST_P(RecentFilesTest, ReadsUpToTheFirstGap)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", "[Recent Files]\n" + GetParam().section);
    EXPECT_EQ(LoadFrom(path).recentFiles, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SettingsStore, RecentFilesTest, testing::ValuesIn(kRecentCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(SettingsStore, EmptiedListLeavesTenEmptyKeys)
{
    TempDir dir;
    const std::string path = dir.WriteFile("tallyfox.ini", "[Recent Files]\n" + MenuLines(0, 4));
    IniProfile profile(path);
    Settings settings = LoadSettings(profile);
    settings.recentFiles.clear();
    ASSERT_TRUE(SaveSettings(profile, settings, false));

    const IniProfile reread(path);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(reread.ReadString("Recent Files", "Menu" + std::to_string(i)), "") << i;
    }
    EXPECT_TRUE(LoadSettings(reread).recentFiles.empty());
}

TEST(SettingsStore, SavedListSkipsPathsALineCannotHoldAndStopsAtTen)
{
    TempDir dir;
    const std::string path = dir.Folder() + "tallyfox.ini";
    IniProfile profile(path);
    Settings settings;
    settings.recentFiles = {"/a b.sfv", "", "/bad\nname.sfv", " /spaced.md5 "};
    const auto more = Paths(0, 9);
    settings.recentFiles.insert(settings.recentFiles.end(), more.begin(), more.end());
    ASSERT_TRUE(SaveSettings(profile, settings, false));

    std::vector<std::string> expected = {"/a b.sfv", " /spaced.md5 "};
    expected.insert(expected.end(), more.begin(), more.begin() + 8);
    EXPECT_EQ(LoadFrom(path).recentFiles, expected);
}

Settings ChangedSettings()
{
    Settings settings;
    settings.sizeType = 1;
    settings.autoScroll = 0;
    settings.fullRowSelect = 0;
    settings.rowColours = {0x00112233, 0x00445566};
    settings.windowPos = {1, 1, -8, -8, 1928, 1088};
    settings.listFont.colour = 0x000000FF;
    settings.listFont.logFont.lfHeight = -19;
    settings.listFont.logFont.lfWeight = 700;
    settings.listFont.logFont.lfItalic = 1;
    settings.listFont.logFont.lfCharSet = 0xA1;
    settings.listFont.logFont.lfPitchAndFamily = 0x22;
    settings.listFont.logFont.lfFaceName = "Noto Sans Mono";
    settings.recentFiles = {"/data/new.sfv", "/data/old.md5"};
    return settings;
}

TEST(SettingsStore, EverySettingSurvivesASaveAndALoad)
{
    TempDir dir;
    const std::string path = dir.Folder() + "tallyfox.ini";
    IniProfile profile(path);
    const Settings saved = ChangedSettings();
    ASSERT_TRUE(SaveSettings(profile, saved, false));

    const IniProfile reread(path);
    const Settings loaded = LoadSettings(reread);
    EXPECT_EQ(loaded.sizeType, saved.sizeType);
    EXPECT_EQ(loaded.autoScroll, saved.autoScroll);
    EXPECT_EQ(loaded.fullRowSelect, saved.fullRowSelect);
    EXPECT_EQ(loaded.rowColours, saved.rowColours);
    EXPECT_TRUE(loaded.windowPosStored);
    EXPECT_EQ(loaded.windowPos, saved.windowPos);
    EXPECT_TRUE(loaded.listFontStored);
    EXPECT_EQ(loaded.listFont, saved.listFont);
    EXPECT_EQ(loaded.recentFiles, saved.recentFiles);
    // The font is stored byte for byte as the record.
    EXPECT_EQ(reread.ReadString("Setup", "Font"), EncodeProfileStruct(saved.listFont.ToBytes()));
}

TEST(SettingsStore, NewFileHoldsTheKnownValueTexts)
{
    TempDir dir;
    const std::string path = dir.Folder() + "tallyfox.ini";
    IniProfile profile(path);
    ASSERT_TRUE(SaveSettings(profile, Settings{}, false));
    const std::string text = FileText(path);
    for (const char* line : {"[Setup]\n", "ListViewColor=FAFBFC00F0F3FA00CE\n", "AutoScroll=0100000001\n",
                             "FullRowSelect=0100000001\n", "SizeType=0000000000\n", "[Recent Files]\n",
                             "Menu0=\n", "Menu9=\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
    }
}

TEST(SettingsStore, SavingWhileMinimizedKeepsTheOldWindowPos)
{
    TempDir dir;
    const WindowPosRecord old{0, 1, 10, 20, 810, 620};
    const std::string path =
        dir.WriteFile("tallyfox.ini", "[Setup]\nWindowPos=" + EncodeProfileStruct(old.ToBytes()) + "\n");
    IniProfile profile(path);
    Settings settings = ChangedSettings();
    settings.windowPos = {0, 1, -32000, -32000, -31840, -31970}; // where a minimized window sits
    ASSERT_TRUE(SaveSettings(profile, settings, true));

    const Settings loaded = LoadFrom(path);
    EXPECT_EQ(loaded.windowPos, old);
    EXPECT_EQ(loaded.sizeType, 1);
    EXPECT_EQ(loaded.listFont, settings.listFont);
    EXPECT_EQ(loaded.recentFiles, settings.recentFiles);
}

} // namespace
