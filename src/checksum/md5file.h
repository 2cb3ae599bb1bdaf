#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

class ProgressSink;

// Raised by Md5File when the file cannot be opened or a read fails; carries the
// system's reason (errno and its text). The file is always closed before it is raised.
class FileError : public std::runtime_error {
public:
    FileError(std::string path, int errorCode);
    [[nodiscard]] const std::string& Path() const noexcept { return m_path; }
    [[nodiscard]] int ErrorCode() const noexcept { return m_errorCode; }

private:
    std::string m_path;
    int m_errorCode;
};

// MD5 of the file at `path` as 32 upper-case hex digits. Reads through a large buffer
// but updates, reports progress, pumps and checks g_abort once per 1024-byte block;
// an abort still returns the digest of the bytes read so far.
[[nodiscard]] std::string Md5File(const std::string& path, ProgressSink& progress, std::int64_t totalBytes,
                                  std::uint64_t& bytesDone);
