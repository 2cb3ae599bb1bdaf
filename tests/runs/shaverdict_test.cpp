// Verdicts of sha*sum lists: per-row algorithms, exact names and unusable digests.

#include "runfixture.h"

#include <gtest/gtest.h>

namespace {

using Status = EntryStatus;

class ShaVerdictTest : public ::testing::Test, protected RunFixture {
protected:
    void VerifyAll()
    {
        RunAndWait([this] { m_controller->StartPause(); }, ++m_runs);
    }
    int m_runs = 0;
};

// FIPS 180-4 example digests of "abc".
constexpr const char* kSha1Abc = "a9993e364706816aba3e25717850c26c9cd0d89d";
constexpr const char* kSha256Abc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
constexpr const char* kSha512Abc =
    "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
    "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f";

TEST_F(ShaVerdictTest, EachRowIsCheckedWithItsOwnAlgorithm)
{
    WriteFile("abc.txt", "abc");
    WriteFile("abd.txt", "abd");
    WriteFile("back\\slash.txt", "abc");
    LoadText("SHA256SUMS", std::string(kSha256Abc) + "  abc.txt\n" +
                               "SHA1 (abc.txt) = " + kSha1Abc + "\n" +
                               "SHA512 (abd.txt) = " + kSha512Abc + "\n" +
                               "MD5 (abc.txt) = 900150983cd24fb0d6963f7d28e17f72\n" +
                               kSha256Abc + " *absent.txt\n" +
                               "\\" + kSha256Abc + "  back\\\\slash.txt\n");

    VerifyAll();

    EXPECT_EQ(Statuses(),
              (std::vector{Status::OK, Status::OK, Status::Bad, Status::OK, Status::Missing, Status::OK}));
    EXPECT_EQ(m_list.GetCounters(), (Counters{4, 1, 1, 0}));
}

TEST_F(ShaVerdictTest, ChecksumThatCannotBeADigestIsBadEvenWithoutTheFile)
{
    WriteFile("abc.txt", "abc");
    LoadText("list.sha512", std::string(kSha256Abc) + "  abc.txt\n" + kSha512Abc + "x  gone.txt\n");

    VerifyAll();

    EXPECT_EQ(Statuses(), (std::vector{Status::Bad, Status::Bad}));
    EXPECT_EQ(m_list.GetCounters(), (Counters{0, 2, 0, 0}));
    EXPECT_EQ(m_list.SizeText(0), "3 bytes") << "the row still shows its file";
}

}  // namespace
