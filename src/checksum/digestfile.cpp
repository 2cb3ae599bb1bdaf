#include "digestfile.h"

#include "blake3file.h"
#include "md5file.h"
#include "shafile.h"

#include <stdexcept>

std::string DigestFile(ReadOnlyFile& file, const std::string& path, DigestAlgorithm algorithm,
                       ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    if (algorithm == DigestAlgorithm::Blake3) {
        return Blake3File(file, path, progress, totalBytes, bytesDone);
    }
    return DigestFile(file, path, algorithm, 1, progress, totalBytes, bytesDone);
}

std::string DigestFile(ReadOnlyFile& file, const std::string& path, DigestAlgorithm algorithm, int rangeThreads,
                       ProgressSink& progress, std::int64_t totalBytes, std::uint64_t& bytesDone)
{
    switch (algorithm) {
    case DigestAlgorithm::Md5:
        return Md5File(file, path, progress, totalBytes, bytesDone);
    case DigestAlgorithm::Sha1:
    case DigestAlgorithm::Sha256:
    case DigestAlgorithm::Sha512:
    case DigestAlgorithm::Blake2b:
    case DigestAlgorithm::Sha3_256:
    case DigestAlgorithm::Sha3_512:
        return ShaFile(file, path, algorithm, progress, totalBytes, bytesDone);
    case DigestAlgorithm::Blake3:
        return Blake3File(file, path, rangeThreads, progress, totalBytes, bytesDone);
    case DigestAlgorithm::Crc32:
        break;
    }
    throw std::invalid_argument("DigestFile: CRC-32 has its own engine");
}
