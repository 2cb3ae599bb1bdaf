#pragma once

// A folder of lists for the window's tests: lists of three kinds in a tree of folders.

#include "windowharness.h"

#include <filesystem>
#include <string>

// Lists of three kinds (zlib's crc32, md5sum and sha256sum of the contents): tree.sfv
// in the root (top1 OK, top2 missing), a/b/list.md5 two levels down (f1 OK, f2
// changed, ../../c/sib in a sibling folder), c/SHA256SUMS (sib OK); a/b/extra is in
// no list and one folder is empty.
inline std::string WriteTree(const WindowHarness& harness)
{
    const TempDir& dir = harness.Dir();
    dir.WriteFile("tree/top1", "one\n");
    dir.WriteFile("tree/tree.sfv", "top1 F817A89F\ntop2 96170874\n");
    dir.WriteFile("tree/a/b/f1", "f1\n");
    dir.WriteFile("tree/a/b/f2", "changed\n");
    dir.WriteFile("tree/a/b/list.md5", "2b1abc6b6c5c0018851f9f8e6475563b  f1\n"
                                       "575c5638d60271457e54ab7d07309502  f2\n"
                                       "5b31d9b5fe91f53ad1192ebf499ab3c9  ../../c/sib\n");
    dir.WriteFile("tree/c/sib", "sib\n");
    dir.WriteFile("tree/c/SHA256SUMS", "116d85db36548152ab188c67502700dc196d0a78b901933a30764e57a4a194a6  sib\n");
    dir.WriteFile("tree/a/b/extra", "not in any list\n");
    std::filesystem::create_directory(dir.Path() / "tree/empty");
    return dir.Folder() + "tree";
}
