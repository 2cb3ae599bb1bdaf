// A listed file that exists but cannot be read (no permission, a folder, an I/O error)
// is Missing, not Bad: it may well be intact. The reason stays with its row; a file
// that is simply not there has none. Every kind of list, on every path a row can take.

#include "runfixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Status = EntryStatus;

// Digests of "abc": the CRC-32 check of RFC 3385 style tables, RFC 1321 and FIPS 180-4.
constexpr const char* kCrcAbc = "352441C2";
constexpr const char* kMd5Abc = "900150983CD24FB0D6963F7D28E17F72";
constexpr const char* kSha256Abc = "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD";

struct UnreadableCase {
    const char* name;
    ListKind kind;
    int filesInFlight;
    bool selectedRows;
};

const UnreadableCase kCases[] = {
    {"SfvOneAtATime", ListKind::Sfv, 1, false},
    {"SfvInFlight", ListKind::Sfv, 2, false},
    {"SfvSelectedRows", ListKind::Sfv, 1, true},
    {"Md5OneAtATimeInLanes", ListKind::Md5, 1, false},
    {"Md5InFlightInLanes", ListKind::Md5, 2, false},
    {"Md5SelectedRows", ListKind::Md5, 1, true},
    {"Sha256OneAtATime", ListKind::Sha256, 1, false},
    {"Sha256InFlight", ListKind::Sha256, 2, false},
};

struct UnreadableRow {
    std::string name;
    Status verdict;
    std::string reason;
};

class UnreadableTest : public ::testing::TestWithParam<UnreadableCase>, protected RunFixture {
protected:
    void LoadRows(const std::vector<UnreadableRow>& rows, ListKind kind)
    {
        std::string text;
        for (const UnreadableRow& row : rows) {
            if (kind == ListKind::Sfv) {
                text += row.name + " " + kCrcAbc + "\r\n";
            } else {
                text += std::string(kind == ListKind::Md5 ? kMd5Abc : kSha256Abc) + "  " + row.name + "\n";
            }
        }
        LoadText(kind == ListKind::Sfv ? "list.sfv" : kind == ListKind::Md5 ? "list.md5" : "SHA256SUMS", text);
    }
};

TEST_P(UnreadableTest, FileThatCannotBeReadIsMissingWithItsReason)
{
    const UnreadableCase& run = GetParam();
    // Small readable files side by side go through the lanes (MD5) with the unreadable ones.
    std::vector<UnreadableRow> rows = {
        {"good.txt", Status::OK, ""},
        // Opening this process's memory file succeeds; reading it from offset 0 fails.
        {"io-error.bin", Status::Missing, "Input/output error"},
        {"folder", Status::Missing, "Is a directory"},
        {"absent.txt", Status::Missing, ""},
        {"sub-is-a-file/x.txt", Status::Missing, ""},
    };
    WriteFile("good.txt", "abc");
    WriteFile("sub-is-a-file", "abc");
    std::filesystem::create_symlink("/proc/self/mem", m_dir.Path() / "io-error.bin");
    std::filesystem::create_directory(m_dir.Path() / "folder");
    if (::geteuid() != 0) {  // root reads files whatever their mode
        const std::string locked = WriteFile("locked.txt", "abc");
        ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
        rows.insert(rows.begin() + 2, {"locked.txt", Status::Missing, "Permission denied"});
    }
    WriteFile("unselected.txt", "abc");
    rows.push_back({"unselected.txt", run.selectedRows ? Status::Unchecked : Status::OK, ""});
    LoadRows(rows, run.kind);
    if (run.selectedRows) {
        for (int row = 0; row + 1 < m_list.RowCount(); ++row) {
            m_list.SetRowSelected(row, true);
        }
    }
    m_controller->SetFilesInFlight(run.filesInFlight);

    RunAndWait([this] { m_controller->StartPause(); }, 1);

    int missing = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const int index = static_cast<int>(row);
        EXPECT_EQ(m_list.RowStatus(index), rows[row].verdict) << rows[row].name;
        EXPECT_EQ(m_list.RowReadErrorText(index), rows[row].reason) << rows[row].name;
        missing += rows[row].verdict == Status::Missing ? 1 : 0;
    }
    EXPECT_EQ(m_list.GetCounters().missing, missing);
    EXPECT_EQ(m_list.GetCounters().bad, 0);

    // A new run forgets the reasons with the verdicts.
    m_observer.m_onRowChanged = [this](int row, Status status) {
        if (status == Status::Checking) {
            EXPECT_EQ(m_list.RowReadErrorText(row), "") << row;
        }
    };
    RunAndWait([this] { m_controller->StartPause(); }, 2);
}

INSTANTIATE_TEST_SUITE_P(Lists, UnreadableTest, testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
