// A file read whole ahead hands out exactly what reading it then would have.

#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
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

// Reading goes on to the end of the file as it is then, not to the size seen at open.
TEST(ReadOnlyFileCurrent, ReadsToTheEndOfAFileThatGrewAfterItWasOpened)
{
    TempDir dir;
    const std::string path = dir.WriteFile("log", "first");
    for (std::size_t chunk : {2u, 4096u}) {
        dir.WriteFile("log", "first");
        ReadOnlyFile file(path);
        ASSERT_EQ(file.Size(), 5u);
        unsigned char head[2];
        ASSERT_EQ(file.Fill(head, sizeof head).bytes, 2u);
        std::ofstream(path, std::ios::app) << " and more";
        EXPECT_EQ(Drain(file, chunk), "rst and more") << "fills of " << chunk;
    }
}

enum class Change { AppendInPlace, RewriteSameSizeInPlace, ReplaceByRename, Remove, Create };

struct ChangeCase {
    const char* name;
    bool readAhead;
    Change change;
};

void ApplyChange(const TempDir& dir, const std::string& path, Change change)
{
    switch (change) {
    case Change::AppendInPlace: std::ofstream(path, std::ios::app) << "+tail"; break;
    case Change::RewriteSameSizeInPlace: std::ofstream(path, std::ios::in | std::ios::out) << "NEW"; break;
    case Change::ReplaceByRename:
        std::filesystem::rename(dir.WriteFile("other", "replaced"), path);
        break;
    case Change::Remove: std::filesystem::remove(path); break;
    case Change::Create: dir.WriteFile("f", "created"); break;
    }
}

class ReadOnlyFileChangedTest : public testing::TestWithParam<ChangeCase> {};

// A file opened (or read) ahead and changed before its turn is read as it is at its turn.
TEST_P(ReadOnlyFileChangedTest, IsReadAsItIsAtItsTurn)
{
    TempDir dir;
    const std::string path = dir.Folder() + "f";
    if (GetParam().change != Change::Create) {
        dir.WriteFile("f", "old bytes");
    }
    ReadOnlyFile file(path);
    if (GetParam().readAhead) {
        ASSERT_TRUE(file.PreRead(1024));
    }
    ApplyChange(dir, path, GetParam().change);
    file.Revalidate(path);

    std::ifstream in(path, std::ios::binary);
    const std::string now((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ReadOnlyFile fresh(path);
    EXPECT_EQ(file.IsOpen(), fresh.IsOpen());
    EXPECT_EQ(file.OpenError(), fresh.OpenError());
    EXPECT_EQ(file.Size(), fresh.Size());
    EXPECT_EQ(Drain(file, 4096), now);
}

INSTANTIATE_TEST_SUITE_P(
    ReadOnlyFileCurrent, ReadOnlyFileChangedTest,
    testing::Values(ChangeCase{"AppendedAfterOpen", false, Change::AppendInPlace},
                    ChangeCase{"AppendedAfterReadAhead", true, Change::AppendInPlace},
                    ChangeCase{"RewrittenSameSizeAfterReadAhead", true, Change::RewriteSameSizeInPlace},
                    ChangeCase{"ReplacedAfterOpen", false, Change::ReplaceByRename},
                    ChangeCase{"ReplacedAfterReadAhead", true, Change::ReplaceByRename},
                    ChangeCase{"RemovedAfterOpen", false, Change::Remove},
                    ChangeCase{"RemovedAfterReadAhead", true, Change::Remove},
                    ChangeCase{"CreatedAfterAFailedOpen", false, Change::Create}),
    [](const auto& row) { return std::string(row.param.name); });

struct KindCase {
    const char* name;
    std::string target;  // what the entry's symbolic link points at
    int error;
};

class ReadOnlyFileKindTest : public testing::TestWithParam<KindCase> {};

// Only a regular file (also through a symbolic link) is a file; anything else is refused.
TEST_P(ReadOnlyFileKindTest, OnlyRegularFilesOpen)
{
    TempDir dir;
    dir.WriteFile("regular", "abc");
    std::filesystem::create_directory(dir.Path() / "folder");
    ASSERT_EQ(::mkfifo((dir.Folder() + "fifo").c_str(), 0600), 0);
    const std::string target = GetParam().target.front() == '/' ? GetParam().target : dir.Folder() + GetParam().target;
    std::filesystem::create_symlink(target, dir.Path() / "entry");

    const ReadOnlyFile file(dir.Folder() + "entry");
    EXPECT_EQ(file.IsOpen(), GetParam().error == 0);
    EXPECT_EQ(file.OpenError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(ReadOnlyFileKinds, ReadOnlyFileKindTest,
                         testing::Values(KindCase{"RegularFile", "regular", 0}, KindCase{"Folder", "folder", EISDIR},
                                         KindCase{"Fifo", "fifo", ENODEV}, KindCase{"CharacterDevice", "/dev/zero", ENODEV},
                                         KindCase{"Missing", "nowhere", ENOENT}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
