// A file read whole ahead hands out exactly what reading it then would have.

#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Reads the whole file in fills of `chunk` bytes; the error, if any, is appended as "!<errno>".
std::string Drain(ReadOnlyFile& file, std::size_t chunk)
{
    std::string text;
    std::vector<unsigned char> buffer(chunk);
    for (;;) {
        const ReadOnlyFile::FillResult filled = file.Fill(buffer.data(), chunk);
        text.append(reinterpret_cast<const char*>(buffer.data()), filled.bytes);
        if (filled.error != 0) {
            return text + "!" + std::to_string(filled.error);
        }
        if (filled.bytes < chunk) {
            return text;
        }
    }
}

TEST(ReadOnlyFilePreRead, ServesTheSameBytesAsReadingTheFile)
{
    TempDir dir;
    for (std::size_t size : {1u, 1023u, 4096u, 4097u, 10000u}) {
        const std::string path = dir.WritePatternFile("f" + std::to_string(size), size, static_cast<unsigned>(size));
        for (std::size_t chunk : {1000u, 4096u, 65536u}) {
            ReadOnlyFile direct(path);
            ReadOnlyFile ahead(path);
            ASSERT_TRUE(ahead.PreRead(16384));
            EXPECT_TRUE(ahead.IsOpen());
            EXPECT_EQ(ahead.Size(), size);
            const std::string expected = Drain(direct, chunk);
            EXPECT_EQ(expected.size(), size);
            EXPECT_EQ(Drain(ahead, chunk), expected) << size << " in fills of " << chunk;
        }
    }
}

TEST(ReadOnlyFilePreRead, OnlySmallNonEmptyRegularFilesQualify)
{
    TempDir dir;
    ReadOnlyFile large(dir.WritePatternFile("large", 5000));
    EXPECT_FALSE(large.PreRead(4999));
    EXPECT_EQ(Drain(large, 4096).size(), 5000u);

    // A size of 0 may be a file whose length the system does not report: read it normally.
    ReadOnlyFile empty(dir.WriteFile("empty", ""));
    EXPECT_FALSE(empty.PreRead(4096));
    EXPECT_EQ(Drain(empty, 4096), "");

    ReadOnlyFile missing(dir.Folder() + "missing");
    EXPECT_FALSE(missing.PreRead(4096));
    EXPECT_FALSE(missing.IsOpen());
}

TEST(ReadOnlyFilePreRead, MovedFileKeepsWhatWasReadAhead)
{
    TempDir dir;
    ReadOnlyFile source(dir.WriteFile("text", "hello"));
    ASSERT_TRUE(source.PreRead(100));
    ReadOnlyFile moved = std::move(source);
    EXPECT_FALSE(source.IsOpen());
    EXPECT_EQ(Drain(moved, 2), "hello");
}

}  // namespace
