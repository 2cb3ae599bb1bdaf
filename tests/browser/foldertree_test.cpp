#include "browsertesthelpers.h"

#include "filelistview.h"
#include "foldertreemodel.h"
#include "foldertreepane.h"
#include "foldertreeview.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace {

QStringList ChildLabels(const FolderTreeModel& model, const QModelIndex& parent)
{
    QStringList labels;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        labels.append(model.index(row, 0, parent).data().toString());
    }
    return labels;
}

QModelIndex ChildNamed(const FolderTreeModel& model, const QModelIndex& parent, const QString& label)
{
    for (int row = 0; row < model.rowCount(parent); ++row) {
        if (model.index(row, 0, parent).data().toString() == label) {
            return model.index(row, 0, parent);
        }
    }
    return {};
}

std::vector<std::string> RecordNames(const std::vector<FileRecord>& records)
{
    std::vector<std::string> names;
    for (const FileRecord& record : records) {
        names.push_back(record.name);
    }
    return names;
}

class FolderTreeTest : public testing::Test {
protected:
    void Make(const std::string& relative) const { std::filesystem::create_directories(m_dir.Path() / relative); }
    [[nodiscard]] std::string Path(const std::string& relative) const { return m_dir.Folder() + relative; }

    // Roots "first" and "second" (both under the temporary folder).
    std::unique_ptr<BrowserHarness> StartWithTwoRoots()
    {
        return std::make_unique<BrowserHarness>(std::make_unique<CountingNamespace>(
            std::vector<FolderItem>{{Path("first"), "first"}, {Path("second"), "second"}}, m_childReads));
    }

    TempDir m_dir;
    std::map<std::string, int> m_childReads;
};

TEST_F(FolderTreeTest, ChildrenLoadOnlyOnExpansionOrSelectionAndOnlyOnce)
{
    Make("first/one");
    Make("second/alpha/deep");
    Make("second/beta/deeper");
    const auto harness = StartWithTwoRoots();
    FolderTreeModel& model = *harness->browser->TreeModel();
    FolderTreeView& tree = *harness->browser->TreePane()->Tree();

    // The first root is expanded and selected at start; the second is not loaded yet
    // but shows an expander.
    const QModelIndex second = model.index(1, 0);
    EXPECT_TRUE(model.ChildrenLoaded(model.index(0, 0)));
    EXPECT_FALSE(model.ChildrenLoaded(second));
    EXPECT_TRUE(model.hasChildren(second));
    EXPECT_EQ(model.rowCount(second), 0);
    EXPECT_EQ(m_childReads.count(Path("second")), 0U);

    tree.expand(second);
    EXPECT_EQ(ChildLabels(model, second), (QStringList{QStringLiteral("alpha"), QStringLiteral("beta")}));
    tree.collapse(second);
    tree.expand(second);
    EXPECT_EQ(m_childReads[Path("second")], 1);

    // Selecting an unexpanded item loads its children too.
    const QModelIndex beta = ChildNamed(model, second, QStringLiteral("beta"));
    EXPECT_FALSE(model.ChildrenLoaded(beta));
    tree.setCurrentIndex(beta);
    EXPECT_EQ(ChildLabels(model, beta), QStringList{QStringLiteral("deeper")});
    tree.expand(beta);
    EXPECT_EQ(m_childReads[Path("second/beta")], 1);
    EXPECT_EQ(m_childReads.count(Path("second/alpha")), 0U);
}

TEST_F(FolderTreeTest, ChildrenAreVisibleFoldersInNaturalOrder)
{
    Make("first/disc 10");
    Make("first/Disc 2");
    Make("first/alpha");
    Make("first/.hidden");
    m_dir.WriteFile("first/file.txt", "not a folder");
    const auto harness = StartWithTwoRoots();
    const FolderTreeModel& model = *harness->browser->TreeModel();
    EXPECT_EQ(ChildLabels(model, model.index(0, 0)),
              (QStringList{QStringLiteral("alpha"), QStringLiteral("Disc 2"), QStringLiteral("disc 10")}));
}

