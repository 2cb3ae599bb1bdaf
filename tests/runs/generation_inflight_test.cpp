// The generation run with several files in flight writes the list the one-at-a-time
// run writes, byte for byte, and a cancel keeps lines only for files in chosen order.

#include "abortflag.h"
#include "generationrecorder.h"
#include "generationrun.h"
#include "listendnotes.h"
#include "listformats.h"
#include "listtypes.h"
#include "md5.h"
#include "sfvhead.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

namespace {

const DateTimeFields kNow{2002, 3, 7, 14, 5, 9};

// Small and large files in turn (large ones of a mebibyte and more, which make the
// gathered lines go out first), an empty one, one that is gone when its turn comes and
// one whose name holds a line break.
struct ChosenSet {
    TempDir dir;
    ChosenFiles chosen;
    std::vector<std::string> names;

    ChosenSet()
    {
        std::vector<FileRecordInfo> records;
        std::vector<int> rows;
        for (int i = 0; i < 30; ++i) {
            std::size_t size = i % 4 == 0 ? (1 << 20) + static_cast<std::size_t>(i) : 50u * static_cast<std::size_t>(i);
            if (i == 12) {
                size = (4 << 20) + 1;  // over the size of the MD5 files hashed side by side
            }
            std::string name = "f" + std::to_string(i) + ".bin";
            if (i == 17) {
                name = "line\nbreak.bin";
            }
            dir.WritePatternFile(name, i == 9 ? 0 : size, static_cast<unsigned>(i + 1));
            records.push_back({name, i == 9 ? 0 : size, {2001, 12, 24, 18, 0, 59}});
            rows.push_back(i);
            names.push_back(name);
        }
        chosen = ChooseFiles(records, rows, dir.Folder(), dir.Folder() + "list");
        std::filesystem::remove(dir.Folder() + "f22.bin");  // gone before its turn
    }
};

struct Written {
    std::string head;  // the SFV head written before the run
    std::string bytes;
    GenerationOutcome outcome;
    std::vector<std::string> counters;
};

Written Generate(const ChosenSet& set, ListKind kind, bool eachAtOnce, int filesInFlight, int cancelFrom = 0)
{
    const std::string list = set.dir.Folder() + (kind == ListKind::Sfv ? "list.sfv" : "list.md5");
    std::string head;
    GenerationJob job{.outputPath = list, .kind = static_cast<std::int32_t>(kind), .chosen = set.chosen,
                      .writeEachLineAtOnce = eachAtOnce, .filesInFlight = filesInFlight};
    if (kind == ListKind::Sfv) {
        const HeadOutcome written = WriteSfvHead(list, set.chosen, kNow);
        EXPECT_TRUE(written.written);
        head = ReadBytes(written.temporaryPath);
        job.writePath = written.temporaryPath;
    }
    GenerationRecorder recorder;
    recorder.CancelFromFile(cancelFrom);
    GenerationRun run;
    run.Start(std::move(job), recorder);
    EXPECT_TRUE(recorder.WaitEnded());
    run.Wait();
    return {head, ReadBytes(list), recorder.Outcome(), recorder.Counters()};
}

std::vector<std::string> LeftOutNames(const GenerationOutcome& outcome)
{
    std::vector<std::string> names;
    for (const LeftOutFile& file : outcome.leftOut) {
        names.push_back(file.name);
    }
    return names;
}

// The MD5 list as one file at a time computes it, each digest taken straight from its
// file: what the lanes and the workers write must be these bytes.
std::string Md5ListOneFileAtATime(const ChosenSet& set)
{
    std::string list;
    for (const ChosenFile& file : set.chosen.files) {
        if (!std::filesystem::exists(file.path)) {
            continue;
        }
        const std::string bytes = ReadBytes(file.path);
        Md5 md5;
        md5.Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
        list += Md5EntryLine(md5.Final(), file.entryName);
    }
    return list + NotListedCommentLine(ListKind::Md5, "f22.bin", "No such file or directory");
}

class GenerationInFlightTest : public ::testing::TestWithParam<std::tuple<int, ListKind, bool>> {};

TEST_P(GenerationInFlightTest, WritesTheOneAtATimeListByteForByte)
{
    const auto [filesInFlight, kind, eachAtOnce] = GetParam();
    const ChosenSet set;
    const Written single = Generate(set, kind, eachAtOnce, 1);
    const Written several = Generate(set, kind, eachAtOnce, filesInFlight);

    EXPECT_EQ(several.bytes, single.bytes);
    if (kind == ListKind::Md5) {
        EXPECT_EQ(single.bytes, Md5ListOneFileAtATime(set));
    }
    EXPECT_EQ(several.outcome.status, GenerationStatus::Completed);
    // An MD5 list holds the name with a line break (escaped); an SFV list cannot.
    if (kind == ListKind::Md5) {
        EXPECT_EQ(several.outcome.linesWritten, 29);
        EXPECT_EQ(LeftOutNames(several.outcome), (std::vector<std::string>{"f22.bin"}));
    } else {
        EXPECT_EQ(several.outcome.linesWritten, 28);
        EXPECT_EQ(LeftOutNames(several.outcome), (std::vector<std::string>{"line\nbreak.bin", "f22.bin"}));
    }
    // Files are reported as they are handed out: in chosen order, each once.
    EXPECT_EQ(several.counters, single.counters);
    EXPECT_EQ(several.counters.size(), 30u);
}

INSTANTIATE_TEST_SUITE_P(FilesInFlight, GenerationInFlightTest,
                         testing::Combine(testing::Values(2, 8), testing::Values(ListKind::Sfv, ListKind::Md5),
                                          testing::Bool()),
                         [](const auto& row) {
                             return std::string(std::get<1>(row.param) == ListKind::Sfv ? "Sfv" : "Md5") + "At" +
                                    std::to_string(std::get<0>(row.param)) +
                                    (std::get<2>(row.param) ? "EachLineAtOnce" : "Gathered");
                         });

// A cancel while several files are in flight: the list holds the lines of a run that
// stopped at one file, in chosen order (the start of the full list), and says how many.
TEST(GenerationInFlight, CancelKeepsOnlyLinesOfTheFilesBeforeTheFirstOneInterrupted)
{
    const ChosenSet set;
    for (const ListKind kind : {ListKind::Sfv, ListKind::Md5}) {
        const Written full = Generate(set, kind, false, 1);
        const Written cancelled = Generate(set, kind, false, 4, 13);

        EXPECT_EQ(cancelled.outcome.status, GenerationStatus::Aborted);
        EXPECT_EQ(g_abort.load(), 1);
        // The list ends with the notes of a list cut short, the marker last.
        EXPECT_TRUE(cancelled.bytes.ends_with(IncompleteListMarkerLine(kind)));
        const std::string notesStart = kind == ListKind::Sfv ? "; Not listed: " : "# Not listed: ";
        const std::string body = cancelled.bytes.substr(0, cancelled.bytes.find(notesStart));
        ASSERT_LE(body.size(), full.bytes.size());
        EXPECT_EQ(full.bytes.compare(0, body.size(), body), 0);
        const std::string lineEnd = kind == ListKind::Sfv ? "\r\n" : "\n";
        EXPECT_TRUE(body.empty() || body.ends_with(lineEnd));
        ASSERT_EQ(body.compare(0, cancelled.head.size(), cancelled.head), 0);
        const std::string entries = body.substr(cancelled.head.size());
        int lines = 0;
        for (std::size_t at = entries.find(lineEnd); at != std::string::npos; at = entries.find(lineEnd, at + 1)) {
            ++lines;
        }
        EXPECT_EQ(cancelled.outcome.linesWritten, lines);
        EXPECT_LT(cancelled.outcome.linesWritten, full.outcome.linesWritten);
    }
}

}  // namespace
