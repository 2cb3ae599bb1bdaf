#pragma once

#include "abortflag.h"
#include "crc32engine.h"
#include "progresssink.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// CRC-32 register update straight from the definition, one bit at a time
// (reflected polynomial 0xEDB88320); independent of the engine's tables.
inline std::uint32_t ReferenceCrcFold(std::uint32_t reg, const unsigned char* data, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        reg ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            reg = (reg & 1u) != 0 ? (reg >> 1) ^ 0xEDB88320u : reg >> 1;
        }
    }
    return reg;
}

// Cheap repeatable bytes (files of many MiB).
inline std::string PatternBytes(std::size_t size, std::uint32_t seed)
{
    std::string bytes(size, '\0');
    std::uint32_t state = seed * 2654435761u + 1;
    for (char& byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

inline std::uint32_t ReferenceCrc(const std::string& bytes)
{
    return ReferenceCrcFold(0xFFFFFFFFu, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) ^
           0xFFFFFFFFu;
}

// Appends `bytes` to the file at `path` (a file that grows while it is read).
inline void AppendToFile(const std::string& path, const std::string& bytes)
{
    std::FILE* out = std::fopen(path.c_str(), "ab");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

// Records every progress report; optionally runs an action on each one.
class RecordingSink final : public ProgressSink {
public:
    void SetPosition(int percent) noexcept override
    {
        positions.push_back(percent);
        if (onReport) {
            onReport(positions.size());
        }
    }
    void SetBytesRead(std::uint64_t bytes) noexcept override { bytesRead.push_back(bytes); }

    std::vector<int> positions;
    std::vector<std::uint64_t> bytesRead;
    std::function<void(std::size_t reportCount)> onReport;
};

// Clears g_abort around every test so an abort test cannot leak into the next one.
class AbortFlagTest : public ::testing::Test {
protected:
    void SetUp() override { g_abort.store(0); }
    void TearDown() override { g_abort.store(0); }
};

// Test-name suffix of a fold path in parameterised tests.
inline std::string PathTestName(const ::testing::TestParamInfo<Crc32Path>& param)
{
    return Crc32PathName(param.param);
}

// Every fold path; the tests skip the ones the CPU lacks.
inline const auto kEveryCrc32Path =
    ::testing::Values(Crc32Path::Table, Crc32Path::Slicing16, Crc32Path::Pclmul, Crc32Path::Vpclmul);

// A row of a table of file sizes.
struct SizeCase {
    const char* name;
    std::size_t size;
};

// A CRC-32 engine with its table, a temporary folder, a recording sink and the
// engine's outputs, with g_abort cleared around each test. m_crc starts with a value
// no engine gives an empty file, so a test sees whether it was written.
class Crc32FileTest : public AbortFlagTest {
protected:
    void SetUp() override
    {
        AbortFlagTest::SetUp();
        m_engine.BuildTable();
    }

    TempDir m_dir;
    Crc32Engine m_engine;
    RecordingSink m_sink;
    std::uint32_t m_crc = 0x5A5A5A5Au;
    std::uint64_t m_done = 0;
};
