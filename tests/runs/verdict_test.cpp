// What a verification run records per entry: verdicts, counters, size texts.

#include "runfixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Status = EntryStatus;

class VerdictTest : public ::testing::Test, protected RunFixture {
protected:
    void VerifyAll()
    {
        RunAndWait([this] { m_controller->StartPause(); }, ++m_runs);
    }
    int m_runs = 0;
};

TEST_F(VerdictTest, SfvOkMissingBadEndWithOneOfEach)
{
    WriteFile("good.bin", "123456789");
    WriteFile("changed.bin", "123456780");
    LoadSfv({{"good.bin", "CBF43926"}, {"absent.bin", "00000000"}, {"changed.bin", "CBF43926"}});

    VerifyAll();

    EXPECT_EQ(Statuses(), (std::vector{Status::OK, Status::Missing, Status::Bad}));
    EXPECT_EQ(m_list.GetCounters(), (Counters{1, 1, 1, 0}));
    EXPECT_EQ(m_list.SizeText(1), "Not Found.");
    EXPECT_EQ(m_list.SizeText(0), "9 bytes");
    EXPECT_EQ(m_list.FoundChecksum(0), "CBF43926");
    EXPECT_EQ(m_list.FoundChecksum(1), "");
    EXPECT_EQ(m_list.FoundChecksum(2), Hex8(ReferenceCrc32("123456780")));
    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
    EXPECT_EQ(m_list.BytesDone(), 0u);
    EXPECT_EQ(m_list.CurrentIndex(), 0);
    EXPECT_EQ(m_observer.LastRunEvent(), RunEvent::Finished);
    EXPECT_EQ(m_observer.LastProgress(), 100);
}

TEST_F(VerdictTest, StoredCrcMustMatchAllEightDigits)
{
    // 0x0A0B0C0D-like values: find content whose CRC has a leading zero digit.
    std::string content;
    for (int i = 0;; ++i) {
        content = "seed-" + std::to_string(i);
        if ((ReferenceCrc32(content) >> 28) == 0) {
            break;
        }
    }
    WriteFile("lead.bin", content);
    WriteFile("lower.bin", content);
    const std::string full = Hex8(ReferenceCrc32(content));
    std::string lower = full;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    LoadSfv({{"lead.bin", full.substr(1)}, {"lower.bin", lower}});

    VerifyAll();

    // Seven digits never match; lower-case digits are upper-cased by the reader.
    EXPECT_EQ(Statuses(), (std::vector{Status::Bad, Status::OK}));
}

TEST_F(VerdictTest, FileDeletedAfterLoadIsMissingInBothKinds)
{
    const std::string sfvFile = WriteFile("gone.bin", "123456789");
    LoadSfv({{"gone.bin", "CBF43926"}});
    std::filesystem::remove(sfvFile);
    VerifyAll();
    EXPECT_EQ(Statuses(), (std::vector{Status::Missing}));
    EXPECT_EQ(m_list.SizeText(0), "Not Found.");

    const std::string md5File = WriteFile("gone.txt", "abc");
    LoadMd5({{"gone.txt", "900150983CD24FB0D6963F7D28E17F72"}});
    std::filesystem::remove(md5File);
    VerifyAll();
    EXPECT_EQ(Statuses(), (std::vector{Status::Missing}));
    EXPECT_EQ(m_list.GetCounters(), (Counters{0, 0, 1, 0}));
}

TEST_F(VerdictTest, Md5VerdictsAndSubFolderNames)
{
    WriteFile("abc.txt", "abc");
    WriteFile("sub/empty.txt", "");
    WriteFile("other.txt", "abd");
    LoadMd5({{"abc.txt", "900150983cd24fb0d6963f7d28e17f72"},
             {"sub\\empty.txt", "D41D8CD98F00B204E9800998ECF8427E"},
             {"other.txt", "900150983CD24FB0D6963F7D28E17F72"},
             {"nothing.txt", "900150983CD24FB0D6963F7D28E17F72"}});

    VerifyAll();

    EXPECT_EQ(Statuses(), (std::vector{Status::OK, Status::OK, Status::Bad, Status::Missing}));
    EXPECT_EQ(m_list.GetCounters(), (Counters{2, 1, 1, 0}));
    EXPECT_EQ(m_list.FoundChecksum(1), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(m_list.FoundChecksum(2), "4911E516E5AA21D327512E0C8B197616") << "the MD5 of \"abd\"";
    EXPECT_EQ(m_list.FoundChecksum(3), "");
}

TEST_F(VerdictTest, EmptyListAndNoListEndAtOnceWithTheCommonEnd)
{
    // No list loaded at all (kind None).
    VerifyAll();
    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
    EXPECT_EQ(m_observer.LastRunEvent(), RunEvent::Finished);

    LoadSfv({});
    VerifyAll();
    EXPECT_EQ(m_list.GetCounters(), (Counters{0, 0, 0, 0}));
    EXPECT_EQ(m_list.GetRunState(), RunState::Stopped);
    EXPECT_FALSE(m_observer.RunActive());
    EXPECT_EQ(m_observer.WorkersStarted(), 2);
}

TEST_F(VerdictTest, ProgressCoversTheWholeRunAndAutoScrollFollowsRows)
{
    const std::string big(3 * 4096, 'x');
    WriteFile("a.bin", big);
    WriteFile("b.bin", big);
    LoadSfv({{"a.bin", Hex8(ReferenceCrc32(big))}, {"b.bin", Hex8(ReferenceCrc32(big))}});
    std::vector<int> positions;
    m_observer.m_onProgress = [&](int percent) { positions.push_back(percent); };
    m_controller->SetFilesInFlight(1);  // one file at a time reports every block

    VerifyAll();

    // Starts at 0, then one report per 4096-byte block of the whole run.
    EXPECT_EQ(positions, (std::vector{0, 16, 33, 50, 66, 83, 100}));
    EXPECT_EQ(m_observer.ScrolledRows(), (std::vector{0, 1}));

    m_controller->SetAutoScroll(false);
    VerifyAll();
    EXPECT_EQ(m_observer.ScrolledRows(), (std::vector{0, 1}));
}

}  // namespace
