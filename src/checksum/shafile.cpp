#include "shafile.h"

#include "abortflag.h"
#include "md5file.h"
#include "progresssink.h"
#include "pumpmessages.h"
#include "readbuffer.h"
#include "readonlyfile.h"
#include "shacontext.h"

#include <algorithm>

std::string ShaFile(ReadOnlyFile& file, const std::string& path, DigestAlgorithm algorithm, ProgressSink& progress,
                    std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    if (!file.IsOpen()) {
        throw FileError(path, file.OpenError());
    }
    ReadBuffer buffer;
    if (file.Size() > ReadBuffer::kCapacity) {
        file.AdviseSequential();
    }
    ShaContext sha(algorithm);
    for (;;) {
        const ReadOnlyFile::FillResult filled = file.Fill(buffer.Data(), ReadBuffer::kCapacity);
        for (std::size_t offset = 0; offset < filled.bytes; offset += kShaBlockSize) {
            const std::size_t length = std::min(kShaBlockSize, filled.bytes - offset);
            sha.Update(buffer.Data() + offset, length);
            PumpMessages();
            bytesDone += length;
            progress.Report(bytesDone, totalBytes);
            if (AbortRequested()) {
                return sha.Final();
            }
        }
        if (filled.error != 0) {
            throw FileError(path, filled.error);
        }
        if (filled.bytes < ReadBuffer::kCapacity) {
            return sha.Final();
        }
    }
}
