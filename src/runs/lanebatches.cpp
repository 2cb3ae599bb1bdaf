#include "lanebatches.h"

#include "chosenfiles.h"
#include "filebatchreader.h"
#include "hashfilesinlanes.h"
#include "listformats.h"
#include "md5lanes.h"
#include "readonlyfile.h"

#include <algorithm>

std::size_t Md5LaneCountThatPays()
{
    const Md5Lanes lanes;
    return lanes.ActivePath() == Md5LanesPath::Scalar ? 0 : lanes.LaneCount();
}

bool LaneBatchLimits::Add(std::uint64_t size) noexcept
{
    const bool open = size > FileBatchReader::kSmallFileBytes;
    if (m_files == m_maxFiles || (m_files > 0 && m_bytes + size > kLaneBatchBytes) ||
        (open && m_openFiles == kLaneBatchOpenFiles)) {
        return false;
    }
    ++m_files;
    m_openFiles += open ? 1 : 0;
    m_bytes += size;
    return true;
}

std::size_t LaneBatchMaxFiles(std::size_t laneCount, std::size_t filesLeft, std::size_t workers) noexcept
{
    const std::size_t share = filesLeft / std::max<std::size_t>(workers, 1);
    return std::clamp(share, laneCount, laneCount * kLaneBatchFilesPerLane);
}

std::size_t LaneBatchLength(std::span<const ChosenFile> files, std::size_t maxFiles) noexcept
{
    LaneBatchLimits limits(maxFiles);
    std::size_t length = 0;
    while (length < files.size() && files[length].size <= kLaneFileLimit && limits.Add(files[length].size)) {
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
