#include "crc32engine.h"

bool Crc32PathSupported(Crc32Path path) noexcept
{
    switch (path) {
    case Crc32Path::Auto:
    case Crc32Path::Table:
    case Crc32Path::Slicing16:
        return true;
#if defined(__x86_64__)
    case Crc32Path::Pclmul:
        return __builtin_cpu_supports("sse4.1") && __builtin_cpu_supports("pclmul");
    case Crc32Path::Vpclmul:
        return Crc32PathSupported(Crc32Path::Pclmul) && __builtin_cpu_supports("avx512f") &&
               __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("vpclmulqdq") &&
               __builtin_cpu_supports("avx2");
#else
    case Crc32Path::Pclmul:
    case Crc32Path::Vpclmul:
        return false;
#endif
    }
    return false;
}

const char* Crc32PathName(Crc32Path path) noexcept
{
    switch (path) {
    case Crc32Path::Auto:
        return "auto";
    case Crc32Path::Table:
        return "table";
    case Crc32Path::Slicing16:
        return "slicing16";
    case Crc32Path::Pclmul:
        return "pclmul";
    case Crc32Path::Vpclmul:
        return "vpclmul";
    }
    return "unknown";
}
