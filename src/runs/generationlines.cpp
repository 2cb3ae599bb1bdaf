#include "generationlines.h"

#include "chosenfiles.h"
#include "crc32engine.h"
#include "listformats.h"
#include "digestfile.h"
#include "entrytraits.h"
#include "md5file.h"
#include "readonlyfile.h"

std::optional<std::string> ChecksumEntryLine(const ChosenFile& chosen, ReadOnlyFile& file, ListKind kind,
                                             bool tagged, const Crc32Engine& engine, ProgressSink& progress,
                                             std::int64_t totalBytes, std::uint64_t& bytesDone, int& readError)
{
    if (!file.IsOpen()) {
        readError = file.OpenError();
        return std::nullopt;
    }
    if (kind == ListKind::Sfv) {
        std::uint32_t crc = 0;
        const int result = engine.ChecksumFile(file, crc, progress, totalBytes, bytesDone);
        if (result != kChecksumOk) {
            readError = result;
            return std::nullopt;
        }
        return SfvEntryLine(chosen.entryName, crc);
    }
    try {
        const std::string digest =
            DigestFile(file, chosen.path, KindAlgorithm(kind), engine.RangeThreads(), progress, totalBytes, bytesDone);
        return DigestListEntryLine(kind, tagged, digest, chosen.entryName);
    } catch (const FileError& error) {
        readError = error.ErrorCode();
        return std::nullopt;
    }
}
