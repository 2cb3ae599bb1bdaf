#include "checksumtesthelpers.h"
#include "digestfile.h"
#include "md5file.h"
#include "readbuffer.h"
#include "readonlyfile.h"
#include "shacontext.h"
#include "shafile.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ShaOf(DigestAlgorithm algorithm, const std::string& bytes)
{
    ShaContext sha(algorithm);
    sha.Update(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return sha.Final();
}

struct KnownAnswer {
    const char* name;
    DigestAlgorithm algorithm;
    std::string message;
    const char* digest;
};

// FIPS 180-4 examples as published by NIST (CSRC "Examples with Intermediate
// Values": SHA1.pdf, SHA256.pdf, SHA512.pdf): the one-block message "abc", the
// two-block messages, and the empty message; the million 'a' of FIPS 180-2 App. B.3.
const std::string kTwoBlock448 = "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq";
const std::string kTwoBlock896 =
    "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu";

const KnownAnswer kKnownAnswers[] = {
    {"Sha1Abc", DigestAlgorithm::Sha1, "abc", "A9993E364706816ABA3E25717850C26C9CD0D89D"},
    {"Sha1TwoBlocks", DigestAlgorithm::Sha1, kTwoBlock448, "84983E441C3BD26EBAAE4AA1F95129E5E54670F1"},
    {"Sha1Empty", DigestAlgorithm::Sha1, "", "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"},
    {"Sha256Abc", DigestAlgorithm::Sha256, "abc",
     "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD"},
    {"Sha256TwoBlocks", DigestAlgorithm::Sha256, kTwoBlock448,
     "248D6A61D20638B8E5C026930C3E6039A33CE45964FF2167F6ECEDD419DB06C1"},
    {"Sha256Empty", DigestAlgorithm::Sha256, "",
     "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855"},
    {"Sha256MillionA", DigestAlgorithm::Sha256, std::string(1'000'000, 'a'),
     "CDC76E5C9914FB9281A1C7E284D73E67F1809A48A497200E046D39CCC7112CD0"},
    {"Sha512Abc", DigestAlgorithm::Sha512, "abc",
     "DDAF35A193617ABACC417349AE20413112E6FA4E89A97EA20A9EEEE64B55D39A"
     "2192992A274FC1A836BA3C23A3FEEBBD454D4423643CE80E2A9AC94FA54CA49F"},
    {"Sha512TwoBlocks", DigestAlgorithm::Sha512, kTwoBlock896,
     "8E959B75DAE313DA8CF4F72814FC143F8F7779C6EB9F7FA17299AEADB6889018"
     "501D289E4900F7E4331B99DEC4B5433AC7D329EEB6DD26545E96E55B874BE909"},
    {"Sha512Empty", DigestAlgorithm::Sha512, "",
     "CF83E1357EEFB8BDF1542850D66D8007D620E4050B5715DC83F4A921D36CE9CE"
     "47D0D13C5D85F2B0FF8318D2877EEC2F63B931BD47417A81A538327AF927DA3E"},
    // RFC 7693 Appendix A: BLAKE2b-512 of "abc".
    {"Blake2bAbc", DigestAlgorithm::Blake2b, "abc",
     "BA80A53F981C4D0D6A2797B69F12F6E94C212F14685AC4B74B12BB6FDBFFA2D1"
     "7D87C5392AAB792DC252D5DE4533CC9518D38AA8DBF1925AB92386EDD4009923"},
    // FIPS 202 examples (NIST CSRC "SHA3-256_Msg0", "SHA3-256_Msg24", "SHA3-512_Msg24").
    {"Sha3With256Empty", DigestAlgorithm::Sha3_256, "",
     "A7FFC6F8BF1ED76651C14756A061D662F580FF4DE43B49FA82D80A4B80F8434A"},
    {"Sha3With256Abc", DigestAlgorithm::Sha3_256, "abc",
     "3A985DA74FE225B2045C172D6BD390BD855F086E3E9D525B46BFE24511431532"},
    {"Sha3With512Abc", DigestAlgorithm::Sha3_512, "abc",
     "B751850B1A57168A5693CD924B6B096E08F621827444F70D884F5D0240D2712E"
     "10E116E9192AF3C91A7EC57647E3934057340B4CF408D5A56592F8274EEC53F0"},
};

class ShaFileTest : public AbortFlagTest {
protected:
    std::string HashFile(const std::string& path, DigestAlgorithm algorithm, std::int64_t total = 0)
    {
        ReadOnlyFile file(path);
        return ShaFile(file, path, algorithm, m_sink, total, m_done);
    }

    TempDir m_dir;
    RecordingSink m_sink;
    std::uint64_t m_done = 0;
};

TEST_F(ShaFileTest, KnownAnswersFromContextAndFile)
{
    for (const KnownAnswer& row : kKnownAnswers) {
        EXPECT_EQ(ShaOf(row.algorithm, row.message), row.digest) << row.name;
        EXPECT_EQ(HashFile(m_dir.WriteFile("message.bin", row.message), row.algorithm), row.digest) << row.name;
    }
}

TEST_F(ShaFileTest, UpdatesInPiecesGiveTheWholeDigest)
{
    ShaContext sha(DigestAlgorithm::Sha256);
    for (const char c : std::string("abc")) {
        sha.Update(reinterpret_cast<const unsigned char*>(&c), 1);
    }
    EXPECT_EQ(sha.Final(), "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
}

TEST_F(ShaFileTest, OneReportPerBlockAcrossBufferEdges)
{
    struct SizeCase {
        const char* name;
        std::size_t size;
    };
    static constexpr SizeCase kCases[] = {
        {"empty", 0},
        {"one block and a byte", kShaBlockSize + 1},
        {"buffer less a byte", ReadBuffer::kCapacity - 1},
        {"buffer and a byte", ReadBuffer::kCapacity + 1},
    };
    unsigned seed = 1;
    for (const SizeCase& row : kCases) {
        const std::string path = m_dir.WritePatternFile("data.bin", row.size, seed++);
        for (const DigestAlgorithm algorithm : {DigestAlgorithm::Sha1, DigestAlgorithm::Sha512}) {
            m_sink.positions.clear();
            m_done = 0;
            EXPECT_EQ(HashFile(path, algorithm, static_cast<std::int64_t>(row.size)), ShaOf(algorithm, ReadAll(path)))
                << row.name;
            EXPECT_EQ(m_done, row.size) << row.name;
            EXPECT_EQ(m_sink.positions.size(), (row.size + kShaBlockSize - 1) / kShaBlockSize) << row.name;
        }
    }
}

TEST_F(ShaFileTest, AbortStopsAfterTheCurrentBlockWithADigestOfWhatWasRead)
{
    const std::string path = m_dir.WritePatternFile("large.bin", 50 * kShaBlockSize);
    m_sink.onReport = [](std::size_t) { g_abort.store(1); };
    EXPECT_EQ(HashFile(path, DigestAlgorithm::Sha256),
              ShaOf(DigestAlgorithm::Sha256, ReadAll(path).substr(0, kShaBlockSize)));
    EXPECT_EQ(m_sink.positions.size(), 1u);
    EXPECT_EQ(m_done, kShaBlockSize);
}

TEST_F(ShaFileTest, FileThatDidNotOpenRaisesFileError)
{
    std::filesystem::create_directory(m_dir.Path() / "folder");
    const std::string path = m_dir.Folder() + "folder";
    try {
        (void)HashFile(path, DigestAlgorithm::Sha1);
        ADD_FAILURE() << "no error raised";
    } catch (const FileError& error) {
        EXPECT_EQ(error.ErrorCode(), EISDIR);
        EXPECT_EQ(error.Path(), path);
    }
    EXPECT_EQ(m_done, 0u);
}

TEST_F(ShaFileTest, DigestFileDispatchesByAlgorithm)
{
    const std::string path = m_dir.WriteFile("abc.txt", "abc");
    const auto digest = [&](DigestAlgorithm algorithm) {
        ReadOnlyFile file(path);
        return DigestFile(file, path, algorithm, m_sink, 0, m_done);
    };
    EXPECT_EQ(digest(DigestAlgorithm::Md5), "900150983CD24FB0D6963F7D28E17F72");  // RFC 1321
    EXPECT_EQ(digest(DigestAlgorithm::Sha1), "A9993E364706816ABA3E25717850C26C9CD0D89D");
    EXPECT_EQ(digest(DigestAlgorithm::Sha256).size(), 64u);
    EXPECT_EQ(digest(DigestAlgorithm::Sha512).size(), 128u);
    EXPECT_EQ(digest(DigestAlgorithm::Blake2b).substr(0, 8), "BA80A53F");  // RFC 7693
    EXPECT_EQ(digest(DigestAlgorithm::Sha3_256).substr(0, 8), "3A985DA7");  // FIPS 202
    EXPECT_EQ(digest(DigestAlgorithm::Sha3_512).substr(0, 8), "B751850B");
    // BLAKE3 "abc" as b3sum gives it.
    EXPECT_EQ(digest(DigestAlgorithm::Blake3).substr(0, 8), "6437B3AC");
    EXPECT_THROW((void)digest(DigestAlgorithm::Crc32), std::invalid_argument);
}

}  // namespace
