// Random and hostile input for the receive path, run under ASan/UBSan: the
// framer must never crash, never let the buffer grow without bound and never
// let a non-finite number into the readings or the interval sums.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "app/Acquisition.h"
#include "engine_state.h"

using namespace gv;

namespace {

const char* const kPieces[] = {
    "]", "[", "<msg>", "</msg>", "<tmpr>", "</tmpr>", "<ch1><watts>", "</watts></ch1>", "<ch2><watts>",
    "</watts></ch2>", "<ch3><watts>", "</watts></ch3>", "<sensor>9", "<sensor>0", "<V>", "</V>", "<I>",
    "</I>", "<A1>", "</A1>", "<V1>", "</V1>", "<WS>", "</WS>", "123", "-4.5", "1e400", "nan", "inf",
    "1e308", "9e99", "", "\r\n", "\0", "\xff", "<", ">", "</", "<>", "</>", ".", "e", "-", "+", " ",
};

struct Fixture {
    Global_Declarations g;
    EngineStatus status;
    Acquisition acq{g, status};

    explicit Fixture(int type) : g(gvtest::startedState(type)) {}

    void checkInvariants() const
    {
        ASSERT_LE(acq.buffer().size(), Acquisition::MaxBuffer + 1);
        for (double v : g.RawValue)
            ASSERT_TRUE(std::isfinite(v));
        for (double v : g.ChannelValue)
            ASSERT_TRUE(std::isfinite(v));
        for (double v : g.ChannelPower)
            ASSERT_TRUE(std::isfinite(v));
        for (double v : g.AccumulatedValue)
            ASSERT_TRUE(std::isfinite(v));
        for (double v : g.AccumulatedWatts)
            ASSERT_TRUE(std::isfinite(v));
        for (double v : g.MaxMin)
            ASSERT_TRUE(std::isfinite(v));
    }
};

std::string randomText(std::mt19937& rng, size_t pieces)
{
    std::string s;
    std::uniform_int_distribution<size_t> pick(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> coin(0, 9);
    for (size_t i = 0; i < pieces; ++i) {
        if (coin(rng) == 0)
            s.push_back(static_cast<char>(byte(rng)));
        else
            s += kPieces[pick(rng)];
    }
    return s;
}

// Feeds text in chunks of random length (including empty ones).
void feedInChunks(Fixture& f, std::mt19937& rng, const std::string& text, size_t maxChunk)
{
    std::uniform_int_distribution<size_t> len(0, maxChunk);
    size_t at = 0;
    while (at < text.size()) {
        const size_t n = std::min(len(rng), text.size() - at);
        const auto r = f.acq.onReceive(std::string_view(text).substr(at, n), 0);
        ASSERT_LE(r.calculated, r.framed);
        at += n;
        f.checkInvariants();
    }
}

} // namespace

TEST(FramerFuzz, RandomPiecesInRandomChunksForEveryType)
{
    std::mt19937 rng(12345);
    for (int type = -1; type <= 9; ++type) {
        Fixture f(type);
        for (int round = 0; round < 40; ++round) {
            feedInChunks(f, rng, randomText(rng, 400), 64);
            if (round % 7 == 0)
                f.acq.lampTimerTick();
            if (round % 11 == 0)
                f.g.SystemType = static_cast<std::int16_t>(rng() % 10); // type changes mid-stream
        }
    }
}

TEST(FramerFuzz, HugeUnterminatedInputStaysBounded)
{
    for (int type : {0, 1, 3, 4, 9}) {
        Fixture f(type);
        std::mt19937 rng(type + 7);
        const std::string block(4096, '<');
        for (int i = 0; i < 1024; ++i) { // 4 MiB without any marker
            f.acq.onReceive(block, 0);
            ASSERT_LE(f.acq.buffer().size(), Acquisition::MaxBuffer + 1);
        }
        // One enormous read as well.
        f.acq.onReceive(std::string(3 * 1024 * 1024, 'z'), 0);
        ASSERT_LE(f.acq.buffer().size(), Acquisition::MaxBuffer + 1);
        f.checkInvariants();
    }
}

TEST(FramerFuzz, ManyTinyMessagesInOneReadEachGetAPass)
{
    Fixture f(1);
    int passes = 0;
    f.acq.afterPass = [&] { ++passes; };
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "<A1>" + std::to_string(i % 1000) + "</A1>]";
    const auto r = f.acq.onReceive(text, 0);
    EXPECT_EQ(r.framed, 20000);
    EXPECT_EQ(passes, 20000);
    EXPECT_EQ(f.g.goodDATAcount, 20000);
    f.checkInvariants();

    Fixture cc(4);
    std::string closes;
    for (int i = 0; i < 50000; ++i)
        closes += "</msg>";
    EXPECT_EQ(cc.acq.onReceive(closes, 0).framed, 0) << "tails without a beginning are dropped";
    EXPECT_LE(cc.acq.buffer().size(), Acquisition::MaxBuffer);
}

TEST(FramerFuzz, ValidMessagesSurviveGarbageBetweenThem)
{
    std::mt19937 rng(99);
    Fixture f(1);
    int passes = 0;
    f.acq.afterPass = [&] { ++passes; };
    std::string text;
    for (int i = 0; i < 300; ++i) {
        std::string junk = randomText(rng, 5);
        // Junk without a marker or tag characters cannot disturb the next message.
        for (char& c : junk)
            if (c == ']' || c == '<' || c == '>')
                c = '#';
        text += junk + "<A1>" + std::to_string(i) + "</A1><V1>130</V1>]";
    }
    feedInChunks(f, rng, text, 200);
    EXPECT_EQ(passes, 300);
    EXPECT_EQ(f.g.RawValue[1], 299);
    EXPECT_EQ(f.g.RawValue[9], 130);
}
