// Rotating-disk detection on a made-up block-device tree, and the choice of how many
// files a run keeps in flight.

#include "filesinflight.h"
#include "parallelreadprobe.h"
#include "rotationaldisk.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A sysfs tree with a device folder under devices/ and its dev/block/MAJ:MIN link.
class FakeSysfs {
public:
    // `device` relative to devices/, e.g. "pci0/block/sda/sda1".
    void AddDevice(unsigned major, unsigned minor, const std::string& device)
    {
        fs::create_directories(Root() / "devices" / device);
        fs::create_directories(Root() / "dev" / "block");
        fs::create_directory_symlink(fs::path("../../devices") / device,
                                     Root() / "dev" / "block" / (std::to_string(major) + ":" + std::to_string(minor)));
    }
    void WriteFile(const std::string& path, const std::string& text)
    {
        fs::create_directories((Root() / path).parent_path());
        std::ofstream(Root() / path) << text;
    }
    [[nodiscard]] fs::path Root() const { return m_dir.Path() / "sys"; }

private:
    TempDir m_dir;
};

struct DeviceCase {
    const char* name;
    void (*build)(FakeSysfs& sysfs);
    std::optional<bool> rotating;  // of device 8:1
};

class RotatingDevice : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(RotatingDevice, AnswersFromTheDiskOrTheDeviceItself)
{
    FakeSysfs sysfs;
    GetParam().build(sysfs);
    EXPECT_EQ(IsRotatingDevice(8, 1, sysfs.Root().string()), GetParam().rotating);
}

