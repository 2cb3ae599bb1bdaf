// The file reader goes on after short reads and after reads interrupted by a signal.
//
// This test program has its own read(): for reads into the test's buffer it fails
// every other call with EINTR and hands out at most a few bytes per call, the way a
// pipe fed in small pieces and a signal arriving mid-read do. Every other read goes
// to the system unchanged.

#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr std::size_t kPieceSize = 7;

std::atomic<unsigned char*> g_begin{nullptr};
std::atomic<unsigned char*> g_end{nullptr};
std::atomic<int> g_calls{0};
std::atomic<int> g_interrupted{0};

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    auto* at = static_cast<unsigned char*>(buffer);
    if (at >= g_begin.load() && at < g_end.load()) {
        if (g_calls.fetch_add(1) % 2 == 0) {
            ++g_interrupted;
            errno = EINTR;
            return -1;
        }
        count = std::min(count, kPieceSize);
    }
    return syscall(SYS_read, fd, buffer, count);
}

namespace {

TEST(ReadOnlyFile, ShortAndInterruptedReadsStillFillTheBuffer)
{
    TempDir dir;
    const std::string path = dir.WritePatternFile("pieces", 10000, 5);
    std::ifstream stream(path, std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());

    ReadOnlyFile file(path);
    ASSERT_TRUE(file.IsOpen());
    unsigned char buffer[4096];
    g_begin = buffer;
    g_end = buffer + sizeof buffer;
    std::string read;
    ReadOnlyFile::FillResult filled;
    do {
        filled = file.Fill(buffer, sizeof buffer);
        ASSERT_EQ(filled.error, 0);
        // Only the end of the file leaves the buffer part-filled.
        if (read.size() + sizeof buffer <= expected.size()) {
            ASSERT_EQ(filled.bytes, sizeof buffer);
        }
        read.append(reinterpret_cast<const char*>(buffer), filled.bytes);
    } while (filled.bytes == sizeof buffer);
    g_begin = nullptr;
    g_end = nullptr;

    EXPECT_EQ(read, expected);
    EXPECT_GT(g_interrupted.load(), 1000);  // the reads really were cut short and interrupted
}

}  // namespace
