// UnlistedNote: the files of a folder of lists that no list names.

#include "treefixture.h"
#include "windowharness.h"

#include "checksumrowmenu.h"

#include <gtest/gtest.h>

#include <QAction>

namespace {

TEST(UnlistedNote, FilesNotInAnyListAreNamedRelativeToTheFolder)
{
    WindowHarness harness;
    MainWindow& window = harness.Start();
    window.OpenFolderOfLists(QString::fromStdString(WriteTree(harness)));
    ASSERT_TRUE(harness.WaitForLoad());

    window.RowMenu()->UnlistedAction()->trigger();

    EXPECT_EQ(harness.dialogs.notes, QStringList{QStringLiteral("Files not in any list: 1\na/b/extra")});
}

}  // namespace