TEST_F(FolderTreeTest, SelectingAFolderMakesItCurrentAndListsItsFiles)
{
    Make("first");
    Make("second/sub");
    m_dir.WriteFile("second/b.txt", "bb");
    m_dir.WriteFile("second/A.txt", "a");
    const auto harness = StartWithTwoRoots();
    FolderBrowser& browser = *harness->browser;
    EXPECT_EQ(browser.CurrentFolder(), Path("first/"));

    browser.TreePane()->Tree()->setCurrentIndex(browser.TreeModel()->index(1, 0));
    EXPECT_EQ(browser.CurrentFolder(), Path("second/"));
    EXPECT_EQ(browser.TreePane()->PathBox()->currentText(), QString::fromStdString(Path("second")));
    EXPECT_EQ(RecordNames(browser.Records()), (std::vector<std::string>{"A.txt", "b.txt"}));
}

TEST_F(FolderTreeTest, SelectingANonFileSystemItemChangesNothing)
{
    Make("first");
    m_dir.WriteFile("first/a.txt", "a");
    BrowserHarness harness(std::make_unique<CountingNamespace>(
        std::vector<FolderItem>{{Path("first"), "first"}, {"", "Network"}}, m_childReads));
    FolderBrowser& browser = *harness.browser;
    browser.TreePane()->Tree()->setCurrentIndex(browser.TreeModel()->index(1, 0));
    EXPECT_EQ(browser.CurrentFolder(), Path("first/"));
    EXPECT_EQ(browser.TreePane()->PathBox()->currentText(), QString::fromStdString(Path("first")));
    EXPECT_EQ(browser.Records().size(), 1U);
}

TEST_F(FolderTreeTest, VanishedFolderListsNothingAndSaysSo)
{
    Make("first");
    Make("second/gone");
    m_dir.WriteFile("second/gone/a.txt", "a");
    const auto harness = StartWithTwoRoots();
    FolderBrowser& browser = *harness->browser;
    FolderTreeView& tree = *browser.TreePane()->Tree();
    const QModelIndex second = browser.TreeModel()->index(1, 0);
    tree.expand(second);
    const QModelIndex gone = ChildNamed(*browser.TreeModel(), second, QStringLiteral("gone"));
    std::filesystem::remove_all(m_dir.Path() / "second/gone");

    tree.setCurrentIndex(gone);
    EXPECT_EQ(browser.CurrentFolder(), Path("second/gone/"));
    EXPECT_TRUE(browser.Records().empty());
    // Not shown as an empty folder without a word.
    EXPECT_EQ(harness->errors,
              QStringList{QStringLiteral("Tallyfox: Open [%1] failed.\nNo such file or directory").arg(QString::fromStdString(Path("second/gone/")))});
}

// Navigation walks the real tree from "/".
class NavigateTest : public FolderTreeTest {
protected:
    void SetUp() override
    {
        Make("Music/Jazz");
        Make("music");
        m_dir.WriteFile("Music/song.mp3", "la");
        m_harness = std::make_unique<BrowserHarness>(std::make_unique<FileSystemNamespace>(
            UserPlaces{m_dir.Folder() + "home", m_dir.Folder() + "home/Desktop", m_dir.Folder() + "no-mountinfo"}));
    }

    [[nodiscard]] FolderBrowser& Browser() const { return *m_harness->browser; }

    std::unique_ptr<BrowserHarness> m_harness;
};

TEST_F(NavigateTest, FolderNamesMatchWithoutRegardToCase)
{
    Browser().NavigateToPath(QString::fromStdString(Path("MUSIC/jazz")));
    EXPECT_EQ(Browser().CurrentFolder(), Path("Music/Jazz/"));
    EXPECT_EQ(Browser().TreePane()->PathBox()->currentText(), QString::fromStdString(Path("Music/Jazz")));
    EXPECT_TRUE(m_harness->errors.isEmpty());
}

TEST_F(NavigateTest, ExactCaseWinsOverAnotherCase)
{
    Browser().NavigateToPath(QString::fromStdString(Path("music/")));
    EXPECT_EQ(Browser().CurrentFolder(), Path("music/"));
    Browser().NavigateToPath(QString::fromStdString(Path("Music")));
    EXPECT_EQ(Browser().CurrentFolder(), Path("Music/"));
}

TEST_F(NavigateTest, PathOfAFileSelectsItsFolder)
{
    Browser().NavigateToPath(QString::fromStdString(Path("Music/song.mp3")));
    EXPECT_EQ(Browser().CurrentFolder(), Path("Music/"));
    EXPECT_EQ(RecordNames(Browser().Records()), std::vector<std::string>{"song.mp3"});
}

