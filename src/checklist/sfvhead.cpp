#include "sfvhead.h"

#include "listfilewriter.h"
#include "writermessages.h"

HeadOutcome WriteSfvHead(const std::string& listPath, const ChosenFiles& chosen, const DateTimeFields& now)
{
    ListFileWriter writer(listPath, ListFileWriter::Mode::Truncate);
    if (!writer.IsOpen()) {
        return {false, CreateFailedMessage(listPath)};
    }
    // The head goes out in large pieces; a short write anywhere is a failed head.
    std::string head = SfvHeaderLines(now);
    constexpr std::size_t kFlushAt = 64 * 1024;
    for (const ChosenFile& file : chosen.files) {
        head += SfvCommentLine(file.size, file.time, file.entryName);
        if (head.size() >= kFlushAt) {
            if (!writer.Write(head)) {
                return {false, WriteFailedMessage(listPath, writer.Error())};
            }
            head.clear();
        }
    }
    if (!writer.Write(head) || !writer.Close()) {
        return {false, WriteFailedMessage(listPath, writer.Error())};
    }
    return {true, {}};
}
