// Hashes files with the engines the way the runs do (ChecksumFile / Md5File, run-wide
// progress, no pump hook) and prints the best throughput of several passes.
//
//   tallyfox_engine_throughput crc32|md5|read FILE [--path auto|table|slicing16|pclmul|vpclmul] [--repeat N]
//                              [--threads N]   (CRC-32: threads one file is folded on; default the engine's)
//   tallyfox_engine_throughput crc32|md5 --files LIST [...]   (LIST: one path per line)
//   tallyfox_engine_throughput md5lanes ...   (MD5 in SIMD lanes: see md5lanes_bench.cpp)
//
// `read` only reads the files through the engines' buffer: the ceiling of any engine.
// Output, one line: <MB/s> <files/s> <checksum of the last file> <fold used>
#include "crc32engine.h"
#include "filesize.h"
#include "md5file.h"
#include "md5lanes_bench.h"
#include "progresssink.h"
#include "readbuffer.h"
#include "readonlyfile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Options {
    bool md5 = false;
    bool readOnly = false;
    std::vector<std::string> files;
    Crc32Path path = Crc32Path::Auto;
    int repeat = 5;
    int threads = 0;  // the engine's default
};

[[noreturn]] void Usage()
{
    std::fputs("usage: tallyfox_engine_throughput crc32|md5|read FILE|--files LIST [--path NAME] [--repeat N]"
               " [--threads N]\n",
               stderr);
    std::exit(2);
}

Options ParseOptions(int argc, char** argv)
{
    if (argc < 3) {
        Usage();
    }
    Options options;
    const std::string engine = argv[1];
    if (engine != "crc32" && engine != "md5" && engine != "read") {
        Usage();
    }
    options.md5 = engine == "md5";
    options.readOnly = engine == "read";
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "--files" && hasValue) {
            std::ifstream list(argv[++i]);
            for (std::string line; std::getline(list, line);) {
                if (!line.empty()) {
                    options.files.push_back(line);
                }
            }
        } else if (argument == "--path" && hasValue) {
            const std::string name = argv[++i];
            bool known = false;
            for (const Crc32Path path : {Crc32Path::Auto, Crc32Path::Table, Crc32Path::Slicing16, Crc32Path::Pclmul,
                                         Crc32Path::Vpclmul}) {
                if (name == Crc32PathName(path)) {
                    options.path = path;
                    known = true;
                }
            }
            if (!known) {
                Usage();
            }
        } else if (argument == "--threads" && hasValue) {
            options.threads = std::max(1, std::atoi(argv[++i]));
        } else if (argument == "--repeat" && hasValue) {
            options.repeat = std::max(1, std::atoi(argv[++i]));
        } else if (argument.rfind("--", 0) != 0) {
            options.files.push_back(argument);
        } else {
            Usage();
        }
    }
    if (options.files.empty()) {
        Usage();
    }
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "md5lanes") {
        return RunMd5LanesBench(argc, argv);
    }
    const Options options = ParseOptions(argc, argv);
    std::int64_t totalBytes = 0;
    for (const std::string& file : options.files) {
        std::uint64_t size = 0;
        if (!QueryFileSize(file, size)) {
            std::fprintf(stderr, "cannot open %s\n", file.c_str());
            return 1;
        }
        totalBytes += static_cast<std::int64_t>(size);
    }

    Crc32Engine engine;
    engine.BuildTable();
    engine.SetPath(options.path);
    if (options.threads > 0) {
        engine.SetRangeThreads(options.threads);
    }
    NullProgressSink progress;
    std::string checksum;
    double bestSeconds = 0;
    for (int pass = 0; pass < options.repeat; ++pass) {
        std::uint64_t bytesDone = 0;
        const auto start = std::chrono::steady_clock::now();
        for (const std::string& file : options.files) {
            if (options.readOnly) {
                ReadOnlyFile reader(file);
                ReadBuffer buffer;
                while (reader.Fill(buffer.Data(), ReadBuffer::kCapacity).bytes == ReadBuffer::kCapacity) {
                }
                checksum = std::string("-");
            } else if (options.md5) {
                checksum = Md5File(file, progress, totalBytes, bytesDone);
            } else {
                std::uint32_t crc = 0;
                if (engine.ChecksumFile(file, crc, progress, totalBytes, bytesDone) != kChecksumOk) {
                    std::fprintf(stderr, "cannot read %s\n", file.c_str());
                    return 1;
                }
                char text[9];
                std::snprintf(text, sizeof text, "%08X", crc);
                checksum = std::string(text);
            }
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (pass == 0 || elapsed.count() < bestSeconds) {
            bestSeconds = elapsed.count();
        }
    }
    const double megabytesPerSecond = static_cast<double>(totalBytes) / 1e6 / bestSeconds;
    const double filesPerSecond = static_cast<double>(options.files.size()) / bestSeconds;
    std::printf("%.0f %.0f %s %s\n", megabytesPerSecond, filesPerSecond, checksum.c_str(),
                options.readOnly ? "read" : options.md5 ? "md5" : Crc32PathName(engine.ActivePath()));
    return 0;
}
