// Lists a folder into the record array and sorts it by name, as the browser does when
// a folder is selected; bench/folders.sh times it against `ls -l`.
// Usage: tallyfox_folder_listing FOLDER

#include "filerecordsort.h"
#include "folderlisting.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::string folder = argv[1];
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    std::vector<FileRecord> records = ListFolderFiles(folder);
    (void)SortFileRecords(records, 0);
    std::printf("%zu files, first %s\n", records.size(), records.empty() ? "-" : records.front().name.c_str());
    return 0;
}
