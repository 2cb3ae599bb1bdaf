#include "installlocation.h"

#include "desktopentry.h"
#include "fileassociations.h"
#include "mimepackage.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct InstallRow {
    std::string name;
    std::string program;  // relative to the scratch folder
    bool withEntry;       // share/applications/tallyfox.desktop in place
    bool installed;
};

class InstalledProgram : public testing::TestWithParam<InstallRow> {};

// A scratch prefix: bin/tallyfox, a link bin-link -> bin, and elsewhere/tallyfox.
TEST_P(InstalledProgram, IsTheBindirsProgramWithItsDesktopEntry)
{
    TempDir dir;
    dir.WriteFile("bin/tallyfox", "program");
    dir.WriteFile("elsewhere/tallyfox", "program");
    std::filesystem::create_directory_symlink(dir.Path() / "bin", dir.Path() / "bin-link");
    if (GetParam().withEntry) {
        dir.WriteFile("share/applications/tallyfox.desktop", "[Desktop Entry]\n");
    }
    const InstallLayout layout{dir.Folder() + "bin-link", dir.Folder() + "share"};
    EXPECT_EQ(IsInstalledProgram(dir.Folder() + GetParam().program, layout), GetParam().installed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, InstalledProgram,
    testing::Values(InstallRow{"InBindirWithEntry", "bin/tallyfox", true, true},
                    InstallRow{"InBindirWithoutEntry", "bin/tallyfox", false, false},
                    InstallRow{"BuildFolderCopy", "elsewhere/tallyfox", true, false},
                    InstallRow{"NoSuchProgram", "bin/missing", true, false}),
    [](const testing::TestParamInfo<InstallRow>& row) { return row.param.name; });

// The desktop entry and MIME types the package installs are what the program writes for
// a user, so an installed and a build-folder Tallyfox look the same on the desktop.
TEST(PackagedFiles, AreWhatTheProgramWritesForItself)
{
    DesktopEntry entry;
    entry.programPath = "tallyfox";
    entry.iconName = "tallyfox";
    entry.mimeTypes = {"text/x-sfv", "text/x-md5"};
    EXPECT_EQ(ReadBytes(TALLYFOX_DATA_DIR "/tallyfox.desktop"), DesktopEntryText(entry));

    const std::vector<MimePackageType> types{
        {"text/x-sfv", "*.sfv", std::string(kSfvDescription)},
        {"text/x-md5", "*.md5", std::string(kMd5Description)},
    };
    EXPECT_EQ(ReadBytes(TALLYFOX_DATA_DIR "/tallyfox-mime.xml"), MimePackageText(types));
}

}  // namespace
