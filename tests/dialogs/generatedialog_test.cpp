// The generation progress dialog driving a real run: what it shows, Cancel, close.

#include "abortflag.h"
#include "generatedialog.h"
#include "listendnotes.h"
#include "sfvhead.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace {

ChosenFiles Choose(const TempDir& dir, const std::vector<std::string>& names, const std::string& list)
{
    std::vector<FileRecordInfo> records;
    std::vector<int> rows;
    for (const std::string& name : names) {
        records.push_back({name, std::filesystem::file_size(dir.Path() / name), {2002, 3, 1, 9, 30, 0}});
        rows.push_back(static_cast<int>(rows.size()));
    }
    return ChooseFiles(records, rows, dir.Folder(), list);
}

struct DialogFixture {
    QWidget owner;
    GenerateDialog* dialog = new GenerateDialog(&owner);
    QStringList errors;

    DialogFixture()
    {
        owner.show();
        dialog->SetShowError([this](QWidget*, const QString& text) { errors << text; });
    }
};

}  // namespace

TEST(GenerateDialog, ShowsKindFileCounterAndFullBarThenEnds)
{
    TempDir dir;
    dir.WriteFile("a.txt", "abc");
    dir.WritePatternFile("b.bin", 100000);
    dir.WriteFile("c.txt", "abc");
    const std::string list = dir.Folder() + "new.md5";
    DialogFixture fixture;
    QSignalSpy ended(fixture.dialog, &GenerateDialog::generationEnded);

    fixture.dialog->Start({.outputPath = list, .kind = 2, .chosen = Choose(dir, {"a.txt", "b.bin", "c.txt"}, list)});
    EXPECT_TRUE(fixture.dialog->isVisible());
    // Not modal: the owner disables itself, and a close request to it still arrives.
    EXPECT_EQ(fixture.dialog->windowModality(), Qt::NonModal);
    ASSERT_TRUE(ended.wait(60000));

    EXPECT_EQ(fixture.dialog->findChild<QGroupBox*>("generateGroup")->title(), "-= [MD5] =-");
    EXPECT_EQ(fixture.dialog->findChild<QLabel*>("generateCounter")->text(), "3/3");
    EXPECT_EQ(fixture.dialog->findChild<QLabel*>("generateFileName")->text(), "c.txt");
    EXPECT_EQ(fixture.dialog->findChild<QProgressBar*>("generateProgress")->value(), 100);
    // 100,006 bytes read of 100,006.
    EXPECT_EQ(fixture.dialog->findChild<QLabel*>("generateFigures")->text(), "100% · 97.7 KB of 97.7 KB");
    EXPECT_EQ(fixture.dialog->findChild<QPushButton*>("generateCancel")->text(), "&Cancel");
    EXPECT_FALSE(fixture.dialog->isVisible());
    EXPECT_TRUE(fixture.errors.isEmpty());
    EXPECT_EQ(g_abort.load(), 1);
    EXPECT_EQ(ReadBytes(list).size(), 3u * 40u);  // 32 digits, two spaces, 5-letter name, LF
}

TEST(GenerateDialog, CancelSaysUserAbortedOnceAndKeepsTheLinesWrittenSoFar)
{
    TempDir dir;
    dir.WriteFile("first.txt", "abc");
    // Far too large to finish: a sparse file of 64 GiB.
    std::filesystem::resize_file(dir.WriteFile("huge.bin", ""), std::uintmax_t{64} << 30);
    dir.WriteFile("last.txt", "abc");
    const std::string list = dir.Folder() + "new.sfv";
    const ChosenFiles chosen = Choose(dir, {"first.txt", "huge.bin", "last.txt"}, list);
    const HeadOutcome written = WriteSfvHead(list, chosen, {2002, 3, 7, 14, 5, 9});
    ASSERT_TRUE(written.written);
    const std::string head = ReadBytes(written.temporaryPath);
    DialogFixture fixture;
    QSignalSpy ended(fixture.dialog, &GenerateDialog::generationEnded);
    auto* counter = fixture.dialog->findChild<QLabel*>("generateCounter");

    fixture.dialog->Start({.outputPath = list, .writePath = written.temporaryPath, .kind = 1, .chosen = chosen});
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter->text() == "2/3"; }, 60000));
    QTest::mouseClick(fixture.dialog->findChild<QPushButton*>("generateCancel"), Qt::LeftButton);
    ASSERT_TRUE(ended.count() > 0 || ended.wait(60000));

    EXPECT_EQ(fixture.errors, QStringList{"User aborted."});
    EXPECT_EQ(ReadBytes(list), head + "first.txt 352441C2\r\n" +
                                   NotListedCommentLine(ListKind::Sfv, "huge.bin", "not reached") +
                                   NotListedCommentLine(ListKind::Sfv, "last.txt", "not reached") +
                                   IncompleteListMarkerLine(ListKind::Sfv));
    EXPECT_FALSE(fixture.dialog->isVisible());
    EXPECT_TRUE(fixture.owner.isEnabled());
}

TEST(GenerateDialog, ClosingTheOwnerDuringARunStopsItQuietly)
{
    TempDir dir;
    dir.WriteFile("first.txt", "abc");
    std::filesystem::resize_file(dir.WriteFile("huge.bin", ""), std::uintmax_t{64} << 30);
    const std::string list = dir.Folder() + "new.md5";
    auto fixture = std::make_unique<DialogFixture>();
    auto* counter = fixture->dialog->findChild<QLabel*>("generateCounter");
    fixture->dialog->Start({.outputPath = list, .kind = 2, .chosen = Choose(dir, {"first.txt", "huge.bin"}, list)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return counter->text() == "2/2"; }, 60000));

    fixture.reset();  // the owner and its dialog go away: the run is cancelled and joined

    EXPECT_EQ(g_abort.load(), 1);
    EXPECT_EQ(ReadBytes(list), "900150983CD24FB0D6963F7D28E17F72  first.txt\n" +
                                   NotListedCommentLine(ListKind::Md5, "huge.bin", "not reached") +
                                   IncompleteListMarkerLine(ListKind::Md5));
}
