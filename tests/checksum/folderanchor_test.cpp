#include "filesize.h"
#include "folderanchor.h"
#include "readonlyfile.h"

#include "tempdir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

std::string ContentOf(ReadOnlyFile& file)
{
    unsigned char buffer[64];
    const ReadOnlyFile::FillResult filled = file.Fill(buffer, sizeof buffer);
    return std::string(reinterpret_cast<const char*>(buffer), filled.bytes);
}

struct AnchorCase {
    const char* name;
    const char* anchorFolder;  // below the temporary folder; "-" for none
    const char* path;          // below the temporary folder
    const char* expected;      // the content read; "" when the file is not found
};

class FolderAnchorTest : public ::testing::TestWithParam<AnchorCase> {
protected:
    void SetUp() override
    {
        m_dir.WriteFile("list/a.bin", "in the folder");
        m_dir.WriteFile("list/sub/b.bin", "in a subfolder");
        m_dir.WriteFile("listed.bin", "beside the folder");
        m_dir.WriteFile("other/c.bin", "elsewhere");
    }

    TempDir m_dir;
};

// Whether a path is looked up from the folder or whole, it names the same file.
TEST_P(FolderAnchorTest, APathNamesTheSameFileWithOrWithoutTheAnchor)
{
    const AnchorCase& c = GetParam();
    const std::string folder = std::string(c.anchorFolder) == "-" ? std::string() : m_dir.Folder() + c.anchorFolder;
    const FolderAnchor anchor(folder);
    const std::string path = m_dir.Folder() + c.path;

    ReadOnlyFile file(anchor.Anchor(path));
    EXPECT_EQ(ContentOf(file), c.expected);
    std::uint64_t size = 0;
    EXPECT_EQ(QueryFileSize(anchor.Anchor(path), size), std::string(c.expected).size() > 0);
    ReadOnlyFile again(anchor.Anchor(path));
    again.Revalidate(anchor.Anchor(path));
    EXPECT_EQ(ContentOf(again), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FolderAnchorTest,
    ::testing::Values(AnchorCase{"InTheFolder", "list/", "list/a.bin", "in the folder"},
                      AnchorCase{"InASubfolder", "list/", "list/sub/b.bin", "in a subfolder"},
                      AnchorCase{"OutOfTheFolderByDotDot", "list/", "list/../other/c.bin", "elsewhere"},
                      AnchorCase{"BesideTheFolderSharingItsNamesStart", "list/", "listed.bin", "beside the folder"},
                      AnchorCase{"FolderWithoutSlash", "list", "list/a.bin", "in the folder"},
                      AnchorCase{"Elsewhere", "list/", "other/c.bin", "elsewhere"},
                      AnchorCase{"MissingInTheFolder", "list/", "list/none.bin", ""},
                      AnchorCase{"FolderThatDoesNotExist", "gone/", "list/a.bin", "in the folder"},
                      AnchorCase{"NoAnchor", "-", "list/sub/b.bin", "in a subfolder"}),
    [](const ::testing::TestParamInfo<AnchorCase>& row) { return std::string(row.param.name); });

}  // namespace
