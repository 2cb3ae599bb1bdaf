#include "md5file.h"

#include "abortflag.h"
#include "md5.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "filechunks.h"
#include "readonlyfile.h"

#include <system_error>
#include <utility>

namespace {

std::string ErrorText(int errorCode)
{
    return std::generic_category().message(errorCode);
}

}  // namespace

FileError::FileError(std::string path, int errorCode)
    : std::runtime_error(path + ": " + ErrorText(errorCode)), m_path(std::move(path)), m_errorCode(errorCode)
{
}

std::string FileError::Reason() const
{
    return ErrorText(m_errorCode);
}

std::string Md5File(const std::string& path, ProgressSink& progress, std::int64_t totalBytes,
                    std::uint64_t& bytesDone)
{
    ReadOnlyFile file(path);
    return Md5File(file, path, progress, totalBytes, bytesDone);
}

std::string Md5File(ReadOnlyFile& file, const std::string& path, ProgressSink& progress, std::int64_t totalBytes,
                    std::uint64_t& bytesDone)
{
    if (!file.IsOpen()) {
        throw FileError(path, file.OpenError());
    }
    Md5 md5;
    FileChunks chunks(file);
    auto hash = [&md5](const unsigned char* data, std::size_t length) noexcept { md5.Update(data, length); };
    auto after = [&](std::size_t length) {
        PumpMessages();
        bytesDone += length;
        progress.Report(bytesDone, totalBytes);
        return !AbortRequested();
    };
    if (const int error = ReadFileBlocks(chunks, kMd5BlockSize, hash, after); error != 0) {
        throw FileError(path, error);  // `file` closes during unwinding
    }
    return md5.Final();
}
