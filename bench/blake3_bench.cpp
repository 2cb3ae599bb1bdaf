// The BLAKE3 engine outside the lists, for bench/blake3.sh:
//
//   tallyfox_blake3_bench paths [MiB]           in-memory MB/s of one thread per SIMD path
//   tallyfox_blake3_bench files [--threads N] FILE...
//       prints "<digest>  <name>" per file as b3sum does. A large file is hashed on N
//       threads (default: the hardware threads); many files go N at a time, one per thread.
#include "blake3.h"
#include "blake3file.h"
#include "blake3path.h"
#include "blake3ranges.h"
#include "md5file.h"
#include "progresssink.h"
#include "readonlyfile.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

int Paths(std::size_t mebibytes)
{
    std::vector<unsigned char> buffer(mebibytes << 20);
    for (std::size_t i = 0; i < buffer.size(); ++i) {
        buffer[i] = static_cast<unsigned char>(i * 2654435761u >> 24);
    }
    for (const Blake3Path path : {Blake3Path::Portable, Blake3Path::Sse41, Blake3Path::Avx2, Blake3Path::Avx512}) {
        if (!Blake3PathSupported(path)) {
            std::printf("%-9s not supported by this CPU\n", Blake3PathName(path));
            continue;
        }
        double best = 1e30;
        std::string digest;
        for (int pass = 0; pass < 3; ++pass) {
            const auto start = std::chrono::steady_clock::now();
            Blake3 hasher(path);
            for (std::size_t at = 0; at < buffer.size(); at += 65536) {
                hasher.Update(buffer.data() + at, std::min<std::size_t>(65536, buffer.size() - at));
            }
            digest = hasher.FinalHex();
            best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        std::printf("%-9s %8.0f MB/s  %s\n", Blake3PathName(path), static_cast<double>(buffer.size()) / best / 1e6,
                    digest.substr(0, 16).c_str());
    }
    return 0;
}

std::string Digest(const std::string& path, int threads)
{
    ReadOnlyFile file(path);
    NullProgressSink sink;
    std::uint64_t done = 0;
    std::string digest = Blake3File(file, path, threads, sink, 0, done);
    std::transform(digest.begin(), digest.end(), digest.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return digest;
}

int Files(const std::vector<std::string>& names, int threads)
{
    std::vector<std::string> digests(names.size());
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    // Several files at once, each on one thread; a single file gets every thread.
    const int perFile = names.size() == 1 ? threads : 1;
    auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < names.size();) {
            try {
                digests[i] = Digest(names[i], perFile);
            } catch (const FileError& error) {
                std::fprintf(stderr, "%s\n", error.what());
                failed = true;
            }
        }
    };
    std::vector<std::thread> pool;
    const auto workers = static_cast<std::size_t>(std::max(1, names.size() == 1 ? 1 : threads));
    for (std::size_t t = 1; t < workers; ++t) {
        pool.emplace_back(work);
    }
    work();
    for (std::thread& thread : pool) {
        thread.join();
    }
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (!digests[i].empty()) {
            out += digests[i] + "  " + names[i] + "\n";
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return failed ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "paths") == 0) {
        return Paths(argc >= 3 ? std::strtoul(argv[2], nullptr, 10) : 256);
    }
    if (argc >= 2 && std::strcmp(argv[1], "files") == 0) {
        int threads = Blake3DefaultThreads();
        int first = 2;
        if (argc >= 4 && std::strcmp(argv[2], "--threads") == 0) {
            threads = std::max(1, std::atoi(argv[3]));
            first = 4;
        }
        return Files(std::vector<std::string>(argv + first, argv + argc), threads);
    }
    std::fprintf(stderr, "usage: tallyfox_blake3_bench paths [MiB] | files [--threads N] FILE...\n");
    return 2;
}
