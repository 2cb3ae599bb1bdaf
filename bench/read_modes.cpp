// read() into a buffer against mmap, for each engine: the measurements behind the
// engines' choice of reading. Also evicts a file from the page cache and reports how
// much of it is cached, so uncached reads can be timed without root.
//
//   tallyfox_read_modes MODE ENGINE FILE|--files LIST [--repeat N] [--evict] [--buffer BYTES]
//       MODE:   read | mmap | mmap-seq | mmap-populate | mmap-huge
//       ENGINE: crc32 | md5 | sha256
//       --evict drops the files from the page cache before every pass (uncached reads)
//       --buffer reads into a buffer of BYTES instead of the engines' own (mode read)
//   tallyfox_read_modes buffer-size        print the engines' buffer size
//   tallyfox_read_modes evict FILE...      drop the files from the page cache
//   tallyfox_read_modes resident FILE...   print the cached share of each file (mincore)
//
// Output of a measurement, one line: <MB/s> <files/s> <MB per CPU second> (best of the
// passes by wall time)
#include "crc32engine.h"
#include "md5.h"
#include "readbuffer.h"
#include "shacontext.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Usage()
{
    std::fputs("usage: tallyfox_read_modes read|mmap|mmap-seq|mmap-populate|mmap-huge crc32|md5|sha256 "
               "FILE|--files LIST [--repeat N] [--evict]\n"
               "       tallyfox_read_modes evict|resident FILE...\n",
               stderr);
    std::exit(2);
}

void Evict(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

double ResidentShare(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || status.st_size == 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return 0;
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd, 0);
    ::close(fd);
    if (map == MAP_FAILED) {
        return 0;
    }
    const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> pages((size + page - 1) / page);
    double share = 0;
    if (::mincore(map, size, pages.data()) == 0) {
        share = static_cast<double>(std::count_if(pages.begin(), pages.end(), [](unsigned char p) { return p & 1; })) /
                static_cast<double>(pages.size());
    }
    ::munmap(map, size);
    return share;
}

// One hash of any engine over byte ranges.
class Hasher {
public:
    explicit Hasher(const std::string& engine)
        : m_engine(engine == "crc32" ? 0 : engine == "md5" ? 1 : engine == "sha256" ? 2 : -1)
    {
        if (m_engine < 0) {
            Usage();
        }
        m_crc.BuildTable();
    }
    void Start()
    {
        m_reg = 0xFFFFFFFFu;
        m_md5.Init();
        if (m_engine == 2) {
            m_sha = std::make_unique<ShaContext>(DigestAlgorithm::Sha256);
        }
    }
    void Update(const unsigned char* data, std::size_t length)
    {
        if (m_engine == 0) {
            m_reg = m_crc.Fold(m_reg, data, length);
        } else if (m_engine == 1) {
            m_md5.Update(data, length);
        } else {
            m_sha->Update(data, length);
        }
    }
    void Finish()
    {
        if (m_engine == 1) {
            (void)m_md5.Final();
        } else if (m_engine == 2) {
            (void)m_sha->Final();
        }
    }

private:
    int m_engine;
    Crc32Engine m_crc;
    std::uint32_t m_reg = 0;
    Md5 m_md5;
    std::unique_ptr<ShaContext> m_sha;
};

// The engines' block sizes: the hashing is fed block by block, as the engines do.
constexpr std::size_t kBlock = 4096;
constexpr std::size_t kWindow = 16u << 20;

// read() into a buffer of `bufferBytes` (the engines' own size when 0).
void HashByRead(const std::string& path, Hasher& hasher, std::size_t bufferBytes)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    ReadBuffer engineBuffer;
    std::vector<unsigned char> ownBuffer(bufferBytes);
    unsigned char* buffer = bufferBytes == 0 ? engineBuffer.Data() : ownBuffer.data();
    const std::size_t capacity = bufferBytes == 0 ? ReadBuffer::kCapacity : bufferBytes;
    for (;;) {
        const ssize_t got = ::read(fd, buffer, capacity);
        if (got <= 0) {
            break;
        }
        for (std::size_t offset = 0; offset < static_cast<std::size_t>(got); offset += kBlock) {
            hasher.Update(buffer + offset, std::min(kBlock, static_cast<std::size_t>(got) - offset));
        }
    }
    ::close(fd);
}

