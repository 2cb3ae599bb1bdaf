#include "md5knowndigests.h"
#include "md5lanestesthelpers.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

namespace {

using Span = std::span<const unsigned char>;

Span SpanOf(const std::string& text)
{
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

class Md5LanesTest : public Md5LanesPathTest {};

TEST_P(Md5LanesTest, UsesTheRequestedBlockFunctionAndItsLaneCount)
{
    const Md5Lanes lanes(GetParam());
    EXPECT_EQ(lanes.ActivePath(), GetParam());
    EXPECT_EQ(lanes.LaneCount(), GetParam() == Md5LanesPath::Avx512 ? 16u : 8u);
}

TEST_P(Md5LanesTest, KnownDigestsInOneBatch)
{
    const std::vector<KnownDigest>& kCases = Md5KnownDigests();
    std::vector<Span> messages;
    for (const KnownDigest& row : kCases) {
        messages.push_back(SpanOf(row.input));
    }
    Md5Lanes lanes(GetParam());
    const std::vector<std::string> digests = lanes.HashMessages(messages);
    ASSERT_EQ(digests.size(), kCases.size());
    for (std::size_t i = 0; i < digests.size(); ++i) {
        EXPECT_EQ(digests[i], kCases[i].digest) << kCases[i].name;
    }
}

// Batches of messages taken from one random buffer at odd offsets (so no load is
// aligned), each compared with the scalar digest.
TEST_P(Md5LanesTest, BatchesAgreeWithTheScalarDigest)
{
    const std::vector<unsigned char> pool = RandomBytes(300000, 7);
    struct BatchCase {
        const char* name;
        std::vector<std::size_t> lengths;
    };
    std::vector<std::size_t> everyLength;
    for (std::size_t length = 0; length <= 200; ++length) {
        everyLength.push_back(length);
    }
    const BatchCase kCases[] = {
        {"every length 0..200, lanes refilled as each ends", everyLength},
        {"padding boundaries side by side", {55, 56, 63, 64, 119, 120, 54, 57, 62, 65, 118, 121, 127, 128, 0, 1}},
        {"one long message beside short ones", {100000, 3, 64, 1, 0, 4096, 65, 17, 200, 5}},
        {"long messages of different lengths", {70001, 65536, 4097, 129, 32768, 1000, 99999, 12345, 64, 640, 6400,
                                                 64000, 63, 1, 128, 192, 256, 4095}},
        {"fewer messages than lanes", {3, 1000}},
        {"one message", {4096}},
        {"no message", {}},
    };
    for (const BatchCase& row : kCases) {
        std::vector<Span> messages;
        std::size_t offset = 1;
        for (const std::size_t length : row.lengths) {
            ASSERT_LE(offset + length, pool.size());
            messages.emplace_back(pool.data() + offset, length);
            offset = (offset + length) % 100000 + 3;
        }
        Md5Lanes lanes(GetParam());
        const std::vector<std::string> digests = lanes.HashMessages(messages);
        ASSERT_EQ(digests.size(), messages.size()) << row.name;
        for (std::size_t i = 0; i < messages.size(); ++i) {
            ASSERT_EQ(digests[i], ScalarMd5(messages[i].data(), messages[i].size()))
                << row.name << ": message " << i << " of " << messages[i].size() << " bytes";
        }
        for (std::size_t lane = 0; lane < lanes.LaneCount(); ++lane) {
            EXPECT_EQ(lanes.State(lane), Md5Lanes::LaneState::Idle) << row.name;
        }
    }
}

// Each lane gets its message in spans of its own size, so lanes run out of input at
// different times and wait (masked) while the others go on; a short span leaves a
// partial block that the next span completes.
TEST_P(Md5LanesTest, StreamedSpansOfDifferentSizesPerLane)
{
    const std::vector<unsigned char> bytes = RandomBytes(20000, 11);
    const std::size_t kPieces[] = {1, 63, 64, 65, 1000, 7, 4096, 130, 2, 127, 640, 33, 5000, 64, 3, 100};
    const std::size_t kLengths[] = {20000, 5000, 19999, 64, 0, 1, 12345, 200, 8000, 55, 56, 10000, 300, 7, 4096, 999};
    Md5Lanes lanes(GetParam());
    const std::size_t laneCount = lanes.LaneCount();
    std::vector<std::size_t> fed(laneCount, 0);
    std::vector<std::string> digests(laneCount);
    for (std::size_t lane = 0; lane < laneCount; ++lane) {
        lanes.Start(lane);
    }
    std::size_t rounds = 0;
    for (bool busy = true; busy; ++rounds) {
        ASSERT_LT(rounds, 100000u) << "the lanes stopped making progress";
        busy = false;
        for (std::size_t lane = 0; lane < laneCount; ++lane) {
            if (lanes.State(lane) == Md5Lanes::LaneState::Hungry) {
                const std::size_t piece = std::min(kPieces[lane], kLengths[lane] - fed[lane]);
                lanes.Feed(lane, bytes.data() + fed[lane], piece, fed[lane] + piece == kLengths[lane]);
                fed[lane] += piece;
            } else if (lanes.State(lane) == Md5Lanes::LaneState::Done) {
                digests[lane] = lanes.TakeDigest(lane);
            }
            busy = busy || lanes.State(lane) != Md5Lanes::LaneState::Idle;
        }
        (void)lanes.Process();
    }
    for (std::size_t lane = 0; lane < laneCount; ++lane) {
        EXPECT_EQ(digests[lane], ScalarMd5(bytes.data(), kLengths[lane]))
            << "lane " << lane << ": " << kLengths[lane] << " bytes in pieces of " << kPieces[lane];
    }
}

TEST_P(Md5LanesTest, AWaitingLaneKeepsItsStateWhileTheOthersRun)
{
    const std::vector<unsigned char> bytes = RandomBytes(50000, 3);
    Md5Lanes lanes(GetParam());
    lanes.Start(0);
    lanes.Feed(0, bytes.data(), 100, false);  // one block run, 36 bytes kept
    // Two lanes run on (one alone would take the scalar transform, without masks).
    lanes.Start(1);
    lanes.Feed(1, bytes.data() + 1, 50000 - 1, true);
    lanes.Start(2);
    lanes.Feed(2, bytes.data() + 2, 50000 - 2, true);
    std::uint64_t taken = 0;
    while (lanes.State(1) != Md5Lanes::LaneState::Done) {
        taken += lanes.Process();
    }
    EXPECT_EQ(lanes.State(0), Md5Lanes::LaneState::Hungry);
    lanes.Feed(0, bytes.data() + 100, 900, true);
    while (lanes.State(0) != Md5Lanes::LaneState::Done || lanes.State(2) != Md5Lanes::LaneState::Done) {
        taken += lanes.Process();
    }
    EXPECT_EQ(taken, 1000u + 49999u + 49998u) << "every message byte counted once, padding not at all";
    EXPECT_EQ(lanes.TakeDigest(0), ScalarMd5(bytes.data(), 1000));
    EXPECT_EQ(lanes.TakeDigest(1), ScalarMd5(bytes.data() + 1, 49999));
    EXPECT_EQ(lanes.TakeDigest(2), ScalarMd5(bytes.data() + 2, 49998));
}

TEST_P(Md5LanesTest, ProcessStopsAfterTheBlocksAsked)
{
    const std::vector<unsigned char> bytes = RandomBytes(64 * 40, 5);
    Md5Lanes lanes(GetParam());
    lanes.Start(0);
    lanes.Feed(0, bytes.data(), bytes.size(), true);
    lanes.Start(1);
    lanes.Feed(1, bytes.data() + 1, bytes.size() - 1, true);
    EXPECT_EQ(lanes.Process(16), 2u * 16 * 64);
    EXPECT_EQ(lanes.State(0), Md5Lanes::LaneState::Busy);
    while (lanes.State(0) != Md5Lanes::LaneState::Done) {
        (void)lanes.Process(16);
    }
    EXPECT_EQ(lanes.TakeDigest(0), ScalarMd5(bytes.data(), bytes.size()));
}

TEST_P(Md5LanesTest, ResetLaneStartsAFreshMessage)
{
    const std::string discarded = "discarded bytes that never end";
    const std::string abc = "abc";
    Md5Lanes lanes(GetParam());
    lanes.Start(2);
    lanes.Feed(2, SpanOf(discarded).data(), discarded.size(), false);
    (void)lanes.Process();
    lanes.Reset(2);
    EXPECT_EQ(lanes.State(2), Md5Lanes::LaneState::Idle);
    lanes.Start(2);
    lanes.Feed(2, SpanOf(abc).data(), abc.size(), true);
    while (lanes.State(2) != Md5Lanes::LaneState::Done) {
        (void)lanes.Process();
    }
    EXPECT_EQ(lanes.TakeDigest(2), "900150983CD24FB0D6963F7D28E17F72");
}

INSTANTIATE_TEST_SUITE_P(EveryPath, Md5LanesTest, kEveryMd5LanesPath, LanesPathTestName);

TEST(Md5LanesPath, AutoAndUnsupportedResolveToARealPath)
{
    for (const Md5LanesPath path :
         {Md5LanesPath::Auto, Md5LanesPath::Scalar, Md5LanesPath::Avx2, Md5LanesPath::Avx512}) {
        const Md5Lanes lanes(path);
        EXPECT_NE(lanes.ActivePath(), Md5LanesPath::Auto) << Md5LanesPathName(path);
        EXPECT_TRUE(Md5LanesPathSupported(lanes.ActivePath())) << Md5LanesPathName(path);
    }
    const Md5Lanes automatic;
    if (Md5LanesPathSupported(Md5LanesPath::Avx512)) {
        EXPECT_EQ(automatic.ActivePath(), Md5LanesPath::Avx512);
    } else if (Md5LanesPathSupported(Md5LanesPath::Avx2)) {
        EXPECT_EQ(automatic.ActivePath(), Md5LanesPath::Avx2);
    }
}

}  // namespace
