#pragma once

#include <cstddef>
#include <memory>

// The engines' read-ahead buffer. Each thread keeps one buffer for reuse, so hashing
// many small files costs no allocation per file; a nested use on the same thread
// (an engine started from inside the event pump) gets a buffer of its own.
class ReadBuffer {
public:
    // A multiple of both logical block sizes (4096 and 1024 bytes).
    static constexpr std::size_t kCapacity = 256 * 1024;

    ReadBuffer();
    ~ReadBuffer();
    ReadBuffer(const ReadBuffer&) = delete;
    ReadBuffer& operator=(const ReadBuffer&) = delete;

    [[nodiscard]] unsigned char* Data() noexcept;

    struct Storage;

private:
    std::unique_ptr<Storage> m_storage;
};