TEST_F(NavigateTest, MissingPathSaysFolderNotFoundWithTheTypedPath)
{
    const std::string before = Browser().CurrentFolder();
    const QString typed = QString::fromStdString(Path("Music/Blues"));
    Browser().NavigateToPath(typed);
    EXPECT_EQ(m_harness->errors, QStringList{QStringLiteral("Folder not found: ") + typed});
    EXPECT_EQ(Browser().CurrentFolder(), before);
}

TEST_F(NavigateTest, RelativePathSelectsNothing)
{
    const std::string before = Browser().CurrentFolder();
    const std::filesystem::path relative =
        std::filesystem::relative(m_dir.Path() / "Music", std::filesystem::current_path());
    ASSERT_TRUE(relative.is_relative());
    Browser().NavigateToPath(QString::fromStdString(relative.string()));
    EXPECT_EQ(Browser().CurrentFolder(), before);
    EXPECT_TRUE(m_harness->errors.isEmpty());
}

TEST_F(NavigateTest, GoButtonAndEnterNavigateToTheTypedPath)
{
    FolderTreePane& pane = *Browser().TreePane();
    pane.SetPathText(QString::fromStdString(Path("Music")));
    pane.GoButton()->click();
    EXPECT_EQ(Browser().CurrentFolder(), Path("Music/"));

    pane.SetPathText(QString::fromStdString(Path("music")));
    QTest::keyClick(pane.PathBox(), Qt::Key_Return);
    EXPECT_EQ(Browser().CurrentFolder(), Path("music/"));
}

// Sends the right click the view gets as a context-menu event.
void RightClick(FolderTreeView& tree, const QPoint& pos)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, tree.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(tree.viewport(), &event);
}

QStringList ActionTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        texts.append(action->text());
    }
    return texts;
}

TEST_F(FolderTreeTest, RightClickSelectsTheFolderThenOffersItsMenu)
{
    Make("first");
    Make("second");
    const auto harness = StartWithTwoRoots();
    FolderBrowser& browser = *harness->browser;
    FolderTreeView& tree = *browser.TreePane()->Tree();
    const QModelIndex second = browser.TreeModel()->index(1, 0);

    RightClick(tree, tree.visualRect(second).center());
    EXPECT_EQ(browser.CurrentFolder(), Path("second/"));
    QMenu* menu = browser.LastFolderMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(ActionTexts(*menu), (QStringList{QStringLiteral("Open"), QStringLiteral("Open Terminal Here"),
                                               QStringLiteral("Copy Location"), QString(),
                                               QStringLiteral("Generate List of Folder...")}));
    QStringList listsAsked;
    QObject::connect(&browser, &FolderBrowser::folderListRequested,
                     [&listsAsked](const QString& folder) { listsAsked.append(folder); });
    menu->actions().at(0)->trigger();
    menu->actions().at(1)->trigger();
    menu->actions().at(2)->trigger();
    menu->actions().at(4)->trigger();
    const QString folder = QString::fromStdString(Path("second"));
    EXPECT_EQ(listsAsked, QStringList{folder + QLatin1Char('/')});
    EXPECT_EQ(harness->opened, QStringList{folder});
    EXPECT_EQ(harness->terminals, QStringList{QStringLiteral("/usr/bin/xterm ") + folder});
    EXPECT_EQ(QApplication::clipboard()->text(), folder);
}

TEST_F(FolderTreeTest, NoTerminalNoTerminalItemAndNoMenuOnEmptySpace)
{
    Make("first");
    BrowserHarness harness(
        std::make_unique<CountingNamespace>(std::vector<FolderItem>{{Path("first"), "first"}}, m_childReads), QString());
    FolderBrowser& browser = *harness.browser;
    FolderTreeView& tree = *browser.TreePane()->Tree();

    RightClick(tree, QPoint(5, tree.viewport()->height() - 5));
    EXPECT_EQ(browser.LastFolderMenu(), nullptr);
    EXPECT_EQ(tree.currentIndex(), browser.TreeModel()->index(0, 0));

    RightClick(tree, tree.visualRect(browser.TreeModel()->index(0, 0)).center());
    ASSERT_NE(browser.LastFolderMenu(), nullptr);
    EXPECT_EQ(ActionTexts(*browser.LastFolderMenu()),
              (QStringList{QStringLiteral("Open"), QStringLiteral("Copy Location"), QString(),
                           QStringLiteral("Generate List of Folder...")}));
}

}  // namespace
