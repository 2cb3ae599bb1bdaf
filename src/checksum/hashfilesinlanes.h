#pragma once

#include "md5lanes.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class ProgressSink;
class ReadOnlyFile;

// What HashFilesInLanes found for one file.
struct LaneFileDigest {
    std::string digest;  // 32 upper-case hex digits when the file was read whole, else empty
    int error = 0;       // errno of a failed open or read (what Md5File's FileError carries)

    // False for a file that failed or that an abort left unfinished (digest empty, error 0).
    [[nodiscard]] bool Finished() const noexcept { return !digest.empty(); }
};

// The MD5 of each already-open file, several files at once in the lanes of Md5Lanes:
// each lane reads its file in chunks and the lanes run in lockstep, a lane whose file
// is finished (or failed) taking the next file of the batch. Results are in the order
// of `files`, each digest equal to Md5File's.
//
// Progress and abort follow Md5File: after every round of at most 1024 bytes per lane
// the events are pumped, the bytes the lanes took are added to `bytesDone` and
// reported with progress.Report(bytesDone, totalBytes), and then g_abort is tested; an
// abort returns at once, the files not yet finished with neither digest nor error. A
// failed open or read fails only its own file (its bytes already taken stay counted);
// the other lanes go on. Made for batches of files of like sizes, small ones above all,
// where one core's MD5 is the limit; a large file that outlasts the rest of its batch
// goes on alone at the speed of Md5File.
[[nodiscard]] std::vector<LaneFileDigest> HashFilesInLanes(std::span<ReadOnlyFile* const> files,
                                                           ProgressSink& progress, std::int64_t totalBytes,
                                                           std::uint64_t& bytesDone,
                                                           Md5LanesPath path = Md5LanesPath::Auto);
