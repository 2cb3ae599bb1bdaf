#include "browsertesthelpers.h"

#include "filelistmodel.h"
#include "filelistview.h"
#include "foldertreemodel.h"
#include "foldertreepane.h"
#include "foldertreeview.h"
#include "localzone.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <QAbstractFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QTest>

#include <filesystem>

#include <utime.h>

namespace {

// Counts the provider's file icons.
class CountingIconProvider final : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override { return QAbstractFileIconProvider::icon(type); }
    QIcon icon(const QFileInfo& info) const override
    {
        ++fileIcons;
        return QAbstractFileIconProvider::icon(info);
    }
    mutable int fileIcons = 0;
};

class FileListTest : public testing::Test {
protected:
    // A browser whose one root is the temporary folder, so its files are listed at start.
    std::unique_ptr<BrowserHarness> Start()
    {
        return std::make_unique<BrowserHarness>(std::make_unique<CountingNamespace>(
            std::vector<FolderItem>{{m_dir.Path().string(), "files"}}, m_childReads));
    }

    TempDir m_dir;
    std::map<std::string, int> m_childReads;
};

QStringList Column(const QAbstractItemModel& model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts.append(model.index(row, column).data().toString());
    }
    return texts;
}

QStringList Names(const std::vector<FileRecord>& records)
{
    QStringList names;
    for (const FileRecord& record : records) {
        names.append(QString::fromStdString(record.name));
    }
    return names;
}

TEST_F(FileListTest, ShowsFilesOnlyWithHeadersWidthsAndByteSizes)
{
    m_dir.WriteFile("small.txt", "12345");
    m_dir.WriteFile(".hidden", "");
    std::filesystem::create_directory(m_dir.Path() / "sub");
    const std::string huge = m_dir.WriteFile("huge.iso", "");
    std::filesystem::resize_file(huge, (std::uintmax_t{4} << 30) + 5);  // sparse
    const auto harness = Start();
    const FileListView& view = *harness->browser->FileList();
    const QAbstractItemModel& model = *view.model();

    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Filename"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Size"));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Date"));
    // A listing shown is laid out afresh: "Filename" takes what the others leave.
    harness->browser->FillFileList();
    EXPECT_EQ(view.columnWidth(0), view.viewport()->width() - 210);
    EXPECT_EQ(view.columnWidth(1), 90);
    EXPECT_EQ(view.columnWidth(2), 120);

    EXPECT_EQ(Column(model, 0), (QStringList{QStringLiteral(".hidden"), QStringLiteral("huge.iso"),
                                             QStringLiteral("small.txt")}));
    EXPECT_EQ(Column(model, 1), (QStringList{QStringLiteral("0"), QStringLiteral("4,294,967,301"), QStringLiteral("5")}));
    EXPECT_EQ(harness->browser->Records().at(1).size, (std::uint64_t{4} << 30) + 5);
    EXPECT_EQ(model.index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, Qt::AlignRight);
}

// The Date column shows local time, as the comment lines of a new list do.
TEST_F(FileListTest, DateColumnShowsLocalTime)
{
    const LocalZone zone("IST-5:30");
    const std::string file = m_dir.WriteFile("dated.bin", "x");
    const utimbuf times{1015490133, 1015490133};  // 2002-03-07 08:35:33 UTC
    ASSERT_EQ(utime(file.c_str(), &times), 0);
    const auto harness = Start();
    EXPECT_EQ(harness->browser->FileList()->model()->index(0, 2).data().toString(), QStringLiteral("2002/03/07 14:05"));
}

// A folder that cannot be read is reported, not shown as an empty one.
TEST_F(FileListTest, AFolderThatCannotBeReadIsReported)
{
    m_dir.WriteFile("a.txt", "a");
    const auto harness = Start();
    ASSERT_EQ(harness->browser->Records().size(), 1U);
    ASSERT_TRUE(harness->errors.isEmpty());
    std::filesystem::remove_all(m_dir.Path());  // gone since it was listed
    harness->browser->FillFileList();
    EXPECT_TRUE(harness->browser->Records().empty());
    EXPECT_EQ(harness->errors, QStringList{QStringLiteral("Tallyfox: Open [%1] failed.\nNo such file or directory")
                                               .arg(QString::fromStdString(m_dir.Folder()))});
}

