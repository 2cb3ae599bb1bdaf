// Several files in flight: a verification run gives every row the verdict, found
// checksum and counters the one-at-a-time run gives, with the counters right at
// every moment and progress that never goes back.

#include "abortflag.h"
#include "md5.h"
#include "md5lanes.h"
#include "runfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace {

using Status = EntryStatus;

// One row of the mixed list: its file (none for a missing one, a folder when asked),
// whether the list holds the right checksum, and the verdict each kind of list gives.
struct MixedRow {
    std::string name;
    std::size_t size = 0;
    bool present = true;
    bool folder = false;
    bool rightChecksum = true;
    // MD5 lists only (a tagged list): a row whose checksum cannot be an MD5 digest, and
    // a SHA-256 row among the MD5 ones.
    bool unusableDigest = false;
    bool sha256 = false;
};

// FIPS 180-4 example: SHA-256 of "abc".
constexpr const char* kSha256Abc = "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD";

std::vector<MixedRow> MixedRows(ListKind kind)
{
    std::vector<MixedRow> rows = {
        {"small.bin", 1},
        {"mid.bin", 5000},
        {"bad.bin", 70000, true, false, false},
        {"absent.bin", 10, false},
        {"folder", 0, true, true},
        {"empty.bin", 0},
        {"empty-bad.bin", 0, true, false, false},
        {"sub/large.bin", 300 * 1024},
        {"big.bin", (1 << 20) + 3},
    };
    // Large and small files in turn, so that later rows finish before earlier ones.
    for (int i = 0; i < 24; ++i) {
        const std::size_t size = i % 3 == 0 ? 700 * 1024 : static_cast<std::size_t>(100 + 37 * i);
        rows.push_back({"more-" + std::to_string(i) + ".bin", size, i != 11, false, i % 7 != 5});
    }
    // Over the size up to which MD5 files are hashed side by side, between small ones.
    rows.insert(rows.begin() + 14, {"huge.bin", (4u << 20) + 5});
    if (kind == ListKind::Md5) {
        rows.insert(rows.begin() + 2, {"unusable.bin", 300, false, false, true, true});
        rows.insert(rows.begin() + 20, {"abc.txt", 3, true, false, true, false, true});
    }
    return rows;
}

Status ExpectedVerdict(const MixedRow& row)
{
    if (row.folder) {
        return Status::Missing;  // exists, but cannot be read as a file
    }
    if (row.unusableDigest) {
        return Status::Bad;
    }
    if (!row.present) {
        return Status::Missing;
    }
    return row.rightChecksum ? Status::OK : Status::Bad;
}

std::string Md5Hex(const std::string& bytes)
{
    Md5 md5;
    md5.Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return md5.Final();
}

class InFlightVerdictTest : public ::testing::TestWithParam<std::tuple<int, ListKind>>, protected RunFixture {};

