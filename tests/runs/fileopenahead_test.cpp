// The run's file opener hands every row its own file, in order, whoever opened it.

#include "checksumlist.h"
#include "fileopenahead.h"
#include "listreader.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class FileOpenAheadTest : public ::testing::Test {
protected:
    // Rows named r0, r1, ...; the file of row i holds "row i"; every seventh is absent.
    void MakeRows(int count)
    {
        ChecksumListContent content;
        content.kind = ListKind::Sfv;
        content.baseFolder = m_dir.Folder();
        for (int row = 0; row < count; ++row) {
            const std::string name = "r" + std::to_string(row);
            if (row % 7 != 3) {
                m_dir.WriteFile(name, "row " + std::to_string(row));
            }
            content.rows.Append(name, "");
        }
        m_list.Replace(std::move(content));
    }

    static std::string ContentOf(ReadOnlyFile& file)
    {
        unsigned char buffer[64];
        const ReadOnlyFile::FillResult filled = file.Fill(buffer, sizeof buffer);
        return std::string(reinterpret_cast<const char*>(buffer), filled.bytes);
    }

    TempDir m_dir;
    ChecksumList m_list;
};

TEST_F(FileOpenAheadTest, EveryRowGetsItsOwnFileWellBeyondTheWindow)
{
    const int rows = FileOpenAhead::kWindow * 8 + 5;
    MakeRows(rows);
    for (int first : {0, 17}) {
        FileOpenAhead openAhead(m_list, m_dir.Folder(), first, rows, first == 0 ? 0 : 1024);
        for (int row = first; row < rows; ++row) {
            ReadOnlyFile file = openAhead.Take(row);
            if (row % 7 == 3) {
                EXPECT_FALSE(file.IsOpen()) << row;
                EXPECT_EQ(file.OpenError(), ENOENT);
            } else {
                ASSERT_TRUE(file.IsOpen()) << row;
                EXPECT_EQ(ContentOf(file), "row " + std::to_string(row));
            }
        }
    }
}

TEST_F(FileOpenAheadTest, LeavingEarlyStopsTheOpener)
{
    MakeRows(FileOpenAhead::kWindow * 4);
    for (int taken : {0, 1, 40}) {
        FileOpenAhead openAhead(m_list, m_dir.Folder(), 0, m_list.RowCount(), 1024);
        for (int row = 0; row < taken; ++row) {
            ReadOnlyFile file = openAhead.Take(row);
            EXPECT_EQ(file.IsOpen(), row % 7 != 3);
        }
    }  // each destructor joins an opener that may be waiting for room
}

TEST_F(FileOpenAheadTest, SingleRowIsOpenedByTheTaker)
{
    MakeRows(1);
    FileOpenAhead openAhead(m_list, m_dir.Folder(), 0, 1, 0);
    ReadOnlyFile file = openAhead.Take(0);
    EXPECT_EQ(ContentOf(file), "row 0");
}

// Files opened or read ahead, then rewritten before their turn, are read as they are at
// their turn: a verdict on old bytes would call a changed file OK.
TEST_F(FileOpenAheadTest, FilesChangedAfterBeingOpenedAheadAreReadAsTheyAreAtTheirTurn)
{
    const int rows = FileOpenAhead::kWindow / 2;
    MakeRows(rows);
    for (std::size_t preReadLimit : {std::size_t{0}, std::size_t{1024}}) {
        for (int row = 0; row < rows; ++row) {
            m_dir.WriteFile("r" + std::to_string(row), "row " + std::to_string(row));
        }
        FileOpenAhead openAhead(m_list, m_dir.Folder(), 0, rows, preReadLimit);
        ReadOnlyFile first = openAhead.Take(0);
        // Same size, new bytes; in place for even rows, replaced by a new file for odd ones.
        for (int row = 1; row < rows; ++row) {
            const std::string name = "r" + std::to_string(row);
            const std::string text = "ROW " + std::to_string(row);
            if (row % 2 == 0) {
                std::ofstream(m_dir.Folder() + name, std::ios::in | std::ios::out) << text;
            } else {
                std::filesystem::rename(m_dir.WriteFile("new", text), m_dir.Folder() + name);
            }
        }
        for (int row = 1; row < rows; ++row) {
            ReadOnlyFile file = openAhead.Take(row);
            EXPECT_EQ(ContentOf(file), "ROW " + std::to_string(row)) << row << ", read ahead up to " << preReadLimit;
        }
    }
}

}  // namespace
