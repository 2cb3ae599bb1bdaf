#include "iniplace.h"

#include "tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct PlaceCase {
    const char* name;
    const char* programPath;
    bool besideWritable;
    const char* xdgConfigHome;
    const char* home;
    const char* expected;
};

const PlaceCase kCases[] = {
    {"ExeExtensionReplaced", "/opt/x/Tallyfox.exe", true, nullptr, "/home/u", "/opt/x/Tallyfox.ini"},
    {"UpperCaseExeReplaced", "/opt/x/TALLYFOX.EXE", true, nullptr, "/home/u", "/opt/x/TALLYFOX.ini"},
    {"PlainProgramNameGetsIni", "/opt/x/tallyfox", true, nullptr, "/home/u", "/opt/x/tallyfox.ini"},
    {"OtherExtensionKept", "/opt/x/tallyfox.bin", true, nullptr, "/home/u", "/opt/x/tallyfox.bin.ini"},
    {"ExeInFolderNameOnly", "/opt/x.exe/tallyfox", true, nullptr, "/home/u", "/opt/x.exe/tallyfox.ini"},
    {"WritableIgnoresXdg", "/opt/x/tallyfox", true, "/cfg", "/home/u", "/opt/x/tallyfox.ini"},
    {"UnwritableUsesXdg", "/usr/bin/tallyfox", false, "/cfg", "/home/u", "/cfg/tallyfox/tallyfox.ini"},
    {"XdgTrailingSlash", "/usr/bin/tallyfox", false, "/cfg/", "/home/u", "/cfg/tallyfox/tallyfox.ini"},
    {"XdgUnsetUsesHomeConfig", "/usr/bin/tallyfox", false, nullptr, "/home/u",
     "/home/u/.config/tallyfox/tallyfox.ini"},
    {"XdgEmptyUsesHomeConfig", "/usr/bin/tallyfox", false, "", "/home/u", "/home/u/.config/tallyfox/tallyfox.ini"},
    {"XdgRelativeUsesHomeConfig", "/usr/bin/tallyfox", false, "cfg", "/home/u/",
     "/home/u/.config/tallyfox/tallyfox.ini"},
    {"NoUserPlaceStaysBeside", "/usr/bin/tallyfox", false, nullptr, nullptr, "/usr/bin/tallyfox.ini"},
};

class IniPlaceTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(IniPlaceTest, FollowsThePlaceRule)
{
    const PlaceCase& c = GetParam();
    EXPECT_EQ(ChooseIniPath(c.programPath, c.besideWritable, c.xdgConfigHome, c.home), c.expected);
}

INSTANTIATE_TEST_SUITE_P(IniPlace, IniPlaceTest, testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct FilesCase {
    const char* name;
    bool besideWritable;
    bool besideExists;
    bool perUserExists;
    const char* readPath;
    const char* writePath;
};

class IniFilesTest : public testing::TestWithParam<FilesCase> {};

// Settings that cannot be saved beside the program are still read from there until
// the per-user file exists.
TEST_P(IniFilesTest, ReadFromWhereTheSettingsAre)
{
    const FilesCase& c = GetParam();
    const IniFiles files =
        ChooseIniFiles("/usr/bin/tallyfox", c.besideWritable, c.besideExists, c.perUserExists, "/cfg", "/home/u");
    EXPECT_EQ(files.readPath, c.readPath);
    EXPECT_EQ(files.writePath, c.writePath);
}

INSTANTIATE_TEST_SUITE_P(
    IniPlace, IniFilesTest,
    testing::Values(
        FilesCase{"WritableBeside", true, true, false, "/usr/bin/tallyfox.ini", "/usr/bin/tallyfox.ini"},
        FilesCase{"ReadOnlyBesideMovesWithItsContent", false, true, false, "/usr/bin/tallyfox.ini",
                  "/cfg/tallyfox/tallyfox.ini"},
        FilesCase{"AlreadyMoved", false, true, true, "/cfg/tallyfox/tallyfox.ini", "/cfg/tallyfox/tallyfox.ini"},
        FilesCase{"NothingBeside", false, false, false, "/cfg/tallyfox/tallyfox.ini", "/cfg/tallyfox/tallyfox.ini"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(IniPlace, WritablePlaceNeedsAWritableFolderAndFile)
{
    TempDir dir;
    EXPECT_TRUE(IsWritablePlace(dir.Folder() + "tallyfox.ini")) << "a missing file in a writable folder";
    dir.WriteFile("present.ini", "[Setup]\n");
    EXPECT_TRUE(IsWritablePlace(dir.Folder() + "present.ini"));
    EXPECT_FALSE(IsWritablePlace(dir.Folder() + "missing/tallyfox.ini"));
    std::filesystem::create_directory(dir.Path() / "folder.ini");
    EXPECT_FALSE(IsWritablePlace(dir.Folder() + "folder.ini")) << "a folder cannot be replaced by the file";

    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind the superuser; runs again unprivileged under CTest";
    }
    ::chmod((dir.Path() / "present.ini").c_str(), 0444);
    EXPECT_FALSE(IsWritablePlace(dir.Folder() + "present.ini")) << "read-only file";
    ::chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(IsWritablePlace(dir.Folder() + "tallyfox.ini")) << "read-only folder";
}

TEST(IniPlace, LocatesTheFileBesideAProgramInAWritableFolder)
{
    TempDir dir;
    EXPECT_EQ(LocateIniFile(dir.Folder() + "tallyfox"), dir.Folder() + "tallyfox.ini");
}

// Root can write /usr/bin, but an installed program's folder is its package's.
TEST(IniPlace, InstalledProgramKeepsItsSettingsPerUserInAWritableFolder)
{
    TempDir dir;
    const char* before = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = before != nullptr ? before : "";
    ::setenv("XDG_CONFIG_HOME", (dir.Folder() + "config").c_str(), 1);
    const IniFiles files = LocateIniFiles(dir.Folder() + "tallyfox", true);
    if (before != nullptr) {
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
    EXPECT_EQ(files.writePath, dir.Folder() + "config/tallyfox/tallyfox.ini");
}

} // namespace
