#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A file opened for reading by the engines and by QueryFileSize, closed on
// destruction. A folder is refused with EISDIR. Opening never blocks: FIFOs,
// sockets and character devices stay non-blocking, so a reader without data ends
// instead of hanging; regular files and block devices are read normally. A regular
// file that has delivered the size it had when opened counts as ended, which spares
// the read that would only confirm its end.
class ReadOnlyFile {
public:
    // Outcome of Fill: bytes placed in the buffer, and the errno of a failed read
    // (0 when the buffer is full or the end of the file was reached).
    struct FillResult {
        std::size_t bytes = 0;
        int error = 0;
    };

    // A file that is not open (and has no open error).
    ReadOnlyFile() noexcept = default;
    explicit ReadOnlyFile(const std::string& path) noexcept;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ReadOnlyFile(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;

    [[nodiscard]] bool IsOpen() const noexcept { return m_open; }
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

    // Reads a regular file of at most `limit` bytes into memory at once and releases
    // its descriptor; later Fill calls hand out what was read (and a read error after
    // it), exactly as reading the file then would have. Lets one thread read small
    // files ahead while another hashes. False when the file does not qualify.
    bool PreRead(std::size_t limit);

private:
    void Close() noexcept;
    [[nodiscard]] FillResult ReadDescriptor(unsigned char* buffer, std::size_t capacity) noexcept;
    [[nodiscard]] FillResult FillFromMemory(unsigned char* buffer, std::size_t capacity) noexcept;

    int m_fd = -1;
    bool m_open = false;
    int m_openError = 0;
    std::uint64_t m_size = 0;
    std::uint64_t m_offset = 0;     // bytes read so far
    bool m_regular = false;         // a regular file: its end is known from its size
    bool m_blockingReads = false;   // a block device, still non-blocking until read
    std::unique_ptr<unsigned char[]> m_preRead;  // the whole file, when read ahead
    FillResult m_preReadResult;                  // what was read ahead, and its error
    std::size_t m_preReadServed = 0;             // bytes handed out from m_preRead
};
