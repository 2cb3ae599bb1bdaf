// Prints what a run would choose on this machine for the files named: how many files
// it keeps in flight by default (and why), and whether small files are opened and read
// in batches through io_uring. Usage: tallyfox_run_choices FILE...
// bench/speed.sh prints it beside its figures.

#include "filebatchreader.h"
#include "filesinflight.h"
#include "rotationaldisk.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> paths(argv + 1, argv + argc);
    if (paths.empty()) {
        std::fprintf(stderr, "usage: tallyfox_run_choices FILE...\n");
        return 2;
    }
    const std::size_t slash = paths.front().rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : paths.front().substr(0, slash + 1);
    const int files = static_cast<int>(paths.size());
    const auto path = [&paths](int index) { return paths[static_cast<std::size_t>(index)]; };
    const bool rotating = IsOnRotatingDisk(folder);
    const int inFlight = FilesInFlight(kFilesInFlightAuto, folder, files, path);
    std::string why = rotating ? "the disk says it rotates" : "the disk does not rotate";
    if (rotating && inFlight > 1) {
        why += SampledFilesCached(files, path) ? ", but the files are in the page cache"
                                               : ", but it serves several reads at once";
    }
    std::printf("%d file(s) in flight (%s); small files in batches of %zu %s\n", inFlight, why.c_str(),
                FileBatchReader::kMaxBatch,
                FileBatchReader(0).UsesRing() ? "through io_uring" : "one at a time (no io_uring)");
    return 0;
}
