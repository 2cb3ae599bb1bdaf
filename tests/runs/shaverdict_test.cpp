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

// BLAKE2b-512 (RFC 7693 Appendix A), BLAKE3 (as b3sum gives it), SHA3-256 and SHA3-512
// (FIPS 202) of "abc".
constexpr const char* kBlake2bAbc =
    "ba80a53f981c4d0d6a2797b69f12f6e94c212f14685ac4b74b12bb6fdbffa2d1"
    "7d87c5392aab792dc252d5de4533cc9518d38aa8dbf1925ab92386edd4009923";
constexpr const char* kBlake3Abc = "6437b3ac38465133ffb63b75273a8db548c558465d79db03fd359c6cd5bd9d85";
constexpr const char* kSha3With256Abc = "3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532";
constexpr const char* kSha3With512Abc =
    "b751850b1a57168a5693cd924b6b096e08f621827444f70d884f5d0240d2712e"
    "10e116e9192af3c91a7ec57647e3934057340b4cf408d5a56592f8274eec53f0";

std::string Upper(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return text;
}

// The newer kinds' rows, in a BLAKE2b list (plain lines) with tagged lines of the
// others: each verdict, and each row's found checksum in its own algorithm's length.
TEST_F(ShaVerdictTest, Blake2bBlake3AndSha3RowsFindTheirOwnDigests)
{
    WriteFile("abc.txt", "abc");
    WriteFile("abd.txt", "abd");
    LoadText("B2SUMS", std::string(kBlake2bAbc) + "  abc.txt\n" + kBlake2bAbc + "  abd.txt\n" +
                           "BLAKE3 (abc.txt) = " + kBlake3Abc + "\n" +
                           "SHA3-256 (abc.txt) = " + kSha3With256Abc + "\n" +
                           "SHA3-512 (abc.txt) = " + kSha3With512Abc + "\n" +
                           "BLAKE3 (abd.txt) = " + kBlake3Abc + "\n");

    VerifyAll();

    EXPECT_EQ(Statuses(),
              (std::vector{Status::OK, Status::Bad, Status::OK, Status::OK, Status::OK, Status::Bad}));
    EXPECT_EQ(m_list.FoundChecksum(0), Upper(kBlake2bAbc));
    EXPECT_EQ(m_list.FoundChecksum(2), Upper(kBlake3Abc));
    EXPECT_EQ(m_list.FoundChecksum(3), Upper(kSha3With256Abc));
    EXPECT_EQ(m_list.FoundChecksum(4), Upper(kSha3With512Abc));
    EXPECT_EQ(m_list.FoundChecksum(5).size(), 64u);
    EXPECT_EQ(m_list.SizeText(5), "3 bytes");
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
