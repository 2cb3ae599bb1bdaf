// MD5 of many in-memory messages: the scalar engine one message at a time against
// the lanes (scalar, AVX2, AVX-512), and many files through Md5File against
// HashFilesInLanes. Called from tallyfox_engine_throughput:
//
//   tallyfox_engine_throughput md5lanes --size BYTES [--count N] [--path md5|scalar|avx2|avx512] [--repeat N]
//   tallyfox_engine_throughput md5lanes --files LIST [--batch N] [--path md5|scalar|avx2|avx512] [--repeat N]
//
// `md5` is Md5 (or Md5File) one message (file) at a time. The messages are views of
// one random buffer of at most 64 MiB plus one message. Output, one line:
// <MB/s> <messages/s> <digest of the last message> <path used>
#include "hashfilesinlanes.h"
#include "md5.h"
#include "md5file.h"
#include "md5lanes.h"
#include "md5lanes_bench.h"
#include "progresssink.h"
#include "readonlyfile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

struct LanesOptions {
    bool scalarEngine = false;  // "md5": Md5 / Md5File one at a time
    Md5LanesPath path = Md5LanesPath::Auto;
    std::size_t size = 4096;
    std::size_t count = 2000;
    std::size_t batch = 16;
    int repeat = 3;
    std::vector<std::string> files;
};

[[noreturn]] void LanesUsage()
{
    std::fputs("usage: tallyfox_engine_throughput md5lanes --size BYTES|--files LIST [--count N] [--batch N] "
               "[--path md5|scalar|avx2|avx512] [--repeat N]\n",
               stderr);
    std::exit(2);
}

LanesOptions ParseLanesOptions(int argc, char** argv)
{
    LanesOptions options;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (i + 1 >= argc) {
            LanesUsage();
        }
        const std::string value = argv[++i];
        if (argument == "--size") {
            options.size = std::strtoull(value.c_str(), nullptr, 10);
        } else if (argument == "--count") {
            options.count = std::max<std::size_t>(1, std::strtoull(value.c_str(), nullptr, 10));
        } else if (argument == "--batch") {
            options.batch = std::max<std::size_t>(1, std::strtoull(value.c_str(), nullptr, 10));
        } else if (argument == "--repeat") {
            options.repeat = std::max(1, std::atoi(value.c_str()));
        } else if (argument == "--files") {
            std::ifstream list(value);
            for (std::string line; std::getline(list, line);) {
                if (!line.empty()) {
                    options.files.push_back(line);
                }
            }
        } else if (argument == "--path") {
            bool known = value == "md5";
            options.scalarEngine = known;
            for (const Md5LanesPath path : {Md5LanesPath::Auto, Md5LanesPath::Scalar, Md5LanesPath::Avx2,
                                            Md5LanesPath::Avx512}) {
                if (value == Md5LanesPathName(path)) {
                    options.path = path;
                    known = true;
                }
            }
            if (!known) {
                LanesUsage();
            }
        } else {
            LanesUsage();
        }
    }
    return options;
}

// One pass over the in-memory messages; returns the digest of the last one.
std::string HashMessagesOnce(const LanesOptions& options, const std::vector<std::span<const unsigned char>>& messages)
{
    if (options.scalarEngine) {
        std::string digest;
        for (const auto& message : messages) {
            Md5 md5;
            md5.Update(message.data(), message.size());
            digest = md5.Final();
        }
        return digest;
    }
    Md5Lanes lanes(options.path);
    return lanes.HashMessages(messages).back();
}

// One pass over the files, opened and hashed `batch` at a time like a run would.
std::string HashFilesOnce(const LanesOptions& options, std::int64_t totalBytes)
{
    NullProgressSink progress;
    std::uint64_t bytesDone = 0;
    std::string digest;
    for (std::size_t first = 0; first < options.files.size(); first += options.batch) {
        const std::size_t end = std::min(options.files.size(), first + options.batch);
        if (options.scalarEngine) {
            for (std::size_t i = first; i < end; ++i) {
                digest = Md5File(options.files[i], progress, totalBytes, bytesDone);
            }
            continue;
        }
        std::vector<std::unique_ptr<ReadOnlyFile>> files;
        std::vector<ReadOnlyFile*> pointers;
        for (std::size_t i = first; i < end; ++i) {
            files.push_back(std::make_unique<ReadOnlyFile>(options.files[i]));
            pointers.push_back(files.back().get());
        }
        const std::vector<LaneFileDigest> results =
            HashFilesInLanes(pointers, progress, totalBytes, bytesDone, options.path);
        if (!results.back().Finished()) {
            std::fprintf(stderr, "cannot read %s\n", options.files[end - 1].c_str());
            std::exit(1);
        }
        digest = results.back().digest;
    }
    return digest;
}

}  // namespace

int RunMd5LanesBench(int argc, char** argv)
{
    const LanesOptions options = ParseLanesOptions(argc, argv);
    std::vector<unsigned char> pool;
    std::vector<std::span<const unsigned char>> messages;
    std::int64_t totalBytes = 0;
    if (options.files.empty()) {
        const std::size_t window = std::min<std::size_t>(options.size * options.count, std::size_t{64} << 20);
        pool.resize(window + options.size);
        std::mt19937 generator(1);
        std::generate(pool.begin(), pool.end(), [&generator] { return static_cast<unsigned char>(generator()); });
        for (std::size_t i = 0; i < options.count; ++i) {
            const std::size_t offset = window == 0 ? 0 : (i * options.size) % window;
            messages.emplace_back(pool.data() + offset, options.size);
        }
        totalBytes = static_cast<std::int64_t>(options.size * options.count);
    } else {
        for (const std::string& file : options.files) {
            totalBytes += static_cast<std::int64_t>(ReadOnlyFile(file).Size());
        }
    }
    const std::size_t items = options.files.empty() ? messages.size() : options.files.size();

    std::string digest;
    double bestSeconds = 0;
    for (int pass = 0; pass < options.repeat; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        digest = options.files.empty() ? HashMessagesOnce(options, messages) : HashFilesOnce(options, totalBytes);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (pass == 0 || elapsed.count() < bestSeconds) {
            bestSeconds = elapsed.count();
        }
    }
    const char* used = options.scalarEngine ? "md5" : Md5LanesPathName(Md5Lanes(options.path).ActivePath());
    std::printf("%.0f %.0f %s %s\n", static_cast<double>(totalBytes) / 1e6 / bestSeconds,
                static_cast<double>(items) / bestSeconds, digest.c_str(), used);
    return 0;
}
