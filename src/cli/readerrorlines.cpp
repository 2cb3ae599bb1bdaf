#include "readerrorlines.h"

#include "checksumlist.h"
#include "outputname.h"

#include <string>

void PrintReadErrorLines(const ChecksumList& list, std::string_view tool, std::FILE* out)
{
    for (const int row : list.RowsWithReadError()) {
        // The name shown as on stdout, escaped so that it cannot break the line.
        const std::string line =
            std::string(tool) + ": " + NameLine(list.RowName(row), ": " + list.RowReadErrorText(row)) + "\n";
        std::fputs(line.c_str(), out);
    }
}
