#include "shafile.h"

#include "abortflag.h"
#include "md5file.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "filechunks.h"
#include "readonlyfile.h"
#include "shacontext.h"


std::string ShaFile(ReadOnlyFile& file, const std::string& path, DigestAlgorithm algorithm, ProgressSink& progress,
                    std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    if (!file.IsOpen()) {
        throw FileError(path, file.OpenError());
    }
    ShaContext sha(algorithm);
    FileChunks chunks(file);
    auto hash = [&sha](const unsigned char* data, std::size_t length) noexcept { sha.Update(data, length); };
    auto after = [&](std::size_t length) {
        PumpMessages();
        bytesDone += length;
        progress.Report(bytesDone, totalBytes);
        return !AbortRequested();
    };
    if (const int error = ReadFileBlocks(chunks, kShaBlockSize, hash, after); error != 0) {
        throw FileError(path, error);
    }
    return sha.Final();
}