INSTANTIATE_TEST_SUITE_P(
    Sysfs, RotatingDevice,
    testing::Values(
        DeviceCase{"PartitionOfARotatingDisk",
                   [](FakeSysfs& s) {
                       s.AddDevice(8, 1, "pci0/block/sda/sda1");
                       s.WriteFile("devices/pci0/block/sda/sda1/partition", "1\n");
                       s.WriteFile("devices/pci0/block/sda/queue/rotational", "1\n");
                   },
                   true},
        DeviceCase{"PartitionOfASolidStateDisk",
                   [](FakeSysfs& s) {
                       s.AddDevice(8, 1, "pci0/block/nvme0n1/nvme0n1p1");
                       s.WriteFile("devices/pci0/block/nvme0n1/nvme0n1p1/partition", "1\n");
                       s.WriteFile("devices/pci0/block/nvme0n1/queue/rotational", "0\n");
                   },
                   false},
        DeviceCase{"WholeDiskWithItsOwnQueue",
                   [](FakeSysfs& s) {
                       s.AddDevice(8, 1, "pci0/block/sdb");
                       s.WriteFile("devices/pci0/block/sdb/queue/rotational", "1\n");
                   },
                   true},
        DeviceCase{"DeviceMapperByItsOwnQueue",
                   [](FakeSysfs& s) {
                       s.AddDevice(8, 1, "virtual/block/dm-0");
                       s.WriteFile("devices/virtual/block/dm-0/queue/rotational", "0\n");
                   },
                   false},
        DeviceCase{"DeviceNotInTheTree", [](FakeSysfs& s) { s.AddDevice(8, 2, "pci0/block/sdc"); }, std::nullopt},
        DeviceCase{"DeviceWithoutAQueue", [](FakeSysfs& s) { s.AddDevice(8, 1, "virtual/block/zram0"); },
                   std::nullopt},
        DeviceCase{"UnreadableValue",
                   [](FakeSysfs& s) {
                       s.AddDevice(8, 1, "pci0/block/sdd");
                       s.WriteFile("devices/pci0/block/sdd/queue/rotational", "maybe\n");
                   },
                   std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

// The major and minor numbers of the device a folder lies on.
dev_t DeviceOf(const fs::path& folder)
{
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 ? info.st_dev : makedev(0, 0);
}

// The device of a real folder, marked rotating in one made-up tree and not in another.
// The files lie in a folder of their own in the temporary folder or, where that is on
// no block device (tmpfs), in the folder the tests run in (the build folder).
class FilesInFlightChoice : public ::testing::Test {
protected:
    void SetUp() override
    {
        dev_t device = DeviceOf(m_files.Path());
        m_folder = m_files.Path();
        if (major(device) == 0) {
            std::string pattern = (fs::current_path() / "files-in-flight-XXXXXX").string();
            if (::mkdtemp(pattern.data()) != nullptr) {
                m_ownFolder = m_folder = pattern;
                device = DeviceOf(m_folder);
            }
        }
        if (major(device) == 0) {
            GTEST_SKIP() << "neither the temporary folder (" << m_files.Path() << ") nor the current folder ("
                         << fs::current_path() << ") lies on a block device, so no device can be marked rotating";
        }
        for (const bool rotating : {true, false}) {
            FakeSysfs& tree = rotating ? m_rotating : m_solidState;
            tree.AddDevice(major(device), minor(device), "pci0/block/disk");
            tree.WriteFile("devices/pci0/block/disk/queue/rotational", rotating ? "1\n" : "0\n");
        }
    }
    void TearDown() override
    {
        if (!m_ownFolder.empty()) {
            std::error_code ignored;
            fs::remove_all(m_ownFolder, ignored);
        }
    }
    int Choose(const FakeSysfs& tree, int setting, int files) const
    {
        return FilesInFlight(setting, m_folder.string(), files, tree.Root().string());
    }
    std::string WriteFile(const std::string& name, const std::string& bytes) const
    {
        const fs::path path = m_folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    TempDir m_files;
    fs::path m_folder;     // where the files lie
    fs::path m_ownFolder;  // made here when the temporary folder is on no block device
    FakeSysfs m_rotating;
    FakeSysfs m_solidState;
};

TEST_F(FilesInFlightChoice, OneOnARotatingDiskElseOnePerThreadUpToEightUnlessForced)
{
    const int perThread = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
    EXPECT_EQ(Choose(m_rotating, kFilesInFlightAuto, 100), 1);
    EXPECT_EQ(Choose(m_solidState, kFilesInFlightAuto, 100), perThread);
    EXPECT_EQ(Choose(m_solidState, kFilesInFlightAuto, 1), 1);
    EXPECT_EQ(Choose(m_rotating, 3, 100), 3);    // forced
    EXPECT_EQ(Choose(m_solidState, 1, 100), 1);  // forced
    EXPECT_EQ(Choose(m_rotating, 8, 5), 5);      // never more than the files
    EXPECT_EQ(Choose(m_rotating, 9, 100), 1);    // out of range: decided by the disk
    EXPECT_EQ(Choose(m_solidState, -1, 100), perThread);
    EXPECT_EQ(Choose(m_rotating, 3, 0), 1);
}

TEST_F(FilesInFlightChoice, FilesAlreadyInMemoryNeedNoRotatingDiskOrder)
{
    const int perThread = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 8);
    std::vector<std::string> paths;
    for (int i = 0; i < 20; ++i) {
        paths.push_back(WriteFile("f" + std::to_string(i), std::string(8192, 'x')));  // just written: cached
    }
    paths.push_back(WriteFile("empty", ""));
    const auto pathOf = [&paths](int index) { return paths[static_cast<std::size_t>(index)]; };
    const auto choose = [&](const FakeSysfs& tree, int setting, int files) {
        return FilesInFlight(setting, m_folder.string(), files, pathOf, tree.Root().string());
    };
    EXPECT_EQ(choose(m_rotating, kFilesInFlightAuto, 21), perThread);
    EXPECT_EQ(choose(m_rotating, 1, 21), 1) << "a forced count stands";
    EXPECT_EQ(choose(m_solidState, kFilesInFlightAuto, 21), perThread);
    paths[20] = (m_folder / "gone").string();  // the last file is always looked at
    EXPECT_EQ(choose(m_rotating, kFilesInFlightAuto, 21), 1) << "a sampled file that cannot be opened";
}

struct ProbeTimes {
    const char* name;
    double oneAfterAnother;
    double allAtOnce;
    bool pays;
};

// A disk that seeks per file gains little from asking for several at once; one that
// serves them together gains about as many times as were asked.
TEST(ParallelReadProbe, DecidesByHowMuchAskingAtOnceGains)
{
    static constexpr ProbeTimes kCases[] = {
        {"rotating: a seek per file either way", 0.040, 0.032, false},
        {"solid state: four served together", 0.0008, 0.0002, true},
        {"exactly the gain asked for", 0.002, 0.001, true},
        {"nothing measurable asked at once", 0.0001, 0.0, true},
    };
    for (const ProbeTimes& row : kCases) {
        EXPECT_EQ(ParallelReadsPay(row.oneAfterAnother, row.allAtOnce), row.pays) << row.name;
    }
}

// The probe reads only files that are not in memory: cached files (or too few uncached
// ones) leave the choice to what the disk says; evicted ones are measured.
TEST(ParallelReadProbe, MeasuresOnlyUncachedFiles)
{
    const TempDir dir;
    std::vector<std::string> paths;
    for (int i = 0; i < 4 * kProbeFiles; ++i) {
        paths.push_back(dir.WriteFile("f" + std::to_string(i), std::string(8192, 'y')));
    }
    const auto pathOf = [&paths](int index) { return paths[static_cast<std::size_t>(index)]; };
    const int files = static_cast<int>(paths.size());
    EXPECT_FALSE(ParallelReadsPay(files, pathOf).has_value()) << "all cached";
    for (const std::string& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        ASSERT_GE(fd, 0);
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
    if (SampledFilesCached(files, pathOf)) {
        GTEST_SKIP() << "this file system keeps files in memory (tmpfs): nothing to evict";
    }
    EXPECT_TRUE(ParallelReadsPay(files, pathOf).has_value()) << "evicted";
}

}  // namespace