void HashByMap(const std::string& path, const std::string& mode, Hasher& hasher)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0) {
        return;
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    // Windows of 16 MiB, mapped one after the other.
    for (std::size_t start = 0; start < size; start += kWindow) {
        const std::size_t length = std::min(kWindow, size - start);
        const int flags = MAP_SHARED | (mode == "mmap-populate" ? MAP_POPULATE : 0);
        void* map = ::mmap(nullptr, length, PROT_READ, flags, fd, static_cast<off_t>(start));
        if (map == MAP_FAILED) {
            break;
        }
        if (mode == "mmap-seq") {
            ::madvise(map, length, MADV_SEQUENTIAL);
        } else if (mode == "mmap-huge") {
            ::madvise(map, length, MADV_HUGEPAGE);
            ::madvise(map, length, MADV_SEQUENTIAL);
        }
        const auto* bytes = static_cast<const unsigned char*>(map);
        for (std::size_t offset = 0; offset < length; offset += kBlock) {
            hasher.Update(bytes + offset, std::min(kBlock, length - offset));
        }
        ::munmap(map, length);
    }
    ::close(fd);
}

// CPU time of the process (every thread) in seconds: a busy machine stretches the wall
// time, not this.
double CpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::string(argv[1]) == "buffer-size") {
        std::printf("%zu KiB\n", ReadBuffer::kCapacity / 1024);
        return 0;
    }
    if (argc < 3) {
        Usage();
    }
    const std::string mode = argv[1];
    if (mode == "evict" || mode == "resident") {
        for (int i = 2; i < argc; ++i) {
            if (mode == "evict") {
                Evict(argv[i]);
            } else {
                std::printf("%.3f %s\n", ResidentShare(argv[i]), argv[i]);
            }
        }
        return 0;
    }
    if (mode != "read" && mode != "mmap" && mode != "mmap-seq" && mode != "mmap-populate" && mode != "mmap-huge") {
        Usage();
    }
    Hasher hasher(argc > 2 ? argv[2] : "");
    std::vector<std::string> files;
    int repeat = 3;
    bool evict = false;
    std::size_t bufferBytes = 0;
    for (int i = 3; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--files" && i + 1 < argc) {
            std::ifstream list(argv[++i]);
            for (std::string line; std::getline(list, line);) {
                if (!line.empty()) {
                    files.push_back(line);
                }
            }
        } else if (argument == "--repeat" && i + 1 < argc) {
            repeat = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--buffer" && i + 1 < argc) {
            bufferBytes = static_cast<std::size_t>(std::max(4096L, std::atol(argv[++i])));
        } else if (argument == "--evict") {
            evict = true;
        } else {
            files.push_back(argument);
        }
    }
    double totalBytes = 0;
    for (const std::string& file : files) {
        struct stat status {};
        if (::stat(file.c_str(), &status) == 0) {
            totalBytes += static_cast<double>(status.st_size);
        }
    }
    double best = 0;
    double bestCpu = 0;
    for (int pass = 0; pass < repeat; ++pass) {
        if (evict) {
            for (const std::string& file : files) {
                Evict(file);
            }
        }
        const double cpuStart = CpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        for (const std::string& file : files) {
            hasher.Start();
            if (mode == "read") {
                HashByRead(file, hasher, bufferBytes);
            } else {
                HashByMap(file, mode, hasher);
            }
            hasher.Finish();
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (pass == 0 || elapsed.count() < best) {
            best = elapsed.count();
            bestCpu = CpuSeconds() - cpuStart;
        }
    }
    std::printf("%.0f %.0f %.0f\n", totalBytes / 1e6 / best, static_cast<double>(files.size()) / best,
                totalBytes / 1e6 / std::max(bestCpu, 1e-9));
    return 0;
}
