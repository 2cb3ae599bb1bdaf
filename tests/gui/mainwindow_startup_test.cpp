// Start-up with and without a list on the command line, and the close sequence.

#include "windowharness.h"

#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "iniprofile.h"
#include "settingsstore.h"
#include "statusbarparts.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

QStringList StatusTexts(const MainWindow& window)
{
    QStringList texts;
    for (int part = 0; part < 4; ++part) {
        texts.append(window.StatusBar()->Text(part));
    }
    return texts;
}

std::vector<EntryStatus> Statuses(const MainWindow& window)
{
    std::vector<EntryStatus> statuses;
    for (int row = 0; row < window.List().RowCount(); ++row) {
        statuses.push_back(window.List().RowStatus(row));
    }
    return statuses;
}

TEST(MainWindow, WithoutAnArgumentTheWindowWaitsWithAnEmptyList)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.StartupTimerActive(); }, 5000));
    EXPECT_EQ(window.ListModel()->rowCount(), 0);
    EXPECT_TRUE(window.Views().ChecksumViewShown());
    EXPECT_EQ(StatusTexts(window), (QStringList{"OK: 0", "Bad: 0", "Missing: 0", "Unchecked: 0"}));
    EXPECT_TRUE(window.Recent().Entries().isEmpty());
    EXPECT_EQ(window.FinishedRuns(), 0);
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
}

TEST(MainWindow, AListOnTheCommandLineIsVerifiedAtOnce)
{
    for (const char* name : {"start.sfv", "start.md5"}) {
        SCOPED_TRACE(name);
        WindowHarness harness;
        const QString list = harness.WriteSmallList(name);
        MainWindow& window = harness.Start(list);
        ASSERT_TRUE(harness.WaitForRuns(1));
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3 - ") + list);
        ASSERT_FALSE(window.Recent().Entries().isEmpty());
        EXPECT_EQ(window.Recent().Entries().first(), list);
        EXPECT_EQ(Statuses(window), (std::vector{EntryStatus::OK, EntryStatus::Bad, EntryStatus::Missing}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return StatusTexts(window).last() == "Unchecked: 0"; }, 5000));
        EXPECT_EQ(StatusTexts(window), (QStringList{"OK: 1", "Bad: 1", "Missing: 1", "Unchecked: 0"}));
        EXPECT_EQ(window.ListModel()->data(window.ListModel()->index(2, 1)).toString(), QStringLiteral("Not Found."));
        EXPECT_EQ(window.ListModel()->data(window.ListModel()->index(0, 1)).toString(), QStringLiteral("9 bytes"));
        EXPECT_TRUE(harness.dialogs.errors.isEmpty());
    }
}

TEST(MainWindow, TheCommandLineStartShowsStartPausePressedWhileRunning)
{
    WindowHarness harness;
    MainWindow& window = harness.Start(harness.WriteLongList());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Run().PanelShown(); }, 10000));
    EXPECT_EQ(harness.State(CommandId::StartPause), ButtonState::EnabledChecked);
    EXPECT_EQ(harness.State(CommandId::Open), ButtonState::Disabled);
    harness.Click(CommandId::Stop);
    EXPECT_EQ(harness.State(CommandId::StartPause), ButtonState::Enabled);
}

TEST(MainWindow, AnUnknownTypeIsReportedAndTheEmptyRunGivesTheToolbarBack)
{
    WindowHarness harness;
    const QString notAList = QString::fromStdString(harness.Dir().WriteFile("notes.txt", "x"));
    MainWindow& window = harness.Start(notAList);
    ASSERT_TRUE(harness.WaitForRuns(1));
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("Unknow file type: [%1].").arg(notAList)});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3"));
    EXPECT_TRUE(window.Recent().Entries().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Run().PanelShown(); }, 5000));
    for (CommandId id : {CommandId::Open, CommandId::ViewToggle, CommandId::Properties, CommandId::StartPause}) {
        EXPECT_EQ(harness.State(id), ButtonState::Enabled) << static_cast<int>(id);
    }
}

