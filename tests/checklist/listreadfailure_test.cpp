// A list whose read fails is never taken for a complete list.

#include "listlinereader.h"
#include "listreader.h"

#include <gtest/gtest.h>

#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A stream that hands out `text` and then fails as a disk read error does.
struct FailingSource {
    std::string_view text;
    std::size_t offset = 0;
};

ssize_t ReadThenFail(void* cookie, char* buffer, std::size_t size)
{
    auto& source = *static_cast<FailingSource*>(cookie);
    if (source.offset >= source.text.size()) {
        errno = EIO;
        return -1;
    }
    const std::size_t count = std::min(size, source.text.size() - source.offset);
    std::memcpy(buffer, source.text.data() + source.offset, count);
    source.offset += count;
    return static_cast<ssize_t>(count);
}

TEST(ListReadFailure, AReadErrorPartWayIsReportedAfterTheLinesBeforeIt)
{
    FailingSource source{"a.txt 00000000\nb.txt 11111111\nc.t"};
    cookie_io_functions_t functions{};
    functions.read = ReadThenFail;
    std::FILE* stream = fopencookie(&source, "r", functions);
    ASSERT_NE(stream, nullptr);

    ListLineReader reader(stream);
    std::vector<std::string> lines;
    std::string line;
    while (reader.ReadListLine(line)) {
        lines.push_back(line);
    }
    std::fclose(stream);
    EXPECT_TRUE(reader.Failed());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "a.txt 00000000");
    EXPECT_EQ(lines[1], "b.txt 11111111");
}

TEST(ListReadFailure, AFileThatCannotBeReadThroughIsNotLoaded)
{
    // A regular file by its type whose reads fail: the process's own memory, read
    // from address 0.
    const LoadOutcome outcome = LoadChecksumList("/proc/self/mem", "/proc/self/", ListKind::Sfv, 0);
    EXPECT_EQ(outcome.status, LoadStatus::OpenFailed);
    EXPECT_EQ(outcome.EntryCount(), 0);
}

}  // namespace
