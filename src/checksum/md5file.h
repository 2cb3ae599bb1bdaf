#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

class ProgressSink;
class ReadOnlyFile;

// Raised by Md5File when the file cannot be opened or a read fails; carries the
// system's reason (errno and its text). The file is always closed before it is raised.
class FileError : public std::runtime_error {
public:
    // what() is "<path>: <the system's text for errorCode>".
    FileError(std::string path, int errorCode);
    [[nodiscard]] const std::string& Path() const noexcept { return m_path; }
    [[nodiscard]] int ErrorCode() const noexcept { return m_errorCode; }
    // The system's text for the error code alone, e.g. "No such file or directory".
    [[nodiscard]] std::string Reason() const;

private:
    std::string m_path;
    int m_errorCode;
};

// The logical block of Md5File: update, progress, pump and abort check once per block.
inline constexpr std::size_t kMd5BlockSize = 1024;

// MD5 of the file at `path` as 32 upper-case hex digits. Reads through a large buffer
// but updates, reports progress, pumps and checks g_abort once per 1024-byte block;
// g_abort is tested only after a block was processed and reported, and an abort still
// returns the digest of the bytes read so far. A failed open (a folder fails with
// EISDIR) or a read error part-way raises FileError; `bytesDone` keeps the bytes of
// the blocks processed before it.
[[nodiscard]] std::string Md5File(const std::string& path, ProgressSink& progress, std::int64_t totalBytes,
                                  std::uint64_t& bytesDone);
// The same for a file the caller has already opened; `path` names it in a FileError.
[[nodiscard]] std::string Md5File(ReadOnlyFile& file, const std::string& path, ProgressSink& progress,
                                  std::int64_t totalBytes, std::uint64_t& bytesDone);
