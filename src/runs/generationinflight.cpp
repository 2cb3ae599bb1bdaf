#include "generationinflight.h"

#include "abortflag.h"
#include "blake3wholefiles.h"
#include "crc32engine.h"
#include "filebatchreader.h"
#include "filesinflight.h"
#include "generationlines.h"
#include "generationmessages.h"
#include "generationobserver.h"
#include "lanebatches.h"
#include "listfilewriter.h"
#include "listformats.h"
#include "readonlyfile.h"
#include "rowreaderrors.h"
#include "sharedprogress.h"
#include "writermessages.h"

#include <algorithm>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

namespace {

// What became of one file, held until every earlier file's line is written.
struct FileResult {
    enum class Kind { Pending, Line, LeftOut, Aborted };
    Kind kind = Kind::Pending;
    std::string text;  // the line, or why it was left out
};

class InFlightGeneration {
public:
    InFlightGeneration(const GenerationJob& job, GenerationObserver& observer, ListFileWriter& writer,
                       GenerationOutcome& outcome)
        : m_job(job),
          m_observer(observer),
          m_writer(writer),
          m_outcome(outcome),
          m_kind(static_cast<ListKind>(job.kind)),
          m_laneCount(m_kind == ListKind::Md5 ? Md5LaneCountThatPays() : 0),
          m_results(job.chosen.files.size()),
          m_progress(observer.Progress(), TotalBytesOf(job), 0)
    {
    }

    void Run(int workers)
    {
        std::vector<std::thread> helpers;
        helpers.reserve(static_cast<std::size_t>(workers - 1));
        for (int helper = 1; helper < workers; ++helper) {
            helpers.emplace_back([this, workers] { Work(workers); });
        }
        Work(workers);
        for (std::thread& helper : helpers) {
            helper.join();
        }
        m_progress.ReportFinal();
        m_outcome.filesDone = static_cast<int>(m_nextToWrite);
        if (m_outcome.status == GenerationStatus::WriteFailed) {
            return;
        }
        WriteGathered();
        // Files left unwritten without a failed write were stopped by an abort.
        if (m_outcome.status == GenerationStatus::Completed && m_nextToWrite < m_results.size()) {
            m_outcome.status = GenerationStatus::Aborted;
        }
    }

private:
    void Work(int workers)
    {
        Crc32Engine engine;
        PrepareWorkerEngine(engine, m_kind == ListKind::Sfv, workers);
        WorkerProgress progress(m_progress);
        FileBatchReader reader(FileBatchReader::kSmallFileBytes);
        std::uint64_t bytesDone = 0;
        const std::vector<ChosenFile>& files = m_job.chosen.files;
        for (;;) {
            std::size_t index = 0;
            std::size_t length = 1;
            bool inLanes = false;
            {
                const std::lock_guard lock(m_mutex);
                if (m_stop || AbortRequested() || m_nextToTake >= files.size()) {
                    return;
                }
                index = m_nextToTake;
                if (m_laneCount > 1) {
                    const std::size_t maxFiles =
                        LaneBatchMaxFiles(m_laneCount, files.size() - index, static_cast<std::size_t>(workers));
                    length = std::max<std::size_t>(LaneBatchLength(std::span(files).subspan(index), maxFiles), 1);
                }
                inLanes = length > 1;
                if (!inLanes) {
                    length = SmallFilesFrom(index);
                }
                m_nextToTake += length;
                const int count = static_cast<int>(files.size());
                for (std::size_t taken = index; taken < index + length; ++taken) {
                    const int number = static_cast<int>(taken) + 1;
                    m_observer.FileStarted(files[taken].entryName, number, count, GenerationCounterText(number, count));
                }
            }
            if (inLanes || length > 1) {
                const std::span<const ChosenFile> chosen = std::span(files).subspan(index, length);
                std::vector<FileResult> results = inLanes ? ChecksumInLanes(chosen, reader, progress, bytesDone)
                                                          : ChecksumBatch(chosen, reader, engine, progress, bytesDone);
                progress.Flush();
                const std::lock_guard lock(m_mutex);
                for (std::size_t i = 0; i < length; ++i) {
                    m_results[index + i] = std::move(results[i]);
                }
                WriteReadyLines();
                continue;
            }
            ReadOnlyFile file(files[index].path);
            FileResult result = Checksum(files[index], file, engine, progress, bytesDone);
            progress.Flush();
            const std::lock_guard lock(m_mutex);
            m_results[index] = std::move(result);
            WriteReadyLines();
        }
    }

    // Under m_mutex: how many files from `index` on are taken together, small files
    // (by their size when chosen) opened and read as one batch.
    [[nodiscard]] std::size_t SmallFilesFrom(std::size_t index) const noexcept
    {
        const std::vector<ChosenFile>& files = m_job.chosen.files;
        std::size_t length = 0;
        while (length < FileBatchReader::kMaxBatch && index + length < files.size() &&
               files[index + length].size <= FileBatchReader::kSmallFileBytes) {
            ++length;
        }
        return std::max<std::size_t>(length, 1);
    }

