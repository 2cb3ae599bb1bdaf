// The window from the keyboard and for screen readers: shortcuts, focus, names.

#include "windowharness.h"

#include "aboutbox.h"
#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "progresspanel.h"
#include "statusbarparts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

namespace {

// Shows the window and makes it the active one, so that its shortcuts work.
MainWindow& StartActive(WindowHarness& harness)
{
    MainWindow& window = harness.Start();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    return window;
}

struct ShortcutCase {
    const char* name;
    CommandId id;
    const char* keys;
};

const ShortcutCase kShortcuts[] = {
    {"Open", CommandId::Open, "Ctrl+O"},
    {"ViewToggle", CommandId::ViewToggle, "Ctrl+B"},
    {"StartPause", CommandId::StartPause, "F5"},
    {"Stop", CommandId::Stop, "Shift+F5"},
    {"Properties", CommandId::Properties, "Ctrl+,"},
};

class ToolbarShortcut : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ToolbarShortcut, IsOnTheActionAndInItsTooltip)
{
    WindowHarness harness;
    harness.Start();
    const MainToolbar& toolbar = *harness.window->Toolbar();
    const ShortcutCase& c = GetParam();
    const QKeySequence keys(QString::fromLatin1(c.keys));
    EXPECT_EQ(toolbar.Action(c.id)->shortcut(), keys);
    const QString shown = toolbar.ShownToolTip(c.id);
    EXPECT_TRUE(shown.startsWith(toolbar.Action(c.id)->toolTip().trimmed())) << shown.toStdString();
    EXPECT_TRUE(shown.contains(keys.toString(QKeySequence::NativeText))) << shown.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ToolbarShortcut, ::testing::ValuesIn(kShortcuts),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(MainWindow, KeysRunTheCommands)
{
    WindowHarness harness;
    MainWindow& window = StartActive(harness);
    window.OpenChecksumList(harness.WriteLongList());
    ASSERT_TRUE(harness.WaitForLoad());

    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(window.List().GetRunState(), RunState::Running);
    EXPECT_EQ(harness.State(CommandId::StartPause), ButtonState::EnabledChecked);
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_EQ(window.List().GetRunState(), RunState::Paused);
    QTest::keyClick(&window, Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(window.List().GetRunState(), RunState::Stopped);
    EXPECT_EQ(harness.State(CommandId::Open), ButtonState::Enabled);

    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(window.Views().ChecksumViewShown());
    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(window.Views().ChecksumViewShown());

    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(harness.dialogs.openAsked, 1);
}

TEST(MainWindow, EscapeKeepsTheWindowAndCtrlQCloses)
{
    WindowHarness harness;
    MainWindow& window = StartActive(harness);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(QFile::exists(harness.IniPath()));  // closed the ordinary way: settings saved
}

TEST(MainWindow, TabReachesTheToolbarButtons)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    int reachable = 0;
    // Walk the focus chain from the list as Tab does.
    QWidget* widget = window.ListView();
    for (int step = 0; step < 100; ++step) {
        widget = widget->nextInFocusChain();
        if (widget == window.ListView()) {
            break;
        }
        if (qobject_cast<QToolButton*>(widget) != nullptr && widget->parentWidget() == window.Toolbar() &&
            (widget->focusPolicy() & Qt::TabFocus) != 0) {
            ++reachable;
        }
    }
    EXPECT_EQ(reachable, 8);  // every button but the four separators
}

TEST(MainWindow, EveryControlHasAName)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    for (CommandId id : {CommandId::Open, CommandId::ViewToggle, CommandId::Generate, CommandId::StartPause,
                         CommandId::Stop, CommandId::Properties, CommandId::AlwaysOnTop, CommandId::About}) {
        EXPECT_FALSE(window.Toolbar()->Button(id)->accessibleName().isEmpty()) << static_cast<int>(id);
    }
    EXPECT_EQ(window.Toolbar()->Button(CommandId::Open)->accessibleName(), QStringLiteral("Open"));
    for (const char* name : {"checksumList", "folderTree", "fileList", "progressBar", "statusBar"}) {
        const QWidget* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
    }
}

struct WordCase {
    const char* name;
    EntryStatus status;
    const char* word;
};

const WordCase kWords[] = {
    {"OK", EntryStatus::OK, "OK"},
    {"Bad", EntryStatus::Bad, "Bad"},
    {"Missing", EntryStatus::Missing, "Missing"},
    {"Unchecked", EntryStatus::Unchecked, "Unchecked"},
    {"Checking", EntryStatus::Checking, "Checking"},
};

class StateWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(StateWord, NamesTheRowState)
{
    EXPECT_EQ(ChecksumListModel::StatusWord(GetParam().status), QString::fromLatin1(GetParam().word));
}

INSTANTIATE_TEST_SUITE_P(MainWindow, StateWord, ::testing::ValuesIn(kWords),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(MainWindow, RowsGiveTheirStateAsAWord)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenChecksumList(harness.WriteSmallList());
    ASSERT_TRUE(harness.WaitForLoad());
    const ChecksumListModel& model = *window.ListModel();
    EXPECT_EQ(model.data(model.index(0, 0), Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Unchecked"));
    harness.Click(CommandId::StartPause);
    ASSERT_TRUE(harness.WaitForRuns(1));
    const QStringList expected{QStringLiteral("OK"), QStringLiteral("Bad"), QStringLiteral("Missing")};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(model.data(model.index(row, 0), Qt::AccessibleDescriptionRole).toString(), expected[row]);
    }
    EXPECT_EQ(model.data(model.index(0, 0), Qt::AccessibleTextRole).toString(), QStringLiteral("good.txt, OK"));
}

TEST(MainWindow, AboutBoxIsWideEnoughForItsCaptionAndTexts)
{
    AboutBox box;
    box.show();
    const QFontMetrics caption(QApplication::font("QMdiSubWindowTitleBar"));
    // The caption plus the title bar's icon and buttons.
    EXPECT_GE(box.width(), caption.horizontalAdvance(QStringLiteral("About Tallyfox")) + AboutBox::kCaptionChrome);
    const QLabel* version = box.findChild<QLabel*>(QStringLiteral("aboutVersion"));
    EXPECT_GE(version->width(), version->sizeHint().width());
}

}  // namespace
