#include "md5file.h"

#include "abortflag.h"
#include "md5.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readbuffer.h"
#include "readonlyfile.h"

#include <algorithm>
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
    ReadBuffer buffer;
    if (file.Size() > ReadBuffer::kCapacity) {
        file.AdviseSequential();
    }
    CMd5 md5;
    for (;;) {
        const ReadOnlyFile::FillResult filled = file.Fill(buffer.Data(), ReadBuffer::kCapacity);
        for (std::size_t offset = 0; offset < filled.bytes; offset += kMd5BlockSize) {
            const std::size_t length = std::min(kMd5BlockSize, filled.bytes - offset);
            md5.Update(buffer.Data() + offset, length);
            PumpMessages();
            bytesDone += length;
            progress.Report(bytesDone, totalBytes);
            if (AbortRequested()) {
                return md5.Final();
            }
        }
        if (filled.error != 0) {
            throw FileError(path, filled.error);  // `file` closes during unwinding
        }
        if (filled.bytes < ReadBuffer::kCapacity) {
            return md5.Final();
        }
    }
}
