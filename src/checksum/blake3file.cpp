#include "blake3file.h"

#include "abortflag.h"
#include "blake3.h"
#include "blake3ranges.h"
#include "filechunks.h"
#include "md5file.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readonlyfile.h"

#include <algorithm>

namespace {

int HashOnThisThread(ReadOnlyFile& file, Blake3& hasher, ProgressSink& progress, std::int64_t totalBytes,
                     std::uint64_t& bytesDone)
{
    FileChunks chunks(file);
    auto hash = [&hasher](const unsigned char* data, std::size_t length) noexcept { hasher.Update(data, length); };
    auto after = [&](std::size_t length) {
        for (std::size_t reported = 0; reported < length; reported += kBlake3ProgressStep) {
            PumpMessages();
            bytesDone += std::min(kBlake3ProgressStep, length - reported);
            progress.Report(bytesDone, totalBytes);
            if (AbortRequested()) {
                return false;
            }
        }
        return true;
    };
    return ReadFileBlocks(chunks, kBlake3FileSpan, hash, after);
}

// A digest worked out with other files' (Blake3OfWholeFiles): the progress its bytes
// would have given. False on an abort.
bool ReportKnownDigest(std::uint64_t size, ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    for (std::uint64_t reported = 0; reported < size; reported += kBlake3ProgressStep) {
        PumpMessages();
        bytesDone += std::min<std::uint64_t>(kBlake3ProgressStep, size - reported);
        progress.Report(bytesDone, totalBytes);
        if (AbortRequested()) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string Blake3File(ReadOnlyFile& file, const std::string& path, ProgressSink& progress, std::int64_t totalBytes,
                       std::uint64_t& bytesDone)
{
    return Blake3File(file, path, Blake3DefaultThreads(), progress, totalBytes, bytesDone);
}

std::string Blake3File(ReadOnlyFile& file, const std::string& path, int threads, ProgressSink& progress,
                       std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    if (!file.IsOpen()) {
        throw FileError(path, file.OpenError());
    }
    if (const std::string& known = file.ContentBlake3(); !known.empty() && !file.WholeContent().empty()) {
        (void)ReportKnownDigest(file.Size(), progress, totalBytes, bytesDone);  // an abort is the caller's to see
        return known;
    }
    Blake3 hasher;
    const int ranges = Blake3RangeCount(file, threads);
    const int error = ranges > 1 ? Blake3HashInRanges(file, ranges, hasher, progress, totalBytes, bytesDone)
                                 : HashOnThisThread(file, hasher, progress, totalBytes, bytesDone);
    if (error != 0) {
        throw FileError(path, error);
    }
    return hasher.FinalHex();
}
