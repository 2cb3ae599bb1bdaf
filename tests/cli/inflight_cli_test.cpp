// Both tools with several files in flight: tallyfox-check prints in list order and
// tallyfox-create writes the files' lines in the order given, as with one at a time.

#include "tempdir.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <string>
#include <vector>

namespace {

// Large and small files in turn, so that later files finish first (the small ones of
// one to five BLAKE3 chunks); some changed or gone.
struct Files {
    TempDir dir;
    std::vector<std::string> paths;

    Files()
    {
        for (int i = 0; i < 40; ++i) {
            const std::size_t size = i % 5 == 0 ? (2 << 20) : static_cast<std::size_t>(10 * i + 1100 * (i % 4));
            paths.push_back(dir.WritePatternFile("f" + std::to_string(i) + ".bin", size, static_cast<unsigned>(i)));
        }
    }
};

Outcome RunTool(const char* tool, const TempDir& dir, const std::string& jobs, std::vector<std::string> args)
{
    args.insert(args.begin(), {"--jobs", jobs});
    return ToolProcess(tool, dir, std::move(args)).Wait();
}

// The text after the SFV header lines, which hold the time of writing.
std::string Entries(const std::string& list)
{
    std::string text = ReadAll(list);
    std::string kept;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end == std::string::npos ? std::string::npos : end - at + 1);
        if (line.rfind(";", 0) != 0) {
            kept += line;
        }
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return kept;
}

class ToolsInFlight : public testing::TestWithParam<const char*> {};

TEST_P(ToolsInFlight, OutputInListOrderAsWithOneFileAtATime)
{
    const std::string jobs = GetParam();
    Files files;
    for (const std::string kind : {"sfv", "md5", "b3"}) {
        const std::string list = files.dir.Folder() + "set." + kind;
        std::vector<std::string> args = {kind == "b3" ? "--blake3" : "--" + kind, "-o", list};
        args.insert(args.end(), files.paths.begin(), files.paths.end());
        ASSERT_EQ(RunTool(TALLYFOX_CREATE_PATH, files.dir, "1", args).exitCode, 0);
        const std::string single = Entries(list);
        ASSERT_EQ(RunTool(TALLYFOX_CREATE_PATH, files.dir, jobs, args).exitCode, 0);
        EXPECT_EQ(Entries(list), single) << kind;
    }

    // Change one file and remove another, then check the list both ways.
    files.dir.WritePatternFile("f7.bin", 70 + 1100 * 3, 99);  // its size kept
    std::filesystem::remove(files.paths[15]);
    for (const char* name : {"set.sfv", "set.b3"}) {
        const std::string list = files.dir.Folder() + name;
        const Outcome single = RunTool(TALLYFOX_CHECK_PATH, files.dir, "1", {list});
        const Outcome several = RunTool(TALLYFOX_CHECK_PATH, files.dir, jobs, {list});
        EXPECT_EQ(several.out, single.out) << name;
        EXPECT_EQ(several.exitCode, 1) << name;
        EXPECT_NE(single.out.find("f6.bin: OK\nf7.bin: BAD\nf8.bin: OK\n"), std::string::npos) << single.out;
        EXPECT_NE(single.out.find("f14.bin: OK\nf15.bin: MISSING\nf16.bin: OK\n"), std::string::npos) << single.out;
    }
}

INSTANTIATE_TEST_SUITE_P(Jobs, ToolsInFlight, testing::Values("2", "8", "auto"),
                         [](const auto& row) { return std::string(row.param); });

TEST(ToolsInFlight, JobsOutsideOneToEightIsAUsageError)
{
    TempDir dir;
    const std::string file = dir.WriteFile("a.txt", "abc");
    for (const char* jobs : {"0", "9", "many", ""}) {
        const Outcome check = RunTool(TALLYFOX_CHECK_PATH, dir, jobs, {dir.Folder() + "x.sfv"});
        EXPECT_EQ(check.exitCode, 2) << jobs;
        EXPECT_NE(check.err.find("--jobs"), std::string::npos) << check.err;
        const Outcome create = RunTool(TALLYFOX_CREATE_PATH, dir, jobs, {"--md5", "-o", dir.Folder() + "x.md5", file});
        EXPECT_EQ(create.exitCode, 2) << jobs;
        EXPECT_NE(create.err.find("--jobs"), std::string::npos) << create.err;
    }
    EXPECT_NE(RunTool(TALLYFOX_CHECK_PATH, dir, "auto", {"--help"}).out.find("--jobs"), std::string::npos);
    EXPECT_NE(RunTool(TALLYFOX_CREATE_PATH, dir, "auto", {"--help"}).out.find("--jobs"), std::string::npos);
}

}  // namespace
