// A batch of files opened together comes out as each file opened alone would: the same
// open errors (devices and FIFOs never opened), sizes and bytes, through io_uring and
// one file at a time alike.

#include "filebatchreader.h"
#include "filesize.h"
#include "readonlyfile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kLimit = 8192;

// The whole file in fills of 3000 bytes, with "!<errno>" appended after a read error.
std::string Drain(ReadOnlyFile& file)
{
    std::string text;
    std::vector<unsigned char> buffer(3000);
    for (;;) {
        const ReadOnlyFile::FillResult filled = file.Fill(buffer.data(), buffer.size());
        text.append(reinterpret_cast<const char*>(buffer.data()), filled.bytes);
        if (filled.error != 0) {
            return text + "!" + std::to_string(filled.error);
        }
        if (filled.bytes < buffer.size()) {
            return text;
        }
    }
}

struct Entry {
    std::string name;
    std::string path;
};

// Every kind of entry a list may name, in one batch.
std::vector<Entry> MakeEntries(const TempDir& dir)
{
    std::vector<Entry> entries = {
        {"one byte", dir.WritePatternFile("one", 1, 1)},
        {"limit less a byte", dir.WritePatternFile("below", kLimit - 1, 2)},
        {"exactly the limit", dir.WritePatternFile("limit", kLimit, 3)},
        {"limit and a byte (left open)", dir.WritePatternFile("above", kLimit + 1, 4)},
        {"empty", dir.WriteFile("empty", "")},
        {"missing", dir.Folder() + "missing"},
        {"folder", dir.Folder()},
        {"FIFO", dir.Folder() + "fifo"},
        {"character device", "/dev/null"},
        {"link to a file", dir.Folder() + "link"},
        {"link to nothing", dir.Folder() + "dangling"},
    };
    EXPECT_EQ(::mkfifo(entries[7].path.c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.Folder() + "one", entries[9].path);
    std::filesystem::create_symlink(dir.Folder() + "nowhere", entries[10].path);
    // A file whose size says more than a read gives.
    if (::access("/sys/kernel/mm/transparent_hugepage/enabled", R_OK) == 0) {
        entries.push_back({"sysfs file", "/sys/kernel/mm/transparent_hugepage/enabled"});
    }
    return entries;
}

TEST(FileBatchReader, EveryEntryComesOutAsOpeningItAloneWould)
{
    TempDir dir;
    const std::vector<Entry> entries = MakeEntries(dir);
    std::vector<AnchoredPath> paths;
    for (const Entry& entry : entries) {
        paths.push_back({AT_FDCWD, entry.path.c_str()});
    }
    for (const bool ring : {true, false}) {
        FileBatchReader reader(kLimit);
        if (!ring) {
            reader.UseOneAtATime();
        } else if (!reader.UsesRing()) {
            continue;  // no io_uring here: the other way is the only one
        }
        std::vector<ReadOnlyFile> batch = reader.Open(paths);
        ASSERT_EQ(batch.size(), entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string name = entries[i].name + (ring ? ", io_uring" : ", one at a time");
            ReadOnlyFile alone(entries[i].path);
            const bool readAhead = alone.PreRead(kLimit);
            EXPECT_EQ(batch[i].IsOpen(), alone.IsOpen()) << name;
            EXPECT_EQ(batch[i].OpenError(), alone.OpenError()) << name;
            EXPECT_EQ(batch[i].Size(), alone.Size()) << name;
            EXPECT_EQ(batch[i].Descriptor() < 0, !alone.IsOpen() || readAhead) << name;
            EXPECT_EQ(Drain(batch[i]), Drain(alone)) << name;
        }
    }
}

TEST(FileBatchReader, SizesAreAsQueryFileSizeGivesThem)
{
    TempDir dir;
    const std::vector<Entry> entries = MakeEntries(dir);
    std::vector<AnchoredPath> paths;
    for (const Entry& entry : entries) {
        paths.push_back({AT_FDCWD, entry.path.c_str()});
    }
    constexpr std::uint64_t kAbsent = ~std::uint64_t{0};
    for (const bool ring : {true, false}) {
        FileBatchReader reader(0);
        if (!ring) {
            reader.UseOneAtATime();
        }
        std::vector<std::uint64_t> sizes(entries.size(), 0);
        reader.QuerySizes(paths, sizes, kAbsent);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            std::uint64_t size = 0;
            const bool found = QueryFileSize(entries[i].path, size);
            EXPECT_EQ(sizes[i], found ? size : kAbsent) << entries[i].name << (ring ? ", io_uring" : "");
        }
    }
}

TEST(FileBatchReader, LooksAreAsStatGivesThem)
{
    TempDir dir;
    const std::vector<Entry> entries = MakeEntries(dir);
    std::vector<AnchoredPath> paths;
    for (const Entry& entry : entries) {
        paths.push_back({AT_FDCWD, entry.path.c_str()});
    }
    for (const bool ring : {true, false}) {
        FileBatchReader reader(0);
        if (!ring) {
            reader.UseOneAtATime();
        }
        const std::vector<std::optional<struct stat>> looks = reader.Look(paths);
        ASSERT_EQ(looks.size(), entries.size());
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::string name = entries[i].name + (ring ? ", io_uring" : "");
            struct stat expected {};
            ASSERT_EQ(looks[i].has_value(), ::stat(entries[i].path.c_str(), &expected) == 0) << name;
            if (looks[i]) {
                EXPECT_EQ(looks[i]->st_mode, expected.st_mode) << name;
                EXPECT_EQ(looks[i]->st_size, expected.st_size) << name;
                EXPECT_EQ(looks[i]->st_dev, expected.st_dev) << name;
                EXPECT_EQ(looks[i]->st_ino, expected.st_ino) << name;
                EXPECT_EQ(looks[i]->st_mtim.tv_sec, expected.st_mtim.tv_sec) << name;
                EXPECT_EQ(looks[i]->st_mtim.tv_nsec, expected.st_mtim.tv_nsec) << name;
            }
        }
    }
}

TEST(FileBatchReader, AFullBatchKeepsItsOrder)
{
    TempDir dir;
    std::vector<std::string> names;
    std::vector<AnchoredPath> paths;
    for (std::size_t i = 0; i < FileBatchReader::kMaxBatch; ++i) {
        names.push_back(dir.WritePatternFile("f" + std::to_string(i), 100 + i, static_cast<unsigned>(i)));
    }
    for (const std::string& name : names) {
        paths.push_back({AT_FDCWD, name.c_str()});
    }
    FileBatchReader reader(kLimit);
    std::vector<ReadOnlyFile> batch = reader.Open(paths);
    ASSERT_EQ(batch.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(Drain(batch[i]), ReadBytes(names[i])) << names[i];
    }
}

}  // namespace
