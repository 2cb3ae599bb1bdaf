// The generation run with several files in flight at the moments that matter: a cancel
// before any file is taken, and lines written out before a long file is read.

#include "abortflag.h"
#include "generationobserver.h"
#include "generationrun.h"
#include "listendnotes.h"
#include "listformats.h"
#include "listtypes.h"
#include "progresssink.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>
#include <sstream>
#include <thread>

namespace {

ChosenFiles ChooseAll(const TempDir& dir, const std::vector<std::string>& names, const std::string& list)
{
    std::vector<FileRecordInfo> records;
    std::vector<int> rows;
    for (const std::string& name : names) {
        records.push_back({name, std::filesystem::file_size(dir.Path() / name), {}});
        rows.push_back(static_cast<int>(rows.size()));
    }
    return ChooseFiles(records, rows, dir.Folder(), list);
}

// An observer that can cancel as the run starts, and that, at the first progress of the
// file `watchedFile`, waits (bounded) for the list being written to hold `lines` lines.
class MomentObserver final : public GenerationObserver, private ProgressSink {
public:
    MomentObserver(std::string folder, std::string listName) : m_folder(std::move(folder)), m_listName(std::move(listName)) {}

    void CancelAtStart() { m_cancelAtStart = true; }
    void WatchLinesBefore(int file, std::size_t lines)
    {
        m_watchedFile = file;
        m_lines = lines;
    }

    void RunStarted(const std::string&) override
    {
        if (m_cancelAtStart) {
            g_abort.store(1, std::memory_order_relaxed);
        }
    }
    void FileStarted(const std::string&, int number, int, const std::string&) override
    {
        m_currentFile.store(number, std::memory_order_relaxed);
    }
    [[nodiscard]] ProgressSink& Progress() override { return *this; }
    void RunEnded(const GenerationOutcome& outcome) override
    {
        const std::lock_guard lock(m_mutex);
        m_outcome = outcome;
        m_ended = true;
        m_endedChanged.notify_all();
    }

    GenerationOutcome WaitEnded()
    {
        std::unique_lock lock(m_mutex);
        EXPECT_TRUE(m_endedChanged.wait_for(lock, std::chrono::seconds(120), [this] { return m_ended; }));
        return m_outcome;
    }
    // Whether the lines were there while the watched file was read (nothing: never checked).
    [[nodiscard]] std::optional<bool> LinesWereThere() const { return m_linesWereThere; }

private:
    void SetPosition(int) noexcept override
    {
        if (m_linesWereThere.has_value() || m_currentFile.load(std::memory_order_relaxed) != m_watchedFile) {
            return;
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        bool there = false;
        while (!there && std::chrono::steady_clock::now() < deadline) {
            there = LinesInTemporaryList() >= m_lines;
            std::this_thread::yield();
        }
        m_linesWereThere = there;
    }

    std::size_t LinesInTemporaryList() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
            if (entry.path().filename().string().starts_with("." + m_listName + ".tmp-")) {
                const std::string text = ReadBytes(entry.path().string());
                return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
            }
        }
        return 0;
    }

    const std::string m_folder;
    const std::string m_listName;
    bool m_cancelAtStart = false;
    int m_watchedFile = 0;
    std::size_t m_lines = 0;
    std::atomic<int> m_currentFile{0};
    std::optional<bool> m_linesWereThere;  // only the worker reading the watched file sets it
    std::mutex m_mutex;
    std::condition_variable m_endedChanged;
    bool m_ended = false;
    GenerationOutcome m_outcome;
};

}  // namespace

// Cancelled before any worker took a file: no file was interrupted, yet the list is
// not whole, so the run is Aborted and the list says so.
TEST(GenerationTiming, ACancelBeforeAnyFileIsTakenIsAnAbortedRun)
{
    TempDir dir;
    dir.WriteFile("a.txt", "abc");
    dir.WriteFile("b.txt", "abc");
    for (const ListKind kind : {ListKind::Sfv, ListKind::Md5}) {
        const std::string listName = kind == ListKind::Sfv ? "new.sfv" : "new.md5";
        const std::string list = dir.Folder() + listName;
        MomentObserver observer(dir.Folder(), listName);
        observer.CancelAtStart();
        GenerationRun run;
        run.Start({.outputPath = list, .kind = static_cast<std::int32_t>(kind),
                   .chosen = ChooseAll(dir, {"a.txt", "b.txt"}, list), .filesInFlight = 2},
                  observer);
        const GenerationOutcome outcome = observer.WaitEnded();
        run.Wait();

        EXPECT_EQ(outcome.status, GenerationStatus::Aborted);
        EXPECT_EQ(outcome.linesWritten, 0);
        EXPECT_EQ(ReadBytes(list), NotListedCommentLine(kind, "a.txt", "not reached") +
                                       NotListedCommentLine(kind, "b.txt", "not reached") +
                                       IncompleteListMarkerLine(kind));
    }
}

// Lines gathered for fewer writes still go out before a long file is read, so a file
// finished early never waits on a long read to reach the list.
TEST(GenerationTiming, GatheredLinesAreWrittenBeforeALongFileIsRead)
{
    TempDir dir;
    dir.WriteFile("a.txt", "");  // empty: they pass no progress on, which the watch holds
    dir.WriteFile("b.txt", "");
    dir.WritePatternFile("long.bin", 4 << 20, 3);
    const std::string list = dir.Folder() + "new.sfv";
    MomentObserver observer(dir.Folder(), "new.sfv");
    observer.WatchLinesBefore(3, 2);
    GenerationRun run;
    run.Start({.outputPath = list, .kind = static_cast<std::int32_t>(ListKind::Sfv),
               .chosen = ChooseAll(dir, {"a.txt", "b.txt", "long.bin"}, list), .writeEachLineAtOnce = false,
               .filesInFlight = 2},
              observer);
    const GenerationOutcome outcome = observer.WaitEnded();
    run.Wait();

    EXPECT_EQ(outcome.status, GenerationStatus::Completed);
    EXPECT_EQ(outcome.linesWritten, 3);
    EXPECT_EQ(observer.LinesWereThere(), std::optional<bool>(true));
}
