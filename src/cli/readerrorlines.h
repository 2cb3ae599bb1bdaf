#pragma once

#include <cstdio>
#include <string_view>

class ChecksumList;

// One line per row whose file could not be read, in list order: "<tool>: <name>: <reason>"
// (the system's reason, e.g. "Permission denied"), as md5sum names a file it cannot read.
// A name holding a line break or a backslash is written with those escaped ("\n", "\r",
// "\\"), so that no name can make a line of its own.
void PrintReadErrorLines(const ChecksumList& list, std::string_view tool, std::FILE* out);
