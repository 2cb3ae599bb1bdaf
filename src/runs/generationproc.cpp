#include "generationproc.h"

#include "abortflag.h"
#include "crc32engine.h"
#include "fileopenahead.h"
#include "filesinflight.h"
#include "generationinflight.h"
#include "generationlines.h"
#include "generationmessages.h"
#include "generationobserver.h"
#include "lanebatches.h"
#include "listendnotes.h"
#include "listfilewriter.h"
#include "listformats.h"
#include "newlistfile.h"
#include "listtypes.h"
#include "progresssink.h"
#include "readonlyfile.h"
#include "rowreaderrors.h"
#include "writermessages.h"

#include <optional>
#include <span>
#include <vector>

namespace {

// The folder part of a path ("." for a bare name).
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Small files are read whole ahead where hashing is the slower part (every digest but
// CRC-32).
constexpr std::size_t kDigestPreReadLimit = 64 * 1024;

class GenerationLoop {
public:
    GenerationLoop(const GenerationJob& job, GenerationObserver& observer, ListFileWriter& writer)
        : m_job(job), m_observer(observer), m_writer(writer)
    {
    }

    void Run(ListKind kind, GenerationOutcome& outcome)
    {
        const std::vector<ChosenFile>& files = m_job.chosen.files;
        const int count = static_cast<int>(files.size());
        PrepareWorkerEngine(m_engine, kind == ListKind::Sfv, 1);  // once per run
        FileOpenAhead openAhead([&files](int row) { return files[static_cast<std::size_t>(row)].path; }, 0, count,
                                kind != ListKind::Sfv ? kDigestPreReadLimit : 0);
        const std::size_t laneCount = kind == ListKind::Md5 ? Md5LaneCountThatPays() : 0;
        for (int row = 0; row < count; ++row) {
            const std::size_t batch =
                laneCount > 1 ? LaneBatchLength(std::span(files).subspan(static_cast<std::size_t>(row)), laneCount) : 0;
            if (batch > 1) {
                if (!RunLaneBatch(row, batch, openAhead, outcome)) {
                    break;
                }
                row += static_cast<int>(batch) - 1;
                continue;
            }
            const ChosenFile& chosen = files[static_cast<std::size_t>(row)];
            if (chosen.size >= kLongReadSize && !WriteGathered(outcome)) {
                break;
            }
            m_observer.FileStarted(chosen.entryName, row + 1, count, GenerationCounterText(row + 1, count));
            ReadOnlyFile file = openAhead.Take(row);
            int readError = 0;
            if (std::optional<std::string> problem = EntryNameProblem(kind, chosen.entryName)) {
                // A line the list would read back as a comment or another name: none at all.
                outcome.leftOut.push_back({chosen.entryName, std::move(*problem)});
                outcome.filesDone = row + 1;
                continue;
            }
            const std::optional<std::string> line = ChecksumEntryLine(chosen, file, kind, m_job.taggedLines, m_engine, m_observer.Progress(),
                                                                      TotalBytesOf(m_job), m_bytesDone, readError);
            if (AbortRequested()) {
                outcome.status = GenerationStatus::Aborted;
                break;
            }
            outcome.filesDone = row + 1;
            if (!line) {
                outcome.leftOut.push_back({chosen.entryName, ErrorText(readError)});
                continue;
            }
            m_gathered += *line;
            ++m_gatheredLines;
            if ((m_job.writeEachLineAtOnce || m_gathered.size() >= kGatheredLinesLimit) && !WriteGathered(outcome)) {
                break;
            }
        }
        if (outcome.status != GenerationStatus::WriteFailed) {
            WriteGathered(outcome);
        }
        m_engine.FreeTable();
    }

private:
    // `length` small MD5 files from `first` on, hashed side by side; their lines (or
    // left-out reasons) follow in order as the one-file path gives them. False when the
    // run stops (aborted: no line of the batch is kept; or a write failed).
    bool RunLaneBatch(int first, std::size_t length, FileOpenAhead& openAhead, GenerationOutcome& outcome)
    {
        const int count = static_cast<int>(m_job.chosen.files.size());
        const std::span<const ChosenFile> chosen =
            std::span(m_job.chosen.files).subspan(static_cast<std::size_t>(first), length);
        for (const ChosenFile& each : chosen) {
            if (each.size >= kLongReadSize) {
                if (!WriteGathered(outcome)) {
                    return false;
                }
                break;
            }
        }
        std::vector<ReadOnlyFile> files;
        files.reserve(length);
        for (std::size_t i = 0; i < length; ++i) {
            const int row = first + static_cast<int>(i);
            m_observer.FileStarted(chosen[i].entryName, row + 1, count, GenerationCounterText(row + 1, count));
            files.push_back(openAhead.Take(row));
        }
        const std::vector<LaneEntryLine> lines =
            Md5EntryLinesInLanes(chosen, files, m_job.taggedLines, m_observer.Progress(), TotalBytesOf(m_job), m_bytesDone);
        if (AbortRequested()) {
            outcome.status = GenerationStatus::Aborted;
            return false;
        }
        outcome.filesDone = first + static_cast<int>(length);
        for (std::size_t i = 0; i < length; ++i) {
            if (!lines[i].line) {
                outcome.leftOut.push_back({chosen[i].entryName, ErrorText(lines[i].readError)});
                continue;
            }
            m_gathered += *lines[i].line;
            ++m_gatheredLines;
            if ((m_job.writeEachLineAtOnce || m_gathered.size() >= kGatheredLinesLimit) && !WriteGathered(outcome)) {
                return false;
            }
        }
        return true;
    }

    // Writes the lines not yet written; false (and the outcome says why) when that failed.
    bool WriteGathered(GenerationOutcome& outcome)
    {
        if (m_gathered.empty()) {
            return true;
        }
        if (!m_writer.Write(m_gathered)) {
            outcome.status = GenerationStatus::WriteFailed;
            outcome.message = WriteFailedMessage(m_job.outputPath, m_writer.Error());
            return false;
        }
        outcome.linesWritten += m_gatheredLines;
        m_gathered.clear();
        m_gatheredLines = 0;
        return true;
    }

    const GenerationJob& m_job;
    GenerationObserver& m_observer;
    ListFileWriter& m_writer;
    Crc32Engine m_engine;
    std::uint64_t m_bytesDone = 0;
    std::string m_gathered;  // finished lines not yet written
    int m_gatheredLines = 0;
};

}  // namespace

namespace {

// The comment lines that end a list which does not list every chosen file: the files
// left out, the files not reached, and for a list cut short the incomplete marker.
std::string EndNotes(const GenerationJob& job, ListKind kind, const GenerationOutcome& outcome)
{
    std::string notes;
    for (const LeftOutFile& file : job.leftOutBefore) {
        notes += NotListedCommentLine(kind, file.name, file.reason);
    }
    for (const LeftOutFile& file : outcome.leftOut) {
        notes += NotListedCommentLine(kind, file.name, file.reason);
    }
    if (outcome.status == GenerationStatus::Aborted) {
        const std::vector<ChosenFile>& files = job.chosen.files;
        for (std::size_t i = static_cast<std::size_t>(outcome.filesDone); i < files.size(); ++i) {
            notes += NotListedCommentLine(kind, files[i].entryName, "not reached");
        }
        notes += IncompleteListMarkerLine(kind);
    }
    return notes;
}

void FailWrite(const GenerationJob& job, GenerationOutcome& outcome, int error)
{
    outcome.status = GenerationStatus::WriteFailed;
    outcome.message = WriteFailedMessage(job.outputPath, error);
}

// The loop of the run's kind, with its lines going to `writer`.
void GenerateInto(const GenerationJob& job, GenerationObserver& observer, ListFileWriter& writer,
                  GenerationOutcome& outcome)
{
    const auto kind = static_cast<ListKind>(job.kind);
    observer.Progress().SetPosition(0);
    if (!IsCreatableListKind(kind)) {
        observer.RunStarted(kUnknownGroupCaption);
        outcome.status = GenerationStatus::UnknownKind;
        outcome.message = UnknownOutputTypeMessage(job.kind);
        return;
    }
    observer.RunStarted(GroupCaption(kind));
    const std::vector<ChosenFile>& files = job.chosen.files;
    const int workers = FilesInFlight(job.filesInFlight, files.empty() ? std::string() : FolderOf(files[0].path),
                                      static_cast<int>(files.size()),
                                      [&files](int index) { return files[static_cast<std::size_t>(index)].path; });
    if (workers > 1) {
        GenerateInFlight(job, observer, writer, workers, outcome);
    } else {
        GenerationLoop(job, observer, writer).Run(kind, outcome);
    }
    if (outcome.status == GenerationStatus::WriteFailed) {
        return;
    }
    const std::string notes = EndNotes(job, kind, outcome);
    if (!notes.empty() && !writer.Write(notes)) {
        FailWrite(job, outcome, writer.Error());
    }
}

}  // namespace

GenerationOutcome RunGeneration(const GenerationJob& job, GenerationObserver& observer)
{
    GenerationOutcome outcome;
    int error = 0;
    // The list is written beside its place and renamed into it at the end, so a failed
    // write never leaves a partial list there, nor takes an older list's place.
    const std::string temporaryPath =
        job.writePath.empty() ? CreateTemporaryList(job.outputPath, error) : job.writePath;
    std::optional<ListFileWriter> writer;
    if (!temporaryPath.empty()) {
        writer.emplace(temporaryPath, ListFileWriter::Mode::Append);
    }
    if (!writer || !writer->IsOpen()) {
        outcome.status = GenerationStatus::CreateFailed;
        outcome.message = CreateFailedMessage(job.outputPath);
    } else {
        GenerateInto(job, observer, *writer, outcome);
        if (!writer->Close() && outcome.status != GenerationStatus::WriteFailed) {
            FailWrite(job, outcome, writer->Error());
        }
    }
    if (outcome.status == GenerationStatus::CreateFailed || outcome.status == GenerationStatus::WriteFailed) {
        RemoveTemporaryList(temporaryPath);
    } else if (!MoveListIntoPlace(temporaryPath, job.outputPath, error)) {
        FailWrite(job, outcome, error);
    }
    // Whatever ended the run, the abort flag is left raised, as when the dialog ends.
    g_abort.store(1, std::memory_order_relaxed);
    observer.RunEnded(outcome);
    return outcome;
}
