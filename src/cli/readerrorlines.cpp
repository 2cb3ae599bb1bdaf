#include "readerrorlines.h"

#include "checksumlist.h"

#include <string>

namespace {

std::string EscapedForOneLine(std::string_view name)
{
    std::string text;
    text.reserve(name.size());
    for (const char c : name) {
        switch (c) {
        case '\\': text += "\\\\"; break;
        case '\n': text += "\\n"; break;
        case '\r': text += "\\r"; break;
        default: text += c; break;
        }
    }
    return text;
}

}  // namespace

void PrintReadErrorLines(const ChecksumList& list, std::string_view tool, std::FILE* out)
{
    for (const int row : list.RowsWithReadError()) {
        const std::string line = std::string(tool) + ": " + EscapedForOneLine(list.RowName(row)) + ": " +
                                 list.RowReadErrorText(row) + "\n";
        std::fputs(line.c_str(), out);
    }
}