TEST(FileListView, ColumnsStartAt270And70And120Pixels)
{
    CountingIconProvider provider;
    FileListModel model(provider);
    FileListView view;
    view.setModel(&model);
    EXPECT_EQ(view.columnWidth(0), 270);
    EXPECT_EQ(view.columnWidth(1), 70);
    EXPECT_EQ(view.columnWidth(2), 120);
}

TEST_F(FileListTest, HeaderClickSortsAscendingASecondReversesAndTheArrowShowsIt)
{
    m_dir.WriteFile("file 12", "333");
    m_dir.WriteFile("File 10", "1");
    m_dir.WriteFile("file 2", "22");
    const auto harness = Start();
    FileListView& view = *harness->browser->FileList();
    const QAbstractItemModel& model = *view.model();
    // Names in natural order, as the folder tree has them.
    EXPECT_EQ(Column(model, 0), (QStringList{"file 2", "File 10", "file 12"}));
    QHeaderView& header = *view.horizontalHeader();
    EXPECT_TRUE(header.isSortIndicatorShown());
    EXPECT_EQ(header.sortIndicatorSection(), 0);

    const auto click = [&header](int section) {
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, QPoint(header.sectionViewportPosition(section) + 5, 5));
    };
    click(1);
    EXPECT_EQ(Column(model, 0), (QStringList{"File 10", "file 2", "file 12"}));
    EXPECT_EQ(header.sortIndicatorSection(), 1);
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
    click(1);
    EXPECT_EQ(Column(model, 0), (QStringList{"file 12", "file 2", "File 10"}));
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::DescendingOrder);
    click(1);
    EXPECT_EQ(Column(model, 0), (QStringList{"File 10", "file 2", "file 12"}));
    // Another column starts ascending again.
    click(1);
    click(0);
    EXPECT_EQ(Column(model, 0), (QStringList{"file 2", "File 10", "file 12"}));
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
    // A new listing is by name, ascending.
    click(0);
    harness->browser->FillFileList();
    EXPECT_EQ(Column(model, 0), (QStringList{"file 2", "File 10", "file 12"}));
    EXPECT_EQ(header.sortIndicatorSection(), 0);
    EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
}

TEST_F(FileListTest, SelectionFollowsItsFilesThroughASort)
{
    m_dir.WriteFile("a", "4444");
    m_dir.WriteFile("b", "1");
    m_dir.WriteFile("c", "333");
    m_dir.WriteFile("d", "22");
    const auto harness = Start();
    FolderBrowser& browser = *harness->browser;
    FileListView& view = *browser.FileList();
    QItemSelectionModel& selection = *view.selectionModel();
    selection.select(view.model()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.select(view.model()->index(2, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(Names(browser.SelectedRecords()), (QStringList{"a", "c"}));

    view.model()->sort(1);  // sizes: b 1, d 2, c 3, a 4
    EXPECT_EQ(Names(browser.SelectedRecords()), (QStringList{"c", "a"}));
    EXPECT_EQ(view.SelectedRows(), (std::vector<int>{2, 3}));
}

TEST_F(FileListTest, CtrlASelectsEveryFile)
{
    for (const char* name : {"one", "two", "three"}) {
        m_dir.WriteFile(name, name);
    }
    const auto harness = Start();
    FileListView& view = *harness->browser->FileList();
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(harness->browser->SelectedRecords().size(), 3U);
}

TEST_F(FileListTest, DoubleClickOpensTheFile)
{
    m_dir.WriteFile("readme.txt", "hello");
    const auto harness = Start();
    FileListView& view = *harness->browser->FileList();
    const QPoint where = view.visualRect(view.model()->index(0, 0)).center();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, where);
    EXPECT_EQ(harness->opened, QStringList{QString::fromStdString(m_dir.Folder() + "readme.txt")});
}

TEST(FileListModel, AsksForOneIconPerFileTypeAndNoneUntilPainted)
{
    CountingIconProvider provider;
    FileListModel model(provider);
    std::vector<FileRecord> records(3000);
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].name = "file" + std::to_string(i) + (i % 3 == 0 ? ".txt" : (i % 3 == 1 ? ".JPG" : ".jpg"));
    }
    model.SetRecords("/nowhere/", std::move(records));
    EXPECT_EQ(provider.fileIcons, 0);
    for (int row = 0; row < model.rowCount(); ++row) {
        (void)model.index(row, 0).data(Qt::DecorationRole);
    }
    EXPECT_EQ(provider.fileIcons, 2);
}

}  // namespace
