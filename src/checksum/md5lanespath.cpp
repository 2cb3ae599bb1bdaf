#include "md5.h"
#include "md5lanes.h"

bool Md5LanesPathSupported(Md5LanesPath path) noexcept
{
    switch (path) {
    case Md5LanesPath::Auto:
    case Md5LanesPath::Scalar:
        return true;
#if defined(__x86_64__)
    case Md5LanesPath::Avx2:
        return __builtin_cpu_supports("avx2");
    case Md5LanesPath::Avx512:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx2");
#else
    case Md5LanesPath::Avx2:
    case Md5LanesPath::Avx512:
        return false;
#endif
    }
    return false;
}

const char* Md5LanesPathName(Md5LanesPath path) noexcept
{
    switch (path) {
    case Md5LanesPath::Auto:
        return "auto";
    case Md5LanesPath::Scalar:
        return "scalar";
    case Md5LanesPath::Avx2:
        return "avx2";
    case Md5LanesPath::Avx512:
        return "avx512";
    }
    return "unknown";
}

void Md5LaneBlocksScalar(Md5LaneStates& states, const unsigned char* const blocks[kMd5MaxLanes], std::size_t count,
                         std::uint32_t laneMask) noexcept
{
    for (std::size_t lane = 0; lane < kMd5MaxLanes; ++lane) {
        if ((laneMask & (1u << lane)) == 0) {
            continue;
        }
        std::uint32_t state[4];
        for (int i = 0; i < 4; ++i) {
            state[i] = states.word[i][lane];
        }
        Md5TransformBlocks(state, blocks[lane], count);
        for (int i = 0; i < 4; ++i) {
            states.word[i][lane] = state[i];
        }
    }
}
