// ListCreator: creating lists from the window: the browser's selection, the Save dialog's answer,
// the head, and the generation run behind its window-modal progress dialog.

#include "windowharness.h"

#include "folderbrowser.h"
#include "generatedialog.h"
#include "listendnotes.h"
#include "rowname.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QToolButton>
#include <QPushButton>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <utime.h>

namespace {

namespace fs = std::filesystem;

using Files = std::vector<std::pair<std::string, std::string>>;

// The window started on the folder "data" of the harness, which holds `files`.
MainWindow& StartInData(WindowHarness& harness, const Files& files)
{
    fs::create_directory(harness.Dir().Path() / "data");
    fs::create_directory(harness.Dir().Path() / "lists");
    for (const auto& [name, bytes] : files) {
        harness.Dir().WriteFile("data/" + name, bytes);
    }
    MainWindow& window = harness.Start(harness.Path("data"));
    EXPECT_TRUE(QTest::qWaitFor([&window] { return !window.StartupTimerActive(); }, 10000));
    return window;
}

// Selects the rows one after another, as Ctrl+clicks in that order would.
void SelectRows(MainWindow& window, std::initializer_list<int> rows)
{
    QTableView* view = window.Browser()->FileList();
    for (const int row : rows) {
        view->selectionModel()->select(view->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void Answer(WindowHarness& harness, const std::string& relativePath, int filterIndex = 1)
{
    harness.dialogs.saveAnswer = SaveListAnswer{harness.Path(relativePath), filterIndex};
}

// Clicks Generate, or its drop-down menu's item for the SFV and MD5 commands.
void Generate(const WindowHarness& harness, CommandId id)
{
    if (id == CommandId::Generate) {
        harness.Click(id);
        return;
    }
    const QMenu* menu = harness.window->Toolbar()->Button(CommandId::Generate)->menu();
    for (QAction* item : menu->actions()) {
        if (item->data().toInt() == static_cast<int>(id)) {
            item->trigger();
            return;
        }
    }
    ADD_FAILURE() << "no menu item " << static_cast<int>(id);
}

[[nodiscard]] bool WaitForGenerations(const WindowHarness& harness, int count)
{
    return QTest::qWaitFor([&harness, count] { return harness.window->FinishedGenerations() >= count; }, 60000);
}

std::vector<std::string> Lines(const std::string& bytes, const std::string& ending)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find(ending); end != std::string::npos; end = bytes.find(ending, start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + ending.size();
    }
    EXPECT_EQ(start, bytes.size()) << "text after the last line ending";
    return lines;
}

// A time zone half an hour off the hour, so a comment line in UTC instead of local
// time shows.
class LocalZone {
public:
    LocalZone() : m_old(std::getenv("TZ") != nullptr ? std::getenv("TZ") : "")
    {
        setenv("TZ", "IST-5:30", 1);
        tzset();
    }
    ~LocalZone()
    {
        if (m_old.empty()) {
            unsetenv("TZ");
        } else {
            setenv("TZ", m_old.c_str(), 1);
        }
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    std::string m_old;
};

void SetLastWrite(const std::string& path, std::time_t moment)
{
    const utimbuf times{moment, moment};
    ASSERT_EQ(utime(path.c_str(), &times), 0) << path;
}

struct ListCase {
    const char* name;
    CommandId command;
    const char* savedAs;
    const char* namePrefix;  // how the list names the files of "data/"
};

const ListCase kListCases[] = {
    {"SfvInAnotherFolder", CommandId::GenerateSfv, "lists/new.sfv", "../data/"},
    {"SfvBesideTheFiles", CommandId::GenerateSfv, "data/new.sfv", ""},
    {"Md5InAnotherFolder", CommandId::GenerateMd5, "lists/new.md5", "../data/"},
    {"Md5BesideTheFiles", CommandId::GenerateMd5, "data/new.md5", ""},
};

class SelectedFilesList : public ::testing::TestWithParam<ListCase> {};

// The selected files' list, byte for byte, and our reader finds every file OK in it.
TEST_P(SelectedFilesList, HoldsExactlyTheSelectedFiles)
{
    const ListCase& row = GetParam();
    const LocalZone zone;
    WindowHarness harness;
    fs::create_directory(harness.Dir().Path() / "data");
    // 2002-03-01 04:00:00 UTC is 09:30:00 here; 2001-12-24 12:30:59 UTC is 18:00:59.
    SetLastWrite(harness.Dir().WriteFile("data/abc.txt", "abc"), 1014955200);
    SetLastWrite(harness.Dir().WriteFile("data/check.txt", "123456789"), 1014955200);
    SetLastWrite(harness.Dir().WriteFile("data/empty.txt", ""), 1009197059);
    MainWindow& window = StartInData(harness, {});
    SelectRows(window, {2, 0, 1});
    Answer(harness, row.savedAs);
    Generate(harness, row.command);
    ASSERT_TRUE(WaitForGenerations(harness, 1));
    EXPECT_TRUE(harness.dialogs.errors.isEmpty()) << harness.dialogs.errors.join(QLatin1Char('|')).toStdString();

    const std::string prefix = row.namePrefix;
    const std::string bytes = ReadBytes(harness.Dir().Path() / row.savedAs);
    if (row.command == CommandId::GenerateSfv) {
        const std::vector<std::string> lines = Lines(bytes, "\r\n");
        ASSERT_EQ(lines.size(), 9U) << bytes;
        EXPECT_EQ(lines[0].rfind("; Generated by WIN-SFV32 v1.1a (Tallyfox v1.3 Compatibility Mode) on ", 0), 0U);
        EXPECT_EQ(lines[1].rfind("; Generated by Tallyfox v1.3 on ", 0), 0U);
        EXPECT_EQ(lines[2], ";");
        const std::vector<std::string> rest(lines.begin() + 3, lines.end());
        EXPECT_EQ(rest, (std::vector<std::string>{
                            ";            3  2002/03/01 09:30:00 " + prefix + "abc.txt",
                            ";            9  2002/03/01 09:30:00 " + prefix + "check.txt",
                            ";            0  2001/12/24 18:00:59 " + prefix + "empty.txt",
                            prefix + "abc.txt 352441C2",
                            prefix + "check.txt CBF43926",
                            prefix + "empty.txt 00000000",
                        }));
    } else {
        EXPECT_EQ(bytes, "900150983CD24FB0D6963F7D28E17F72  " + prefix + "abc.txt\n"
                         "25F9E794323B453885F5181F1B624D0B  " + prefix + "check.txt\n"
                         "D41D8CD98F00B204E9800998ECF8427E  " + prefix + "empty.txt\n");
    }

    window.OpenAndVerifyChecksumList(harness.Path(row.savedAs));
    ASSERT_TRUE(harness.WaitForRuns(1));
    EXPECT_EQ(window.List().GetCounters(), (Counters{3, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(ListCreator, SelectedFilesList, ::testing::ValuesIn(kListCases), RowName());

// Rows 0, 3 and 7 give their names in row order, whatever order they were selected in.
struct OrderCase {
    const char* name;
    std::initializer_list<int> clicks;
};

const OrderCase kOrderCases[] = {
    {"Ascending", {0, 3, 7}},
    {"Descending", {7, 3, 0}},
    {"Mixed", {3, 7, 0}},
};

class SelectionOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SelectionOrder, GivesNamesInRowOrder)
{
    WindowHarness harness;
    Files files;
    for (int i = 0; i < 8; ++i) {
        files.emplace_back("f" + std::to_string(i) + ".bin", std::string(static_cast<std::size_t>(i), 'x'));
    }
    MainWindow& window = StartInData(harness, files);
    SelectRows(window, GetParam().clicks);
    Answer(harness, "lists/order.md5");
    Generate(harness, CommandId::GenerateMd5);
    ASSERT_TRUE(WaitForGenerations(harness, 1));

    std::vector<std::string> names;
    for (const std::string& line : Lines(ReadBytes(harness.Dir().Path() / "lists/order.md5"), "\n")) {
        names.push_back(line.substr(34));  // after the digest and its two blanks
    }
    EXPECT_EQ(names, (std::vector<std::string>{"../data/f0.bin", "../data/f3.bin", "../data/f7.bin"}));
    // The Save dialog opened in the browser's folder with the one filter of the kind.
    EXPECT_EQ(harness.dialogs.saveFolders, QStringList{harness.Path("data/")});
    ASSERT_EQ(harness.dialogs.saveFilters.size(), 1U);
    EXPECT_EQ(harness.dialogs.saveFilters[0], QStringList{QStringLiteral("MD5 (*.md5)")});
}

INSTANTIATE_TEST_SUITE_P(ListCreator, SelectionOrder, ::testing::ValuesIn(kOrderCases), RowName());

// The kind and extension follow the command and the Save dialog's answer.
struct ExtensionCase {
    const char* name;
    CommandId command;
    int filterIndex;
    const char* typed;
    const char* written;
    const char* lastLine;   // the entry line of data/a.txt ("abc")
    const char* suggested;  // the name the Save dialog offers
};

constexpr const char* kSfvLine = "../data/a.txt 352441C2\r\n";
constexpr const char* kMd5Line = "900150983CD24FB0D6963F7D28E17F72  ../data/a.txt\n";
// FIPS 180-4, RFC 7693 and b3sum's digests of "abc", as sha256sum, b2sum and b3sum write them.
constexpr const char* kSha256Line = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  ../data/a.txt\n";
constexpr const char* kSha1Line = "a9993e364706816aba3e25717850c26c9cd0d89d  ../data/a.txt\n";
constexpr const char* kBlake2bLine =
    "ba80a53f981c4d0d6a2797b69f12f6e94c212f14685ac4b74b12bb6fdbffa2d17d87c5392aab792dc252d5de4533cc9518d38aa8dbf1925ab9"
    "2386edd4009923  ../data/a.txt\n";
constexpr const char* kBlake3Line = "6437b3ac38465133ffb63b75273a8db548c558465d79db03fd359c6cd5bd9d85  ../data/a.txt\n";

const ExtensionCase kExtensionCases[] = {
    {"SfvFilterAddsSfv", CommandId::Generate, 1, "lists/new", "lists/new.sfv", kSfvLine, "data.sfv"},
    {"Md5FilterAddsMd5", CommandId::Generate, 2, "lists/new", "lists/new.md5", kMd5Line, "data.sfv"},
    {"Sha256FilterAddsSha256", CommandId::Generate, 4, "lists/new", "lists/new.sha256", kSha256Line, "data.sfv"},
    {"UpperCaseExtensionStays", CommandId::GenerateSfv, 1, "lists/NEW.SFV", "lists/NEW.SFV", kSfvLine, "data.sfv"},
    {"OtherExtensionGetsOneMore", CommandId::GenerateSfv, 1, "lists/new.md5", "lists/new.md5.sfv", kSfvLine,
     "data.sfv"},
    {"Md5CommandIgnoresTheFilter", CommandId::GenerateMd5, 1, "lists/new", "lists/new.md5", kMd5Line, "data.md5"},
    {"Sha1CommandAddsSha1", CommandId::GenerateSha1, 2, "lists/new", "lists/new.sha1", kSha1Line, "data.sha1"},
    {"Sha256SumsNameStays", CommandId::GenerateSha256, 1, "lists/SHA256SUMS", "lists/SHA256SUMS", kSha256Line,
     "data.sha256"},
    {"Blake2bCommandAddsB2", CommandId::GenerateBlake2b, 1, "lists/new", "lists/new.b2", kBlake2bLine, "data.b2"},
    {"Blake3CommandKeepsB3", CommandId::GenerateBlake3, 1, "lists/new.B3", "lists/new.B3", kBlake3Line, "data.b3"},
};

class SaveAnswer : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(SaveAnswer, DecidesKindAndName)
{
    const ExtensionCase& row = GetParam();
    WindowHarness harness;
    MainWindow& window = StartInData(harness, {{"a.txt", "abc"}});
    SelectRows(window, {0});
    Answer(harness, row.typed, row.filterIndex);
    Generate(harness, row.command);
    ASSERT_TRUE(WaitForGenerations(harness, 1));

    const std::string bytes = ReadBytes(harness.Dir().Path() / row.written);
    const std::string lastLine = row.lastLine;
    EXPECT_EQ(bytes.rfind(';', 0) == 0, lastLine == kSfvLine) << bytes;  // only SFV lists have a head
    ASSERT_GE(bytes.size(), lastLine.size());
    EXPECT_EQ(bytes.substr(bytes.size() - lastLine.size()), lastLine);
    ASSERT_EQ(harness.dialogs.saveFilters.size(), 1U);
    EXPECT_EQ(harness.dialogs.saveFilters[0].size(), row.command == CommandId::Generate ? 7 : 1);
    // The folder's own name with the kind's extension; the first filter's when the user picks.
    EXPECT_EQ(harness.dialogs.saveNames, QStringList{QString::fromLatin1(row.suggested)});
}

INSTANTIATE_TEST_SUITE_P(ListCreator, SaveAnswer, ::testing::ValuesIn(kExtensionCases), RowName());

// The drop-down offers every kind a list can be made of: SFV and MD5 first as they were,
// then one item per newer kind, each carrying its command.
TEST(ListCreator, TheDropDownOffersEveryKindAfterSfvAndMd5)
{
    WindowHarness harness;
    StartInData(harness, {{"a.txt", "abc"}});
    const QMenu* menu = harness.window->Toolbar()->Button(CommandId::Generate)->menu();
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    std::vector<int> ids;
    for (const QAction* item : menu->actions()) {
        texts.append(item->text());
        ids.push_back(item->data().toInt());
    }
    EXPECT_EQ(texts, (QStringList{"Generate With &SFV", "Generate With &MD5", "Generate With SHA-&1",
                                  "Generate With SHA-&256", "Generate With SHA-&512", "Generate With &BLAKE2b",
                                  "Generate With BLAKE&3"}));
    EXPECT_EQ(ids, (std::vector<int>{32788, 32787, 32800, 32801, 32802, 32803, 32804}));
}

// The open drop-down as the user sees it, saved only when TALLYFOX_SCREENSHOT_DIR names
// a folder, e.g. TALLYFOX_SCREENSHOT_DIR=build/shots ctest -R tallyfox_browser_tests
TEST(ListCreator, ScreenshotOfTheOpenDropDown)
{
    const QString folder = qEnvironmentVariable("TALLYFOX_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "TALLYFOX_SCREENSHOT_DIR is not set";
    }
    WindowHarness harness;
    MainWindow& window = StartInData(harness, {{"a.txt", "abc"}});
    SelectRows(window, {0});
    QToolButton* button = harness.window->Toolbar()->Button(CommandId::Generate);
    QMenu* menu = button->menu();
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 5000));
    menu->setActiveAction(menu->actions().at(3));
    const QImage shot = menu->grab().toImage();
    menu->close();
    EXPECT_GT(shot.height(), 7 * QFontMetrics(menu->font()).height());
    fs::create_directories(folder.toStdString());
    EXPECT_TRUE(shot.save(folder + QStringLiteral("/generate-menu.png")));
}

// A list that cannot be created is reported with the system's reason, for either kind.
TEST(ListCreator, AListThatCannotBeCreatedSaysWhy)
{
    for (const CommandId command : {CommandId::GenerateSfv, CommandId::GenerateMd5}) {
        WindowHarness harness;
        MainWindow& window = StartInData(harness, {{"a.txt", "abc"}});
        SelectRows(window, {0});
        const bool sfv = command == CommandId::GenerateSfv;
        Answer(harness, sfv ? "nowhere/new.sfv" : "nowhere/new.md5");
        Generate(harness, command);
        if (!sfv) {
            ASSERT_TRUE(WaitForGenerations(harness, 1));
        }
        const QString path = harness.Path(sfv ? "nowhere/new.sfv" : "nowhere/new.md5");
        EXPECT_EQ(harness.dialogs.errors, QStringList{QStringLiteral("Create [%1] failed.").arg(path)});
        EXPECT_EQ(harness.dialogs.errorDetails, QStringList{QStringLiteral("No such file or directory")});
    }
}

// A name that gained its extension after the dialog may name an existing file: the user
// is asked, and "No" leaves that file alone and starts nothing.
TEST(ListCreator, AnExistingFileNamedByTheAddedExtensionIsAskedAbout)
{
    WindowHarness harness;
    MainWindow& window = StartInData(harness, {{"a.txt", "abc"}});
    harness.Dir().WriteFile("lists/keep.sfv", "precious");
    SelectRows(window, {0});
    Answer(harness, "lists/keep");
    harness.dialogs.replaceAnswer = false;
    Generate(harness, CommandId::GenerateSfv);

    EXPECT_EQ(harness.dialogs.replaceAsked, QStringList{harness.Path("lists/keep.sfv")});
    EXPECT_EQ(window.OpenGenerateDialog(), nullptr);
    EXPECT_EQ(ReadBytes(harness.Dir().Path() / "lists/keep.sfv"), "precious");
}

// A list saved over one of the selected files would replace it: refused, said, and
// nothing is written or started.
TEST(ListCreator, AListSavedOverASelectedFileIsRefused)
{
    for (const CommandId command : {CommandId::GenerateSfv, CommandId::GenerateMd5}) {
        WindowHarness harness;
        MainWindow& window = StartInData(harness, {{"a.sfv", "abc"}, {"a.md5", "abc"}, {"b.txt", "x"}});
        SelectRows(window, {0, 1, 2});
        Answer(harness, command == CommandId::GenerateSfv ? "data/a.sfv" : "data/a.md5");
        Generate(harness, command);

        EXPECT_EQ(window.OpenGenerateDialog(), nullptr);
        ASSERT_EQ(harness.dialogs.errors.size(), 1);
        EXPECT_TRUE(harness.dialogs.errors[0].contains(QStringLiteral("is one of the files to list")));
        EXPECT_EQ(ReadBytes(harness.Dir().Path() / "data/a.sfv"), "abc");
        EXPECT_EQ(ReadBytes(harness.Dir().Path() / "data/a.md5"), "abc");
        EXPECT_TRUE(window.isEnabled());
    }
}

// Folder on the command line, Ctrl+A, Ctrl+G, a name, Enter: a new list.
TEST(ListCreator, KeyboardAloneMakesAList)
{
    WindowHarness harness;
    MainWindow& window = StartInData(harness, {{"a.txt", "abc"}, {"b.txt", "123456789"}});
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.Toolbar()->ShownToolTip(CommandId::Generate), QStringLiteral("Generate (Ctrl+G)"));
    Answer(harness, "data/keys", 2);

    QTest::keyClick(window.focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.focusWidget(), Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(WaitForGenerations(harness, 1));
    EXPECT_EQ(ReadBytes(harness.Dir().Path() / "data/keys.md5"),
              "900150983CD24FB0D6963F7D28E17F72  a.txt\n25F9E794323B453885F5181F1B624D0B  b.txt\n");
}

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
