// The report of a run's results, as text and as CSV.

#include "checksumlist.h"
#include "resultreport.h"

#include "rowname.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// Rows in every state a run leaves: OK, bad, missing, unchecked, and one cut short.
void FillFiveRows(ChecksumList& list)
{
    ChecksumListContent content;
    content.listPath = "/lists/set.sfv";
    content.baseFolder = "/lists/";
    content.kind = ListKind::Sfv;
    content.rows.Append("good.bin", "CBF43926");
    content.rows.Append("changed, \"really\".bin", "0000000A");
    content.rows.Append("gone\nline.bin", "0000000B");
    content.rows.Append("later.bin", "0000000C");
    content.rows.Append("cut.bin", "0000000D");
    content.sizes = {9, 9, kSizeNotFound, 5, 7};
    list.Replace(std::move(content));
    list.SetFoundChecksum(0, "CBF43926");
    list.SetRowStatus(0, static_cast<int>(EntryStatus::OK));
    list.SetFoundChecksum(1, "CBF43927");
    list.SetRowStatus(1, static_cast<int>(EntryStatus::Bad));
    list.SetRowStatus(2, static_cast<int>(EntryStatus::Missing));
    list.SetRowStatus(4, static_cast<int>(EntryStatus::Checking));
    list.SetCounters(1, 1, 1, 2);
}

TEST(ResultReport, TextListsTheVerdictsInListOrderAsTheCheckToolPrintsThem)
{
    ChecksumList list;
    FillFiveRows(list);
    EXPECT_EQ(ResultReportText(list, ReportFormat::Text),
              "good.bin: OK\n"
              "changed, \"really\".bin: BAD\n"
              "\\gone\\nline.bin: MISSING\n"
              "OK: 1, Bad: 1, Missing: 1, Unchecked: 2\n");
}

TEST(ResultReport, CsvHasEveryRowQuotedAsRfc4180Asks)
{
    ChecksumList list;
    FillFiveRows(list);
    EXPECT_EQ(ResultReportText(list, ReportFormat::Csv),
              "name,size,state,expected,found\r\n"
              "good.bin,9,OK,CBF43926,CBF43926\r\n"
              "\"changed, \"\"really\"\".bin\",9,BAD,0000000A,CBF43927\r\n"
              "\"gone\nline.bin\",,MISSING,0000000B,\r\n"
              "later.bin,5,UNCHECKED,0000000C,\r\n"
              "cut.bin,7,UNCHECKED,0000000D,\r\n");
}

TEST(ResultReport, AnEmptyListGivesOnlyTheTotalsOrTheHeader)
{
    const ChecksumList list;
    EXPECT_EQ(ResultReportText(list, ReportFormat::Text), "OK: 0, Bad: 0, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(ResultReportText(list, ReportFormat::Csv), "name,size,state,expected,found\r\n");
}

TEST(ResultReport, FormatFollowsTheExtension)
{
    const struct {
        const char* path;
        ReportFormat format;
    } cases[] = {
        {"/out/report.csv", ReportFormat::Csv}, {"/out/REPORT.CSV", ReportFormat::Csv},
        {"/out/report.txt", ReportFormat::Text}, {"/out/report", ReportFormat::Text},
        {"csv", ReportFormat::Text},            {"/out/report.csv.txt", ReportFormat::Text},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReportFormatForPath(c.path), c.format) << c.path;
    }
}

// Names that could forge or hide a line in the text report, or run as a formula in a
// spreadsheet that opens the CSV.
struct ReportNameCase {
    const char* name;
    std::string rowName;
    std::string textLine;  // the row's line of the text report
    std::string csvField;  // the row's name field in the CSV
};

class ReportNames : public testing::TestWithParam<ReportNameCase> {};

TEST_P(ReportNames, CannotForgeALineOrRunAsAFormula)
{
    const ReportNameCase& row = GetParam();
    ChecksumListContent content;
    content.kind = ListKind::Sfv;
    content.rows.Append(row.rowName, "CBF43926");
    content.sizes = {9};
    ChecksumList list;
    list.Replace(std::move(content));
    list.SetRowStatus(0, static_cast<int>(EntryStatus::OK));
    list.SetCounters(1, 0, 0, 0);

    EXPECT_EQ(ResultReportText(list, ReportFormat::Text), row.textLine + "\nOK: 1, Bad: 0, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(ResultReportText(list, ReportFormat::Csv),
              "name,size,state,expected,found\r\n" + row.csvField + ",9,OK,CBF43926,\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    ResultReport, ReportNames,
    testing::Values(
        ReportNameCase{"Plain", "a b.bin", "a b.bin: OK", "a b.bin"},
        ReportNameCase{"ForgedLine", "x\nsetup.exe: OK\ny", "\\x\\nsetup.exe: OK\\ny: OK", "\"x\nsetup.exe: OK\ny\""},
        ReportNameCase{"CarriageReturn", "a\rb", "\\a\\rb: OK", "\"a\rb\""},
        ReportNameCase{"Backslash", "sub\\f", "\\sub\\\\f: OK", "sub\\f"},
        ReportNameCase{"Formula", "=HYPERLINK(\"x\")", "=HYPERLINK(\"x\"): OK", "\"'=HYPERLINK(\"\"x\"\")\""},
        ReportNameCase{"Plus", "+1", "+1: OK", "\"'+1\""},
        ReportNameCase{"Minus", "-rf", "-rf: OK", "\"'-rf\""},
        ReportNameCase{"At", "@SUM(1)", "@SUM(1): OK", "\"'@SUM(1)\""},
        ReportNameCase{"Tab", "\tx", "\tx: OK", "\"'\tx\""},
        ReportNameCase{"LeadingCarriageReturn", "\rx", "\\\\rx: OK", "\"'\rx\""},
        ReportNameCase{"FormulaSignInside", "a=b-c", "a=b-c: OK", "a=b-c"}),
    RowName{});

// The report never replaces the list it reports on, however its path reaches it.
TEST(ResultReport, APathReachingTheListThroughALinkOrDotDotIsRefused)
{
    const TempDir dir;
    const std::string listText = "good.bin CBF43926\n";
    const std::string listPath = dir.WriteFile("set.sfv", listText);
    std::filesystem::create_directory(dir.Path() / "sub");
    std::filesystem::create_symlink(listPath, dir.Path() / "link.sfv");
    ChecksumListContent content;
    content.listPath = listPath;
    content.kind = ListKind::Sfv;
    content.rows.Append("good.bin", "CBF43926");
    ChecksumList list;
    list.Replace(std::move(content));

    for (const std::string& report : {dir.Folder() + "link.sfv", dir.Folder() + "sub/../set.sfv"}) {
        EXPECT_EQ(SaveResultReport(list, ReportFormat::Text, report),
                  "Write report [" + report + "] failed: that is the checksum list itself.");
        std::ifstream in(listPath, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_EQ(text.str(), listText) << report;
    }
}

}  // namespace
