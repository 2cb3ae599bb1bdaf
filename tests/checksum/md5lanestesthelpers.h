#pragma once

#include "md5.h"
#include "md5lanes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

// The scalar reference digest.
inline std::string ScalarMd5(const unsigned char* data, std::size_t length)
{
    Md5 md5;
    md5.Update(data, length);
    return md5.Final();
}

inline std::vector<unsigned char> RandomBytes(std::size_t size, unsigned seed)
{
    std::vector<unsigned char> bytes(size);
    std::mt19937 generator(seed);
    for (unsigned char& byte : bytes) {
        byte = static_cast<unsigned char>(generator() & 0xFFu);
    }
    return bytes;
}

// Lane tests run once per block function and skip the ones the CPU lacks.
class Md5LanesPathTest : public ::testing::TestWithParam<Md5LanesPath> {
protected:
    void SetUp() override
    {
        if (!Md5LanesPathSupported(GetParam())) {
            GTEST_SKIP() << "this CPU lacks " << Md5LanesPathName(GetParam());
        }
    }
};

inline std::string LanesPathTestName(const ::testing::TestParamInfo<Md5LanesPath>& param)
{
    return Md5LanesPathName(param.param);
}

inline const auto kEveryMd5LanesPath =
    ::testing::Values(Md5LanesPath::Scalar, Md5LanesPath::Avx2, Md5LanesPath::Avx512);
