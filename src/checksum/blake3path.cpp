#include "blake3path.h"

#include "blake3compress.h"

#include <initializer_list>

void Blake3ManyPortable(const unsigned char* const* inputs, std::size_t count, std::size_t blocks,
                        std::uint64_t counter, bool incrementCounter, std::uint32_t flags, std::uint32_t flagsStart,
                        std::uint32_t flagsEnd, unsigned char* out)
{
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t cv[8];
        for (int w = 0; w < 8; ++w) {
            cv[w] = kBlake3Iv[w];
        }
        const std::uint64_t inputCounter = incrementCounter ? counter + i : counter;
        for (std::size_t b = 0; b < blocks; ++b) {
            std::uint32_t blockFlags = flags;
            if (b == 0) {
                blockFlags |= flagsStart;
            }
            if (b + 1 == blocks) {
                blockFlags |= flagsEnd;
            }
            Blake3CompressChainingValue(cv, inputs[i] + b * kBlake3BlockBytes, inputCounter, kBlake3BlockBytes,
                                        blockFlags);
        }
        for (int w = 0; w < 8; ++w) {
            StoreLittleEndian32(out + kBlake3CvBytes * i + 4 * w, cv[w]);
        }
    }
}

bool Blake3PathSupported(Blake3Path path) noexcept
{
    switch (path) {
    case Blake3Path::Auto:
    case Blake3Path::Portable:
        return true;
#if defined(__x86_64__)
    case Blake3Path::Sse41:
        return __builtin_cpu_supports("sse4.1");
    case Blake3Path::Avx2:
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("sse4.1");
    case Blake3Path::Avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx2") &&
               __builtin_cpu_supports("sse4.1");
#else
    case Blake3Path::Sse41:
    case Blake3Path::Avx2:
    case Blake3Path::Avx512:
        return false;
#endif
    }
    return false;
}

const char* Blake3PathName(Blake3Path path) noexcept
{
    switch (path) {
    case Blake3Path::Auto:
        return "auto";
    case Blake3Path::Portable:
        return "portable";
    case Blake3Path::Sse41:
        return "sse41";
    case Blake3Path::Avx2:
        return "avx2";
    case Blake3Path::Avx512:
        return "avx512";
    }
    return "unknown";
}

Blake3Path Blake3ResolvePath(Blake3Path path) noexcept
{
    if (path != Blake3Path::Auto && Blake3PathSupported(path)) {
        return path;
    }
    for (const Blake3Path widest : {Blake3Path::Avx512, Blake3Path::Avx2, Blake3Path::Sse41}) {
        if (Blake3PathSupported(widest)) {
            return widest;
        }
    }
    return Blake3Path::Portable;
}

Blake3ManyFunction Blake3ManyFor(Blake3Path path) noexcept
{
    switch (Blake3ResolvePath(path)) {
#if defined(__x86_64__)
    case Blake3Path::Sse41:
        return Blake3ManySse41;
    case Blake3Path::Avx2:
        return Blake3ManyAvx2;
    case Blake3Path::Avx512:
        return Blake3ManyAvx512;
#endif
    default:
        return Blake3ManyPortable;
    }
}
