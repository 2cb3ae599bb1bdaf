#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A file opened for reading by the engines and by QueryFileSize, closed on
// destruction. A folder is refused with EISDIR. Opening never blocks: FIFOs,
// sockets and character devices stay non-blocking, so a reader without data ends
// instead of hanging; regular files and block devices are read normally.
class ReadOnlyFile {
public:
    // Outcome of Fill: bytes placed in the buffer, and the errno of a failed read
    // (0 when the buffer is full or the end of the file was reached).
    struct FillResult {
        std::size_t bytes = 0;
        int error = 0;
    };

    explicit ReadOnlyFile(const std::string& path) noexcept;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    [[nodiscard]] bool IsOpen() const noexcept { return m_fd >= 0; }
    // errno of the failed open (EISDIR for a folder); 0 when open.
    [[nodiscard]] int OpenError() const noexcept { return m_openError; }
    // Size reported by fstat at open time.
    [[nodiscard]] std::uint64_t Size() const noexcept { return m_size; }

    // Tells the kernel the file will be read once from start to end (read-ahead hint).
    void AdviseSequential() const noexcept;

    // Reads until `capacity` bytes are in `buffer`, the end of the file, or a read
    // error. Short reads from the kernel are continued, so the buffer is only ever
    // partly filled at the end of the file or at an error.
    [[nodiscard]] FillResult Fill(unsigned char* buffer, std::size_t capacity) noexcept;

private:
    int m_fd = -1;
    int m_openError = 0;
    std::uint64_t m_size = 0;
    bool m_blockingReads = false;  // a regular file or block device, still non-blocking until read
};
