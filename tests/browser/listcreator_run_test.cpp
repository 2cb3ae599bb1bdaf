// ListCreator: the generation run behind its window-modal progress dialog: the window
// held during the run, Cancel, the dialog's figures, and closing the window mid-run.

#include "listcreatorharness.h"

#include "folderbrowser.h"
#include "generatedialog.h"
#include "listendnotes.h"
#include "rowname.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The window takes no input while the run goes on, its progress dialog does, and both
// are back to normal after it: the window enabled, no dialog or pop-up left up.
TEST(ListCreator, WindowIsDisabledDuringTheRunAndEnabledAfter)
{
    WindowHarness harness;
    MainWindow& window = StartInData(harness, {{"a.txt", "abc"}});
    SelectRows(window, {0});
    Answer(harness, "lists/run.sfv");
    Generate(harness, CommandId::Generate);

    ASSERT_NE(window.OpenGenerateDialog(), nullptr);
    EXPECT_FALSE(window.isEnabled());
    EXPECT_TRUE(window.OpenGenerateDialog()->isVisible());
    EXPECT_TRUE(window.OpenGenerateDialog()->isEnabled());
    ASSERT_TRUE(WaitForGenerations(harness, 1));
    EXPECT_TRUE(window.isEnabled());
    EXPECT_EQ(window.OpenGenerateDialog(), nullptr);
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(widget->isVisible() && widget->objectName() == QLatin1String("remarkDialog"));
    }
}

// A long file second of three, for a run that can be stopped while it reads that file.
Files LongSecondFile(WindowHarness& harness)
{
    fs::create_directory(harness.Dir().Path() / "data");
    const std::string huge = harness.Dir().WriteFile("data/b.bin", "");
    fs::resize_file(huge, kLongFileSize);
    return {{"a.txt", "abc"}, {"c.txt", "x"}};
}

[[nodiscard]] bool WaitForSecondFile(const MainWindow& window)
{
    return QTest::qWaitFor(
        [&window] {
            const GenerateDialog* dialog = window.OpenGenerateDialog();
            const auto* counter = dialog == nullptr ? nullptr : dialog->findChild<QLabel*>(QStringLiteral("generateCounter"));
            return counter != nullptr && counter->text() == QLatin1String("2/3");
        },
        30000);
}

TEST(ListCreator, CancelKeepsTheHeadAndTheFinishedLinesAndSaysSoOnce)
{
    WindowHarness harness;
    MainWindow& window = StartInData(harness, LongSecondFile(harness));
    SelectRows(window, {0, 1, 2});
    Answer(harness, "lists/cancel.sfv");
    Generate(harness, CommandId::GenerateSfv);
    ASSERT_TRUE(WaitForSecondFile(window));
    window.OpenGenerateDialog()->findChild<QPushButton*>(QStringLiteral("generateCancel"))->click();
    ASSERT_TRUE(WaitForGenerations(harness, 1));

    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("User aborted.")});
    const std::vector<std::string> lines = Lines(ReadBytes(harness.Dir().Path() / "lists/cancel.sfv"), "\r\n");
    ASSERT_EQ(lines.size(), 10U);
    EXPECT_TRUE(lines[5].ends_with(" ../data/c.txt")) << lines[5];
    EXPECT_EQ(lines[6], "../data/a.txt 352441C2");
    EXPECT_EQ(lines[7], "; Not listed: ../data/b.bin (not reached)");
    EXPECT_EQ(lines[8], "; Not listed: ../data/c.txt (not reached)");
    EXPECT_EQ(lines[9] + "\r\n", IncompleteListMarkerLine(ListKind::Sfv));
    EXPECT_TRUE(window.isEnabled());

    // Opened again, the list says it is incomplete.
    window.OpenAndVerifyChecksumList(harness.Path("lists/cancel.sfv"));
    ASSERT_TRUE(harness.WaitForRuns(1));
    ASSERT_EQ(harness.dialogs.errors.size(), 2);
    EXPECT_TRUE(harness.dialogs.errors[1].endsWith(QStringLiteral("cancel.sfv] is incomplete: its making was cut "
                                                                  "short, so files it was made for may have no entry.")))
        << harness.dialogs.errors[1].toStdString();
}

// The dialog is a window of its own with a title, shows the figures of the verify
// panel, blocks no close request to the window, and Escape is Cancel.
TEST(ListCreator, DialogHasATitleLiveFiguresAndEscapeCancels)
{
    WindowHarness harness;
    MainWindow& window = StartInData(harness, LongSecondFile(harness));
    SelectRows(window, {0, 1, 2});
    Answer(harness, "lists/escape.sfv");
    Generate(harness, CommandId::GenerateSfv);
    ASSERT_TRUE(WaitForSecondFile(window));
    GenerateDialog& dialog = *window.OpenGenerateDialog();

    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(!flags.testFlag(Qt::CustomizeWindowHint) || flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("-= [SFV] =-"));
    // A window-modal dialog would keep the desktop's close request from the window.
    EXPECT_EQ(QGuiApplication::modalWindow(), nullptr);
    EXPECT_FALSE(window.isEnabled());

    const QLabel* figures = dialog.findChild<QLabel*>(QStringLiteral("generateFigures"));
    ASSERT_NE(figures, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([figures] { return figures->text().contains(QStringLiteral(" MB/s · ")); }, 30000))
        << figures->text().toStdString();
    EXPECT_TRUE(figures->text().contains(QStringLiteral(" of 4.00 GB · "))) << figures->text().toStdString();
    EXPECT_TRUE(figures->text().endsWith(QLatin1String(" left"))) << figures->text().toStdString();

    QTest::keyClick(&dialog, Qt::Key_Escape);
    ASSERT_TRUE(WaitForGenerations(harness, 1));
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("User aborted.")});
    const std::vector<std::string> lines = Lines(ReadBytes(harness.Dir().Path() / "lists/escape.sfv"), "\r\n");
    ASSERT_EQ(lines.size(), 10U);  // the head, one entry, two files not reached, the marker
    EXPECT_EQ(lines[6], "../data/a.txt 352441C2");
    EXPECT_EQ(lines[9] + "\r\n", IncompleteListMarkerLine(ListKind::Sfv));
    EXPECT_TRUE(window.isEnabled());
}

TEST(ListCreator, ClosingTheWindowDuringARunStopsItAndKeepsTheList)
{
    WindowHarness harness;
    MainWindow& window = StartInData(harness, LongSecondFile(harness));
    SelectRows(window, {0, 1, 2});
    Answer(harness, "lists/closed.md5");
    Generate(harness, CommandId::GenerateMd5);
    ASSERT_TRUE(WaitForSecondFile(window));
    window.close();  // returns when the run has stopped
    EXPECT_EQ(ReadBytes(harness.Dir().Path() / "lists/closed.md5"),
              "900150983CD24FB0D6963F7D28E17F72  ../data/a.txt\n# Not listed: ../data/b.bin (not reached)\n"
              "# Not listed: ../data/c.txt (not reached)\n" + IncompleteListMarkerLine(ListKind::Md5));
    harness.window.reset();  // destroyed with the run's end still queued
    QCoreApplication::processEvents();
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
}


}  // namespace