TEST_P(InFlightVerdictTest, MixedListEndsAsTheOneAtATimeRunWithCountersRightThroughout)
{
    const auto [filesInFlight, kind] = GetParam();
    std::filesystem::create_directory(m_dir.Path() / "sub");
    std::vector<Entry> entries;
    std::vector<std::string> found;
    std::uint64_t bytesToRead = 0;
    std::string md5List;
    const std::vector<MixedRow> rows = MixedRows(kind);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const MixedRow& row = rows[i];
        std::string bytes(row.size, '\0');
        for (std::size_t at = 0; at < bytes.size(); ++at) {
            bytes[at] = static_cast<char>((at * 131 + i * 7) & 0xFF);
        }
        if (row.sha256) {
            bytes = "abc";
        }
        if (row.folder) {
            std::filesystem::create_directory(m_dir.Path() / row.name);
        } else if (row.present) {
            WriteFile(row.name, bytes);
            bytesToRead += row.unusableDigest ? 0 : bytes.size();
        }
        std::string actual = kind == ListKind::Sfv ? Hex8(ReferenceCrc32(bytes)) : Md5Hex(bytes);
        if (row.sha256) {
            actual = kSha256Abc;
        }
        const std::string wrong = kind == ListKind::Sfv ? "00000001" : std::string(32, '1');
        const std::string listed = row.unusableDigest ? std::string(33, '2') : row.rightChecksum ? actual : wrong;
        entries.push_back({row.name, listed});
        md5List += std::string(row.sha256 ? "SHA256" : "MD5") + " (" + row.name + ") = " + listed + "\n";
        found.push_back(row.present && !row.folder && !row.unusableDigest ? actual : std::string());
    }
    if (kind == ListKind::Sfv) {
        Load("mixed.sfv", entries, kind);
    } else {
        LoadText("mixed.md5", md5List);
    }

    // Each count the run shows must be the rows' verdicts at that moment.
    int wrongMoments = 0;
    m_observer.m_onStatusBar = [&](const Counters& counters) {
        Counters tally{0, 0, 0, 0};
        for (int row = 0; row < m_list.RowCount(); ++row) {
            switch (m_list.RowStatus(row)) {
            case Status::OK: ++tally.ok; break;
            case Status::Bad: ++tally.bad; break;
            case Status::Missing: ++tally.missing; break;
            default: ++tally.unchecked; break;
            }
        }
        wrongMoments += tally == counters ? 0 : 1;
    };
    // How many rows were Checking at once: more than one file in flight, or a batch in the lanes.
    int mostChecking = 0;
    m_observer.m_onRowChanged = [&](int, Status) {
        int checking = 0;
        for (int row = 0; row < m_list.RowCount(); ++row) {
            checking += m_list.RowStatus(row) == Status::Checking ? 1 : 0;
        }
        mostChecking = std::max(mostChecking, checking);
    };
    std::vector<int> positions;
    m_observer.m_onProgress = [&](int percent) { positions.push_back(percent); };
    m_controller->SetFilesInFlight(filesInFlight);

    RunAndWait([this] { m_controller->StartPause(); }, 1);

    Counters expectedCounters{0, 0, 0, 0};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        const Status expected = ExpectedVerdict(rows[i]);
        EXPECT_EQ(m_list.RowStatus(row), expected) << rows[i].name;
        EXPECT_EQ(m_list.FoundChecksum(row), found[i]) << rows[i].name;
        expectedCounters.ok += expected == Status::OK ? 1 : 0;
        expectedCounters.bad += expected == Status::Bad ? 1 : 0;
        expectedCounters.missing += expected == Status::Missing ? 1 : 0;
    }
    EXPECT_EQ(m_list.GetCounters(), expectedCounters);
    EXPECT_EQ(wrongMoments, 0);
    EXPECT_EQ(m_observer.LastBytesRead(), bytesToRead);
    ASSERT_FALSE(positions.empty());
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_EQ(positions.back(), 100);
    // Auto-scroll follows the lowest row in flight: from the first row onwards, never back.
    const std::vector<int> scrolled = m_observer.ScrolledRows();
    ASSERT_FALSE(scrolled.empty());
    EXPECT_EQ(scrolled.front(), 0);
    EXPECT_TRUE(std::is_sorted(scrolled.begin(), scrolled.end()));
    EXPECT_EQ(scrolled.back(), static_cast<int>(rows.size()) - 1) << "the view ends on the last row";
    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
    EXPECT_EQ(m_list.CurrentIndex(), 0);
    EXPECT_EQ(m_list.BytesDone(), 0u);
    EXPECT_EQ(m_observer.Events(), (std::vector{RunEvent::Started, RunEvent::Finished, RunEvent::WorkerEnded}));
    if (kind == ListKind::Md5 && Md5Lanes().ActivePath() != Md5LanesPath::Scalar) {
        EXPECT_GT(mostChecking, filesInFlight) << "MD5 files went through the lanes in batches";
    }
}

INSTANTIATE_TEST_SUITE_P(FilesInFlight, InFlightVerdictTest,
                         testing::Combine(testing::Values(1, 2, 8), testing::Values(ListKind::Sfv, ListKind::Md5)),
                         [](const auto& row) {
                             return (std::get<1>(row.param) == ListKind::Sfv ? std::string("Sfv") : "Md5") + "At" +
                                    std::to_string(std::get<0>(row.param));
                         });

}  // namespace