TEST(MainWindow, AListThatCannotBeReadIsReportedAndTheEmptyListRun)
{
    WindowHarness harness;
    const QString gone = harness.Path("gone.sfv");
    MainWindow& window = harness.Start(gone);
    ASSERT_TRUE(harness.WaitForRuns(1));
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("Open [%1] failed.").arg(gone)});
    // The title and the recent files name what is on screen: no list.
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Tallyfox 1.3"));
    EXPECT_TRUE(window.Recent().Entries().isEmpty());
    EXPECT_EQ(window.ListModel()->rowCount(), 0);
}

TEST(MainWindow, TheCloseBoxSavesTheSettings)
{
    WindowHarness harness;
    {
        // Stored beforehand: a size mode, which the window keeps and saves back.
        IniProfile profile(harness.IniPath().toStdString());
        Settings stored;
        stored.sizeType = 2;
        ASSERT_TRUE(SaveSettings(profile, stored, false));
    }
    MainWindow& window = harness.Start();
    const QString list = harness.WriteSmallList();
    window.OpenChecksumList(list);
    ASSERT_TRUE(harness.WaitForLoad());
    window.setGeometry(40, 50, 500, 320);
    EXPECT_TRUE(window.close());

    const Settings saved = LoadSettings(IniProfile(harness.IniPath().toStdString()));
    EXPECT_EQ(saved.recentFiles, std::vector<std::string>{list.toStdString()});
    EXPECT_EQ(saved.sizeType, 2);
    EXPECT_TRUE(saved.windowPosStored);
    EXPECT_EQ(saved.windowPos.right - saved.windowPos.left, 500);
    EXPECT_EQ(saved.windowPos.bottom - saved.windowPos.top, 320);
}

TEST(MainWindow, EnterAndEscapeDoNotEndTheProgram)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (QWidget* target : {static_cast<QWidget*>(&window), static_cast<QWidget*>(window.ListView())}) {
        QTest::keyClick(target, Qt::Key_Escape);
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
    }
    QCoreApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(QFile::exists(harness.IniPath()));
}

TEST(MainWindow, ClosingDuringARunStopsTheWorkerAndSaves)
{
    WindowHarness harness;
    MainWindow& window = harness.Start(harness.WriteLongList());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Run().PanelShown(); }, 10000));
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(QFile::exists(harness.IniPath()));
    // The worker has been joined: the huge file's row was left unfinished.
    EXPECT_NE(window.List().RowStatus(0), EntryStatus::OK);
    EXPECT_NE(window.List().GetRunState(), RunState::Running);
}

TEST(MainWindow, ClosingWhileAListIsReadWaitsForItAndLeavesNoWaitCursor)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QCoreApplication::processEvents();  // the read's end arrives after the close: ignored
    EXPECT_EQ(window.List().RowCount(), 0);
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
}

TEST(MainWindow, RegistersTheProgramWithTheDesktopInTheUsersDataFolder)
{
    WindowHarness harness;
    harness.Start();
    QFile entry(QString::fromStdString(harness.DataHome() + "/applications/tallyfox.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    // The test program is the running program: the entry starts it with one file.
    const QString program = QFile::decodeName(QFile::encodeName(QCoreApplication::applicationFilePath()));
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=") + program + QStringLiteral(" %f\n"))) << text.toStdString();
    EXPECT_TRUE(QFile::exists(QString::fromStdString(harness.DataHome() + "/icons/hicolor/48x48/apps/tallyfox.png")));
    EXPECT_TRUE(harness.dialogs.errors.isEmpty());
}

TEST(MainWindow, ADocumentTypeThatCannotBeWrittenIsReportedAndTheWindowStarts)
{
    WindowHarness harness;
    harness.Dir().WriteFile("xdg-data/applications", "in the way");
    MainWindow& window = harness.Start();
    EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("Register update failed.")});
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
