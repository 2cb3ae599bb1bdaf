#include "atomicfile.h"

#include "filetext.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

struct FailureCase {
    const char* name;
    void (*prepare)(const TempDir& dir);
};

// Each fails only after the temporary file exists, so its removal is what is tested.
const FailureCase kFailures[] = {
    {"FolderInPlaceOfTheFile", [](const TempDir& dir) { std::filesystem::create_directory(dir.Path() / "tallyfox.ini"); }},
    {"FolderWithContentInPlace",
     [](const TempDir& dir) { dir.WriteFile("tallyfox.ini/inner", "keep"); }},
};

class AtomicFileFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(AtomicFileFailure, ReturnsFalseAndLeavesTheFolderAsItWas)
{
    TempDir dir;
    GetParam().prepare(dir);
    auto before = FolderEntries(dir.Path());
    EXPECT_FALSE(WriteFileAtomically(dir.Folder() + "tallyfox.ini", "new"));
    auto after = FolderEntries(dir.Path());
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, before);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "tallyfox.ini"));
}

INSTANTIATE_TEST_SUITE_P(AtomicFile, AtomicFileFailure, testing::ValuesIn(kFailures),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(AtomicFile, DanglingSymbolicLinkIsNotReplaced)
{
    TempDir dir;
    const std::string link = dir.Folder() + "tallyfox.ini";
    std::filesystem::create_symlink(dir.Folder() + "missing/target.ini", link);
    EXPECT_FALSE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

} // namespace
