// What tallyfox-check prints as rows get their verdicts, with several files in flight.

#include "checkreporter.h"
#include "checksumlist.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

std::string Printed(std::FILE* out)
{
    std::fflush(out);
    std::rewind(out);
    std::string text;
    for (int c = std::fgetc(out); c != EOF; c = std::fgetc(out)) {
        text.push_back(static_cast<char>(c));
    }
    std::fseek(out, 0, SEEK_END);  // the reporter writes on at the end
    return text;
}

// Ctrl-C with two files in flight: row 0 (a large file) is cut short while rows 1 and
// 2 got their verdicts. They are held while row 0 has none, and printed in order when
// the worker ends, so the lines match the totals that count them.
TEST(CheckReporterTest, AnInterruptedRunPrintsTheVerdictsAfterTheRowCutShort)
{
    ChecksumListContent content;
    content.kind = ListKind::Sfv;
    content.rows.Append("large.bin", "00000001");
    content.rows.Append("small.bin", "00000002");
    content.rows.Append("gone.bin", "00000003");
    ChecksumList list;
    list.Replace(std::move(content));
    const std::unique_ptr<std::FILE, FileCloser> out(std::tmpfile());
    ASSERT_NE(out, nullptr);
    CheckReporter reporter(list, out.get());

    list.SetRowStatus(0, static_cast<int>(EntryStatus::Checking));
    list.SetRowStatus(2, static_cast<int>(EntryStatus::Missing));
    reporter.RowChanged(2);
    list.SetRowStatus(1, static_cast<int>(EntryStatus::OK));
    reporter.RowChanged(1);
    EXPECT_EQ(Printed(out.get()), "") << "rows wait for row 0";

    reporter.OnRunEvent(RunEvent::WorkerEnded);
    EXPECT_EQ(Printed(out.get()), "small.bin: OK\ngone.bin: MISSING\n");
    EXPECT_TRUE(reporter.WaitFinished(0));
}

}  // namespace
