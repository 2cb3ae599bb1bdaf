#include "rowverdicts.h"

#include "checksumlist.h"
#include "crc32engine.h"
#include "hashfilesinlanes.h"
#include "hextext.h"

#include <array>
#include <cerrno>

EntryStatus FoundChecksumVerdict(ChecksumList& list, int row, std::string_view found)
{
    list.SetFoundChecksum(row, found);
    return list.ExpectedChecksum(row) == found ? EntryStatus::OK : EntryStatus::Bad;
}

EntryStatus UnreadableVerdict(ChecksumList& list, int row, int error)
{
    // A path that names nothing (ENOENT, or ENOTDIR for a file where a folder should
    // be) is simply missing; anything else is worth telling the user.
    if (error != ENOENT && error != ENOTDIR) {
        list.SetRowReadError(row, error != 0 ? error : EIO);
    }
    return EntryStatus::Missing;
}

EntryStatus Crc32Verdict(ChecksumList& list, int row, int result, std::uint32_t crc)
{
    if (result == kChecksumNoTable) {
        return EntryStatus::Bad;  // the engine could not run: nothing was confirmed
    }
    if (result != kChecksumOk) {
        return UnreadableVerdict(list, row, result);
    }
    const std::array<char, 8> text = Crc32Text(crc);
    return FoundChecksumVerdict(list, row, std::string_view(text.data(), text.size()));
}

EntryStatus LaneVerdict(ChecksumList& list, int row, const LaneFileDigest& digest)
{
    if (!digest.Finished()) {
        return UnreadableVerdict(list, row, digest.error);
    }
    return FoundChecksumVerdict(list, row, digest.digest);
}
