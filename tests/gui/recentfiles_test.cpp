// The recent-files list and its menu.

#include "commandid.h"
#include "recentfiles.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

namespace {

QStringList Paths(int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        paths.append(QStringLiteral("/lists/%1.sfv").arg(i));
    }
    return paths;
}

TEST(RecentFiles, NewestFirstEqualPathsMergeAndLetterCaseCounts)
{
    RecentFiles recent;
    recent.Add(QStringLiteral("/x/b.md5"));
    recent.Add(QStringLiteral("/d/x.sfv"));
    recent.Add(QStringLiteral("/x/c.sfv"));
    recent.Add(QStringLiteral("/d/x.sfv"));
    EXPECT_EQ(recent.Entries(),
              (QStringList{QStringLiteral("/d/x.sfv"), QStringLiteral("/x/c.sfv"), QStringLiteral("/x/b.md5")}));
    // A name that differs only in case is another file on Linux: both stay.
    recent.Add(QStringLiteral("/d/X.sfv"));
    EXPECT_EQ(recent.Entries(), (QStringList{QStringLiteral("/d/X.sfv"), QStringLiteral("/d/x.sfv"),
                                             QStringLiteral("/x/c.sfv"), QStringLiteral("/x/b.md5")}));
}

TEST(RecentFiles, TheEleventhDropsTheOldest)
{
    RecentFiles recent;
    for (const QString& path : Paths(11)) {
        recent.Add(path);
    }
    ASSERT_EQ(recent.Entries().size(), RecentFiles::kMaxEntries);
    EXPECT_EQ(recent.Entries().first(), QStringLiteral("/lists/10.sfv"));
    EXPECT_EQ(recent.Entries().last(), QStringLiteral("/lists/1.sfv"));
    EXPECT_EQ(recent.At(9), QStringLiteral("/lists/1.sfv"));
    EXPECT_EQ(recent.At(10), std::nullopt);
    EXPECT_EQ(recent.At(-1), std::nullopt);
}

TEST(RecentFiles, StoredPathsAreTakenAsTheyAreUpToTen)
{
    RecentFiles recent;
    QStringList stored = Paths(12);
    stored[1] = stored[0];
    recent.Assign(stored);
    EXPECT_EQ(recent.Entries().size(), 10);
    EXPECT_EQ(recent.Entries()[1], stored[0]);
}

struct MenuItem {
    QString text;
    int id;  // 0: separator
    bool enabled;
    friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

std::vector<MenuItem> Items(const QMenu& menu)
{
    std::vector<MenuItem> items;
    for (const QAction* action : menu.actions()) {
        items.push_back({action->text(), action->isSeparator() ? 0 : action->data().toInt(), action->isEnabled()});
    }
    return items;
}

TEST(RecentFilesMenu, EmptyListShowsOnlyTheGreyedEmptyItem)
{
    QMenu menu;
    BuildRecentFilesMenu(menu, RecentFiles{});
    EXPECT_EQ(Items(menu), (std::vector<MenuItem>{{QStringLiteral("-= &Empty Recently Viewed List =-"),
                                                   static_cast<int>(CommandId::EmptyRecentList), false},
                                                  {QString(), 0, true},
                                                  {QStringLiteral("Open &Folder of Lists..."), 32791, true}}));
}

TEST(RecentFilesMenu, ThreeEntriesNewestFirstThenSeparatorAndEnabledEmptyItem)
{
    RecentFiles recent;
    for (const QString& path : Paths(3)) {
        recent.Add(path);
    }
    QMenu menu;
    menu.addAction(QStringLiteral("left over from the last time"));
    BuildRecentFilesMenu(menu, recent);
    EXPECT_EQ(Items(menu),
              (std::vector<MenuItem>{{QStringLiteral("&0   /lists/2.sfv"), 32772, true},
                                     {QStringLiteral("&1   /lists/1.sfv"), 32773, true},
                                     {QStringLiteral("&2   /lists/0.sfv"), 32774, true},
                                     {QString(), 0, true},
                                     {QStringLiteral("-= &Empty Recently Viewed List =-"), 32771, true},
                                     {QString(), 0, true},
                                     {QStringLiteral("Open &Folder of Lists..."), 32791, true}}));
}

TEST(RecentFilesMenu, AnAmpersandInAPathShowsAsItself)
{
    EXPECT_EQ(RecentMenuItemText(4, QStringLiteral("/a&b.sfv")), QStringLiteral("&4   /a&&b.sfv"));
}

}  // namespace
