#pragma once

#include "folderanchor.h"
#include "regularfile.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <span>
#include <string>

// A regular file opened for reading by the engines and by QueryFileSize, closed on
// destruction. Only regular files open (see OpenRegularFile): a folder is refused with
// EISDIR, a device, socket or FIFO with ENODEV, without being opened. Reads go on to
// the end of the file as it is when read, not to the size it had when opened.
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
    // A path looked up from a folder's descriptor.
    explicit ReadOnlyFile(AnchoredPath path) noexcept;
    // A file opened by other means (a batch of opens): takes the descriptor and the
    // status it had after the open, or the open's error when there is no descriptor.
    explicit ReadOnlyFile(const RegularFileDescriptor& opened) noexcept;
    // A regular file read whole by other means, as PreRead leaves it: `content` holds
    // the `status.st_size` bytes read from a descriptor that is already closed.
    [[nodiscard]] static ReadOnlyFile WithContent(const struct stat& status,
                                                  std::unique_ptr<unsigned char[]> content) noexcept;
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
    ReadOnlyFile(ReadOnlyFile&& other) noexcept;
    ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept;

    [[nodiscard]] bool IsOpen() const noexcept { return m_open; }
    // errno of the failed open (EISDIR for a folder, ENODEV for another non-file); 0 when open.
    [[nodiscard]] int OpenError() const noexcept { return m_openError; }
    // Size reported by fstat at open time (or by Revalidate).
    [[nodiscard]] std::uint64_t Size() const noexcept { return m_size; }

    // Tells the kernel the file will be read once from start to end (read-ahead hint).
    void AdviseSequential() const noexcept;

    // The descriptor, for reading ranges with pread; -1 when it is not open or was read ahead.
    [[nodiscard]] int Descriptor() const noexcept { return m_preRead ? -1 : m_fd; }
    // Bytes read (or skipped) from the descriptor so far.
    [[nodiscard]] std::uint64_t Position() const noexcept { return m_position; }
    // Moves the descriptor's reading position to `position` (bytes taken by other means,
    // e.g. ranges read with pread); false when it cannot move.
    bool SkipTo(std::uint64_t position) noexcept;

    // Reads until `capacity` bytes are in `buffer`, the end of the file, or a read
    // error. Short reads from the kernel are continued, so the buffer is only ever
    // partly filled at the end of the file or at an error.
    [[nodiscard]] FillResult Fill(unsigned char* buffer, std::size_t capacity) noexcept;

    // Reads a regular file of at most `limit` bytes into memory at once and releases
    // its descriptor; later Fill calls hand out what was read (and a read error after
    // it), exactly as reading the file then would have. Lets one thread read small
    // files ahead while another hashes. False when the file does not qualify.
    bool PreRead(std::size_t limit);

    // What a file read whole holds, while Fill has handed none of it out; empty for
    // any other file (not read whole, or its read ended in an error).
    [[nodiscard]] std::span<const unsigned char> WholeContent() const noexcept;
    // The BLAKE3 digest (64 upper-case hex digits) of a file read whole, when it was
    // worked out together with other files' (Blake3OfWholeFiles); empty otherwise. It
    // goes with the content: a file opened again has none.
    [[nodiscard]] const std::string& ContentBlake3() const noexcept { return m_contentBlake3; }
    void SetContentBlake3(std::string digest) noexcept { m_contentBlake3 = std::move(digest); }

    // For a file opened or read ahead, at its turn: makes what Fill hands out the file
    // at `path` as it is now. When `path` no longer names the file that was opened, or
    // a file read ahead has a different size or change time since (or had changed so
    // shortly before that a further change could keep its change time), or the open
    // had failed, opens `path` again. Otherwise keeps the descriptor (its reads go to the
    // end of the file) and takes the file's current size.
    void Revalidate(const std::string& path) noexcept;
    void Revalidate(AnchoredPath path) noexcept;

private:
    void Close() noexcept;
    [[nodiscard]] FillResult ReadDescriptor(unsigned char* buffer, std::size_t capacity) noexcept;
    [[nodiscard]] FillResult FillFromMemory(unsigned char* buffer, std::size_t capacity) noexcept;

    int m_fd = -1;
    bool m_open = false;
    int m_openError = 0;
    std::uint64_t m_size = 0;
    std::uint64_t m_position = 0;  // bytes read from the descriptor so far
    // Which file was opened, and its change time then.
    std::uint64_t m_device = 0;
    std::uint64_t m_inode = 0;
    std::timespec m_changeTime{};
    std::unique_ptr<unsigned char[]> m_preRead;  // the whole file, when read ahead
    FillResult m_preReadResult;                  // what was read ahead, and its error
    std::size_t m_preReadServed = 0;             // bytes handed out from m_preRead
    bool m_preReadTrusted = false;  // any later change shows in the change time
    std::string m_contentBlake3;    // see ContentBlake3
};
