#include "lanebatches.h"

#include "chosenfiles.h"
#include "hashfilesinlanes.h"
#include "listformats.h"
#include "md5lanes.h"
#include "readonlyfile.h"

std::size_t Md5LaneCountThatPays()
{
    const Md5Lanes lanes;
    return lanes.ActivePath() == Md5LanesPath::Scalar ? 0 : lanes.LaneCount();
}

std::size_t LaneBatchLength(std::span<const ChosenFile> files, std::size_t laneCount) noexcept
{
    std::size_t length = 0;
    std::uint64_t bytes = 0;
    while (length < files.size() && length < laneCount) {
        const ChosenFile& file = files[length];
        if (file.size > kLaneFileLimit || bytes + file.size > kLaneBatchBytes) {
            break;
        }
        bytes += file.size;
        ++length;
    }
    return length;
}

std::vector<LaneEntryLine> Md5EntryLinesInLanes(std::span<const ChosenFile> chosen, std::span<ReadOnlyFile> files,
                                                bool tagged, ProgressSink& progress, std::int64_t totalBytes,
                                                std::uint64_t& bytesDone)
{
    std::vector<ReadOnlyFile*> pointers;
    pointers.reserve(files.size());
    for (ReadOnlyFile& file : files) {
        pointers.push_back(&file);
    }
    const std::vector<LaneFileDigest> digests = HashFilesInLanes(pointers, progress, totalBytes, bytesDone);
    std::vector<LaneEntryLine> lines(chosen.size());
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (digests[i].Finished()) {
            lines[i].line = DigestListEntryLine(ListKind::Md5, tagged, digests[i].digest, chosen[i].entryName);
        } else {
            lines[i].readError = digests[i].error;
        }
    }
    return lines;
}
