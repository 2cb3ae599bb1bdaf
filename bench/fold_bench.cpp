// In-memory speed of each CRC-32 fold and of the MD5 transform, on one logical
// block (what ChecksumFile and Md5File do per step) and on a whole read buffer.
#include "crc32engine.h"
#include "md5.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

std::vector<unsigned char> RandomBytes(std::size_t size)
{
    std::vector<unsigned char> bytes(size);
    std::mt19937 generator(1);
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(generator());
    }
    return bytes;
}

void Crc32Fold(benchmark::State& state, Crc32Path path)
{
    if (!Crc32PathSupported(path)) {
        state.SkipWithError("the CPU lacks this path");
        return;
    }
    Crc32Engine engine;
    engine.BuildTable();
    engine.SetPath(path);
    const auto total = static_cast<std::size_t>(state.range(0));
    const std::size_t block = static_cast<std::size_t>(state.range(1));
    const std::vector<unsigned char> bytes = RandomBytes(total);
    std::uint32_t reg = 0xFFFFFFFFu;
    for (auto _ : state) {
        for (std::size_t offset = 0; offset < total; offset += block) {
            reg = engine.Fold(reg, bytes.data() + offset, block);
        }
        benchmark::DoNotOptimize(reg);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void Md5Update(benchmark::State& state)
{
    const auto total = static_cast<std::size_t>(state.range(0));
    const std::size_t block = static_cast<std::size_t>(state.range(1));
    const std::vector<unsigned char> bytes = RandomBytes(total);
    Md5 md5;
    for (auto _ : state) {
        for (std::size_t offset = 0; offset < total; offset += block) {
            md5.Update(bytes.data() + offset, block);
        }
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(md5.Final());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

// {bytes per iteration, fold length}: one 4096-byte logical block at a time over a
// 256 KiB buffer (the file path), and the whole buffer in one call.
#define TALLYFOX_FOLD_ARGS Args({256 * 1024, 4096})->Args({256 * 1024, 256 * 1024})->Args({4096, 64})

BENCHMARK_CAPTURE(Crc32Fold, table, Crc32Path::Table)->TALLYFOX_FOLD_ARGS;
BENCHMARK_CAPTURE(Crc32Fold, slicing16, Crc32Path::Slicing16)->TALLYFOX_FOLD_ARGS;
BENCHMARK_CAPTURE(Crc32Fold, pclmul, Crc32Path::Pclmul)->TALLYFOX_FOLD_ARGS;
BENCHMARK_CAPTURE(Crc32Fold, vpclmul, Crc32Path::Vpclmul)->TALLYFOX_FOLD_ARGS;
BENCHMARK(Md5Update)->Args({256 * 1024, 1024});

}  // namespace
