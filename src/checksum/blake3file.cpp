#include "blake3file.h"

#include "abortflag.h"
#include "blake3.h"
#include "filechunks.h"
#include "md5file.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readonlyfile.h"

#include <algorithm>

std::string Blake3File(ReadOnlyFile& file, const std::string& path, ProgressSink& progress, std::int64_t totalBytes,
                       std::uint64_t& bytesDone)
{
    if (!file.IsOpen()) {
        throw FileError(path, file.OpenError());
    }
    Blake3 hasher;
    FileChunks chunks(file);
    auto hash = [&hasher](const unsigned char* data, std::size_t length) noexcept { hasher.Update(data, length); };
    auto after = [&](std::size_t length) {
        for (std::size_t reported = 0; reported < length; reported += kBlake3ProgressStep) {
            PumpMessages();
            bytesDone += std::min(kBlake3ProgressStep, length - reported);
            progress.Report(bytesDone, totalBytes);
        }
        return !AbortRequested();
    };
    if (const int error = ReadFileBlocks(chunks, kBlake3FileSpan, hash, after); error != 0) {
        throw FileError(path, error);
    }
    return hasher.FinalHex();
}
