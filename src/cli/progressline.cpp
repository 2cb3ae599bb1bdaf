#include "progressline.h"

#include "progresstexts.h"

#include <cstdio>

std::string TerminalProgressLine(const ProgressFigures& figures, int filesDone, int rowCount,
                                 std::string_view currentFile, int width)
{
    char head[48];
    std::snprintf(head, sizeof head, "%3d%%  %d/%d  ", figures.percent, filesDone, rowCount);
    std::string line = head;
    line += ByteAmountText(figures.bytesDone) + " of " + ByteAmountText(figures.totalBytes) + "  ";
    line += figures.bytesPerSecond ? SpeedText(*figures.bytesPerSecond) : std::string("-- MB/s");
    line += "  ";
    line += figures.secondsLeft ? DurationText(*figures.secondsLeft) : std::string("--");
    line += " left";
    if (!currentFile.empty()) {
        line += "  ";
        line += currentFile;
    }
    // Control characters in a name would move the cursor: show them as '?'.
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
            c = '?';
        }
    }
    if (width >= 2) {
        // Columns are counted as UTF-8 lead bytes; a cut backs off to a character's start.
        std::size_t columns = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) {
                continue;
            }
            if (columns == static_cast<std::size_t>(width - 1)) {
                line.resize(i);
                break;
            }
            ++columns;
        }
    }
    return line;
}
