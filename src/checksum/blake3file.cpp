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

// Reports `length` bytes hashed (or known) in progress steps; false on an abort.
bool ReportSteps(std::uint64_t length, ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    for (std::uint64_t reported = 0; reported < length; reported += kBlake3ProgressStep) {
        PumpMessages();
        bytesDone += std::min<std::uint64_t>(kBlake3ProgressStep, length - reported);
        progress.Report(bytesDone, totalBytes);
        if (AbortRequested()) {
            return false;
        }
    }
    return true;
}

int HashOnThisThread(ReadOnlyFile& file, Blake3& hasher, ProgressSink& progress, std::int64_t totalBytes,
                     std::uint64_t& bytesDone)
{
    FileChunks chunks(file);
    auto hash = [&hasher](const unsigned char* data, std::size_t length) noexcept { hasher.Update(data, length); };
    auto after = [&](std::size_t length) { return ReportSteps(length, progress, totalBytes, bytesDone); };
    return ReadFileBlocks(chunks, kBlake3FileSpan, hash, after);
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
        // The progress its bytes would have given; an abort is the caller's to see.
        (void)ReportSteps(file.Size(), progress, totalBytes, bytesDone);
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