    // Small files opened and read as one batch, each result as Checksum gives it. Files
    // whose names the list cannot hold are not opened.
    std::vector<FileResult> ChecksumBatch(std::span<const ChosenFile> chosen, FileBatchReader& reader,
                                          const Crc32Engine& engine, ProgressSink& progress, std::uint64_t& bytesDone)
    {
        std::vector<AnchoredPath> paths;
        std::vector<std::size_t> opened;
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (!EntryNameProblem(m_kind, chosen[i].entryName)) {
                paths.push_back({AT_FDCWD, chosen[i].path.c_str()});
                opened.push_back(i);
            }
        }
        std::vector<ReadOnlyFile> files = reader.Open(paths);
        if (m_kind == ListKind::Blake3) {
            std::vector<ReadOnlyFile*> batch;
            for (ReadOnlyFile& file : files) {
                batch.push_back(&file);
            }
            Blake3OfWholeFiles(batch);
        }
        std::vector<FileResult> results;
        results.reserve(chosen.size());
        std::size_t next = 0;
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            ReadOnlyFile none;
            ReadOnlyFile& file = next < opened.size() && opened[next] == i ? files[next++] : none;
            results.push_back(Checksum(chosen[i], file, engine, progress, bytesDone));
        }
        return results;
    }

    FileResult Checksum(const ChosenFile& chosen, ReadOnlyFile& file, const Crc32Engine& engine,
                        ProgressSink& progress, std::uint64_t& bytesDone)
    {
        if (std::optional<std::string> problem = EntryNameProblem(m_kind, chosen.entryName)) {
            // A line the list would read back as a comment or another name: none at all.
            return {FileResult::Kind::LeftOut, std::move(*problem)};
        }
        int readError = 0;
        std::optional<std::string> line =
            ChecksumEntryLine(chosen, file, m_kind, m_job.taggedLines, engine, progress, TotalBytesOf(m_job), bytesDone, readError);
        if (AbortRequested()) {
            return {FileResult::Kind::Aborted, {}};
        }
        if (!line) {
            return {FileResult::Kind::LeftOut, ErrorText(readError)};
        }
        return {FileResult::Kind::Line, std::move(*line)};
    }

    // Small MD5 files hashed side by side, each result as Checksum gives it.
    std::vector<FileResult> ChecksumInLanes(std::span<const ChosenFile> chosen, FileBatchReader& reader,
                                            ProgressSink& progress, std::uint64_t& bytesDone)
    {
        std::vector<AnchoredPath> paths;
        for (const ChosenFile& each : chosen) {
            paths.push_back({AT_FDCWD, each.path.c_str()});
        }
        std::vector<ReadOnlyFile> files = reader.Open(paths);
        const std::vector<LaneEntryLine> lines =
            Md5EntryLinesInLanes(chosen, files, m_job.taggedLines, progress, TotalBytesOf(m_job), bytesDone);
        std::vector<FileResult> results(chosen.size());
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (AbortRequested()) {
                results[i] = {FileResult::Kind::Aborted, {}};
            } else if (!lines[i].line) {
                results[i] = {FileResult::Kind::LeftOut, ErrorText(lines[i].readError)};
            } else {
                results[i] = {FileResult::Kind::Line, *lines[i].line};
            }
        }
        return results;
    }

    // Under m_mutex: takes every finished result that has no unfinished one before it,
    // in order, and writes the lines as the one-at-a-time loop would.
    void WriteReadyLines()
    {
        const std::vector<ChosenFile>& files = m_job.chosen.files;
        while (!m_stop && m_nextToWrite < m_results.size()) {
            FileResult& result = m_results[m_nextToWrite];
            if (result.kind == FileResult::Kind::Pending) {
                break;
            }
            if (result.kind == FileResult::Kind::Aborted) {
                // This file gets no line, and no later one does.
                m_outcome.status = GenerationStatus::Aborted;
                m_stop = true;
                break;
            }
            if (result.kind == FileResult::Kind::LeftOut) {
                m_outcome.leftOut.push_back({files[m_nextToWrite].entryName, std::move(result.text)});
            } else {
                m_gathered += result.text;
                ++m_gatheredLines;
            }
            result.text = std::string();
            ++m_nextToWrite;
        }
        const bool longReadNext = m_nextToWrite < files.size() && files[m_nextToWrite].size >= kLongReadSize;
        if (m_job.writeEachLineAtOnce || m_gathered.size() >= kGatheredLinesLimit || longReadNext) {
            WriteGathered();
        }
    }

    // Writes the lines not yet written; a failure stops the run and the outcome says why.
    void WriteGathered()
    {
        if (m_gathered.empty() || m_outcome.status == GenerationStatus::WriteFailed) {
            return;
        }
        if (!m_writer.Write(m_gathered)) {
            m_outcome.status = GenerationStatus::WriteFailed;
            m_outcome.message = WriteFailedMessage(m_job.outputPath, m_writer.Error());
            m_stop = true;
            return;
        }
        m_outcome.linesWritten += m_gatheredLines;
        m_gathered.clear();
        m_gatheredLines = 0;
    }

    const GenerationJob& m_job;
    GenerationObserver& m_observer;
    ListFileWriter& m_writer;
    GenerationOutcome& m_outcome;
    const ListKind m_kind;
    const std::size_t m_laneCount;  // small MD5 files hashed side by side; 0: one at a time
    // Everything below changes under m_mutex, and the observer hears from one worker at a time.
    std::mutex m_mutex;
    std::vector<FileResult> m_results;
    std::size_t m_nextToTake = 0;
    std::size_t m_nextToWrite = 0;
    bool m_stop = false;
    std::string m_gathered;  // lines in order, not yet written
    int m_gatheredLines = 0;
    SharedProgress m_progress;
};

}  // namespace

void GenerateInFlight(const GenerationJob& job, GenerationObserver& observer, ListFileWriter& writer, int workers,
                      GenerationOutcome& outcome)
{
    InFlightGeneration(job, observer, writer, outcome).Run(workers);
}
