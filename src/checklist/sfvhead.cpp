#include "sfvhead.h"

#include "listfilewriter.h"
#include "newlistfile.h"
#include "writermessages.h"

namespace {

// The head into `writer`; false when a write failed.
bool WriteHead(ListFileWriter& writer, const ChosenFiles& chosen, const DateTimeFields& now)
{
    // The head goes out in large pieces; a short write anywhere is a failed head.
    std::string head = SfvHeaderLines(now);
    constexpr std::size_t kFlushAt = 64 * 1024;
    for (const ChosenFile& file : chosen.files) {
        head += SfvCommentLine(file.size, file.time, file.entryName);
        if (head.size() >= kFlushAt) {
            if (!writer.Write(head)) {
                return false;
            }
            head.clear();
        }
    }
    return writer.Write(head) && writer.Close();
}

}  // namespace

HeadOutcome WriteSfvHead(const std::string& listPath, const ChosenFiles& chosen, const DateTimeFields& now)
{
    int error = 0;
    const std::string temporaryPath = CreateTemporaryList(listPath, error);
    if (temporaryPath.empty()) {
        return {false, CreateFailedMessage(listPath), {}};
    }
    ListFileWriter writer(temporaryPath, ListFileWriter::Mode::Truncate);
    if (!writer.IsOpen()) {
        RemoveTemporaryList(temporaryPath);
        return {false, CreateFailedMessage(listPath), {}};
    }
    if (!WriteHead(writer, chosen, now)) {
        RemoveTemporaryList(temporaryPath);
        return {false, WriteFailedMessage(listPath, writer.Error()), {}};
    }
    return {true, {}, temporaryPath};
}
