#include <gtest/gtest.h>

#include <random>

#include "app/Acquisition.h"
#include "engine_state.h"
#include "support/current_cost_messages.h"

using namespace gv;

namespace {

struct Engine {
    Global_Declarations g;
    EngineStatus status;
    Acquisition acq{g, status};
    int passes = 0;

    explicit Engine(int type) : g(gvtest::startedState(type)) { acq.afterPass = [this] { ++passes; }; }
};

const std::string kCc128Sensor9 =
    "<msg><src>CC128-v0.11</src><dsb>00089</dsb><time>13:02:39</time><tmpr>18.7</tmpr>"
    "<sensor>9</sensor><id>01234</id><type>1</type><ch1><watts>00345</watts></ch1>"
    "<ch2><watts>02151</watts></ch2><ch3><watts>00000</watts></ch3></msg>\r\n";

const std::string kCc128Sensor0 =
    "<msg><src>CC128-v0.11</src><dsb>00089</dsb><time>13:02:45</time><tmpr>21.5</tmpr>"
    "<sensor>0</sensor><id>00077</id><type>1</type><ch1><watts>00012</watts></ch1>"
    "<ch2><watts>00034</watts></ch2><ch3><watts>00056</watts></ch3></msg>\r\n";

const std::string kClassic = gvtest::classicMessage({345, 10, 0}, "19.2", "123456") + "\r\n";

} // namespace

// ------------------------------------------------------------------ logger types

TEST(LoggerFraming, MessageSplitInsideAClosingTagIsFramedOnceComplete)
{
    Engine e(1);
    e.acq.onReceive("]", 0); // an earlier message leaves the buffer at "["
    EXPECT_EQ(e.acq.buffer(), "[");
    e.acq.lampTimerTick();
    e.passes = 0;

    Acquisition::Received r = e.acq.onReceive("<A1>512</A", 0);
    EXPECT_EQ(r.framed, 0);
    EXPECT_EQ(e.passes, 0);
    r = e.acq.onReceive("1><V1>300</V1>]", 0);
    EXPECT_EQ(r.framed, 1);
    EXPECT_EQ(r.calculated, 1);
    EXPECT_EQ(e.passes, 1);
    EXPECT_EQ(e.g.RawValue[1], 512);
    EXPECT_EQ(e.g.RawValue[9], 300);
    EXPECT_EQ(e.acq.buffer(), "[");
    EXPECT_EQ(e.g.LastMessage, "[<A1>512</A1><V1>300</V1>]");
    EXPECT_EQ(e.acq.messageText(), e.g.LastMessage);
    EXPECT_TRUE(e.status.messageLamp);
    EXPECT_FALSE(e.status.errorLamp);
    EXPECT_EQ(e.acq.caption(), "Battery = 30.00V ");
}

TEST(LoggerFraming, SeveralMessagesInOneReadAreFramedOneByOne)
{
    Engine e(1);
    std::vector<double> seen;
    e.acq.afterPass = [&] { seen.push_back(e.g.RawValue[1]); };
    const auto r = e.acq.onReceive("<A1>10</A1>]<A1>20</A1><V1>120</V1>]<A1>3", 0);
    EXPECT_EQ(r.framed, 2);
    EXPECT_EQ(r.calculated, 2);
    EXPECT_EQ(seen, (std::vector<double>{10, 20}));
    EXPECT_EQ(e.g.goodDATAcount, 2);
    EXPECT_DOUBLE_EQ(e.g.AccumulatedValue[1], 3.0);
    EXPECT_EQ(e.acq.buffer(), "[<A1>3") << "the start of the next message is kept";
    EXPECT_EQ(e.g.LastMessage, "[<A1>20</A1><V1>120</V1>]");
    e.acq.onReceive("0</A1>]", 0);
    EXPECT_EQ(e.g.RawValue[1], 30);
}

TEST(LoggerFraming, ADeviceThatSendsItsOwnBracketGetsNoDoubleBracket)
{
    Engine e(1);
    e.acq.onReceive("[<A1>1</A1>][<A1>2</A1>]", 0);
    EXPECT_EQ(e.g.LastMessage, "[<A1>2</A1>]");
}

TEST(LoggerFraming, EverySplitPointGivesTheSameReadings)
{
    const std::string stream = "<A1>512</A1><A2>7.5</A2><V1>131</V1><WS>44</WS><R1>2500</R1>]"
                               "<A1>498</A1><V1>129</V1><P1>3</P1>]";
    Engine whole(8);
    whole.acq.onReceive(stream, 0);
    ASSERT_EQ(whole.passes, 2);
    for (size_t cut = 0; cut <= stream.size(); ++cut) {
        Engine e(8);
        e.acq.onReceive(stream.substr(0, cut), 0);
        e.acq.onReceive(stream.substr(cut), 0);
        EXPECT_EQ(e.passes, 2) << cut;
        EXPECT_EQ(e.g.RawValue, whole.g.RawValue) << cut;
        EXPECT_EQ(e.g.AccumulatedValue, whole.g.AccumulatedValue) << cut;
        EXPECT_EQ(e.g.MaxMin, whole.g.MaxMin) << cut;
    }
    // Byte by byte too.
    Engine bytes(8);
    for (char c : stream)
        bytes.acq.onReceive(std::string(1, c), 0);
    EXPECT_EQ(bytes.g.RawValue, whole.g.RawValue);
    EXPECT_EQ(bytes.passes, 2);
}

TEST(LoggerFraming, SingleWindmillUsesFixedTagsAndKeepsABadReading)
{
    Engine e(0);
    e.g.XMLhardware[1] = "I"; // the table's tags are not used for type 0
    e.g.RawValue[1] = 42;
    const auto r = e.acq.onReceive("<V>25.3</V><I>abc</I><S>30</S><R>1500</R><A1>1</A1>]", 0);
    EXPECT_EQ(r.calculated, 1);
    EXPECT_DOUBLE_EQ(e.g.RawValue[9], 25.3);
    EXPECT_EQ(e.g.RawValue[1], 42);
    EXPECT_EQ(e.g.RawValue[12], 30);
    EXPECT_EQ(e.g.RawValue[13], 1500);
    EXPECT_TRUE(e.status.errorLamp);
    EXPECT_EQ(e.passes, 1);
    EXPECT_EQ(e.g.goodDATAcount, 1);

    // A line break before a number is a blank around it, CR as well as LF.
    Engine cr(0);
    cr.acq.onReceive("<V>\r1300</V><I>5</I><S>3</S><R>100</R>]", 0);
    EXPECT_EQ(cr.g.RawValue[9], 1300);
    EXPECT_EQ(cr.g.RawValue[1], 5);
    EXPECT_FALSE(cr.status.errorLamp);
}

TEST(LoggerFraming, NonFiniteEmptyAndAbsurdValuesNeverReachTheSums)
{
    for (const char* bad : {"nan", "inf", "1e400", "", " ", "1e12", "-5e10", "12abc", "0x10", "4 2"}) {
        Engine e(1);
        e.g.RawValue[1] = 50;
        e.acq.onReceive(std::string("<A1>") + bad + "</A1>]", 0);
        EXPECT_EQ(e.g.RawValue[1], 50) << bad;
        EXPECT_TRUE(e.status.errorLamp) << bad;
        // The message brought no reading: no pass over the old one either.
        EXPECT_EQ(e.g.goodDATAcount, 0) << bad;
        EXPECT_EQ(e.g.AccumulatedValue[1], 0) << bad;
    }
    Engine ok(1);
    ok.acq.onReceive("<A1> -12.5e1 </A1>]", 0);
    EXPECT_EQ(ok.g.RawValue[1], -125);
    EXPECT_FALSE(ok.status.errorLamp);
}

TEST(LoggerFraming, AMessageThatBringsNoReadingIsNoGoodMessage)
{
    // Line noise holding a "]" after one good reading: it is framed and
    // shown, but counts nothing, so no stale reading is booked as measured.
    Engine e(1);
    e.acq.onReceive("<A1>50</A1><V1>120</V1>]", 0);
    e.acq.lampTimerTick();
    for (const char* noise : {"hello]", "\x7f\x03]", "<A1></A1>]", "<Q9>12</Q9>]"}) {
        const auto r = e.acq.onReceive(noise, 0);
        EXPECT_EQ(r.framed, 1) << noise;
        EXPECT_EQ(r.calculated, 0) << noise;
        EXPECT_TRUE(e.status.messageLamp) << noise;
        EXPECT_TRUE(e.status.errorLamp) << noise;
        EXPECT_EQ(e.g.LastMessage, std::string("[") + noise) << noise;
        e.acq.lampTimerTick();
    }
    EXPECT_EQ(e.passes, 1);
    EXPECT_EQ(e.g.goodDATAcount, 1);
    EXPECT_DOUBLE_EQ(e.g.AccumulatedWatts[1], 60);

    // The same for the Current Cost monitors; a CC128 sensor that this
    // system does not read is simply passed by, without an error.
    Engine classic(3);
    EXPECT_EQ(classic.acq.onReceive("<msg><src><name>CC02</name></src></msg>\r\n", 0).calculated, 0);
    EXPECT_TRUE(classic.status.errorLamp);
    Engine cc128(4);
    std::string sensor3 = kCc128Sensor9;
    sensor3.replace(sensor3.find("<sensor>9"), 9, "<sensor>3");
    EXPECT_EQ(cc128.acq.onReceive(sensor3, 0).calculated, 0);
    EXPECT_FALSE(cc128.status.errorLamp);
    std::string empty = kCc128Sensor9;
    empty.replace(empty.find("00345"), 5, "");
    EXPECT_EQ(cc128.acq.onReceive(empty, 0).calculated, 0);
    EXPECT_TRUE(cc128.status.errorLamp);
    EXPECT_EQ(cc128.passes, 0);
    EXPECT_EQ(cc128.acq.onReceive(kCc128Sensor9, 0).calculated, 1);
}

TEST(CurrentCostHistory, StoredTotalsNeverHideTheReadings)
{
    // The Classic sends its stored totals after the readings of every
    // message: each one is read, in one read or split at any point.
    const std::string published = gvtest::classicMessage() + "\r\n";
    for (size_t cut = 0; cut < published.size(); ++cut) {
        Engine e(3);
        const auto first = e.acq.onReceive(published.substr(0, cut), 0);
        const auto second = e.acq.onReceive(published.substr(cut), 0);
        EXPECT_EQ(first.calculated + second.calculated, 1) << cut;
        EXPECT_EQ(e.g.RawValue[18], 168) << cut;
        EXPECT_DOUBLE_EQ(e.g.RawValue[17], 25.6) << cut;
        EXPECT_EQ(e.g.ChannelPower[2], 168) << cut;
        EXPECT_EQ(e.g.goodDATAcount, 1) << cut;
        EXPECT_FALSE(e.status.errorLamp) << cut;
    }

    // The 128 sends them in messages of their own, with no reading: alone
    // they are framed and shown, but get no pass and no error.
    const std::string history = gvtest::cc128History() + "\r\n";
    Engine alone(4);
    const auto r = alone.acq.onReceive(history, 0);
    EXPECT_EQ(r.framed, 1);
    EXPECT_EQ(r.calculated, 0);
    EXPECT_FALSE(alone.status.errorLamp);
    EXPECT_TRUE(alone.status.messageLamp);
    EXPECT_EQ(alone.g.goodDATAcount, 0);

    // Between two live messages in one read: the live ones count.
    Engine between(4);
    const auto b = between.acq.onReceive(kCc128Sensor9 + history + kCc128Sensor9, 0);
    EXPECT_EQ(b.framed, 3);
    EXPECT_EQ(b.calculated, 2);
    EXPECT_EQ(between.passes, 2);
    EXPECT_FALSE(between.status.errorLamp);
    EXPECT_EQ(between.g.RawValue[18], 345);
}

TEST(LoggerFraming, ReversedTagsAbandonTheRestOfTheMessage)
{
    Engine e(1);
    e.g.RawValue[9] = 7;
    const auto r = e.acq.onReceive("<A1>5</A1></A2>x<A2>6<V1>130</V1>]", 0);
    EXPECT_EQ(r.framed, 1);
    EXPECT_EQ(r.calculated, 0);
    EXPECT_EQ(e.passes, 0);
    EXPECT_EQ(e.g.RawValue[1], 5) << "items before the fault were read";
    EXPECT_EQ(e.g.RawValue[9], 7) << "items after it were not";
    EXPECT_EQ(e.g.goodDATAcount, 0);
    EXPECT_TRUE(e.status.errorLamp);
    EXPECT_EQ(e.g.LastMessage, "<A1>5</A1></A2>x<A2>6<V1>130</V1>]");
    EXPECT_EQ(e.acq.buffer(), "[");
    // The next message is handled normally.
    e.acq.onReceive("<V1>130</V1>]", 0);
    EXPECT_EQ(e.g.RawValue[9], 130);
    EXPECT_EQ(e.passes, 1);
}

TEST(LoggerFraming, AbsurdCalibrationAbandonsThePass)
{
    Engine e(1);
    e.g.ADCDivider[1] = 1e300;
    e.acq.onReceive("<V1>120</V1><A1>1e9</A1>]", 0);
    EXPECT_EQ(e.passes, 0);
    EXPECT_EQ(e.g.goodDATAcount, 0);
    EXPECT_EQ(e.g.AccumulatedWatts[1], 0);
    EXPECT_TRUE(e.status.errorLamp);
}

TEST(LoggerFraming, UnterminatedInputIsBoundedAndAMessageAfterItStillWorks)
{
    Engine e(1);
    const std::string junk(1000, 'x');
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(e.acq.onReceive(junk, 0).framed, 0);
        EXPECT_LE(e.acq.buffer().size(), Acquisition::MaxBuffer + 1);
    }
    EXPECT_TRUE(e.status.errorLamp);
    e.acq.onReceive("<A1>77</A1>]", 0);
    EXPECT_EQ(e.g.RawValue[1], 77);
    EXPECT_EQ(e.passes, 1);
}

TEST(LoggerFraming, LampsGoOffWithTheLampTimer)
{
    Engine e(1);
    e.acq.onReceive("<A1>x</A1>]", 0);
    EXPECT_TRUE(e.status.messageLamp);
    EXPECT_TRUE(e.status.errorLamp);
    e.acq.lampTimerTick();
    EXPECT_FALSE(e.status.messageLamp);
    EXPECT_FALSE(e.status.errorLamp);
    EXPECT_TRUE(e.status.errors.empty()) << "bad values are not recorded one by one";
}

TEST(LoggerFraming, ChangingTheTypeKeepsTheBufferAndSearchesItAgain)
{
    Engine e(3);
    e.acq.onReceive("<A1>9</A1>]", 0); // no "</msg>": waits
    EXPECT_EQ(e.passes, 0);
    e.g.SystemType = 1;
    e.acq.onReceive("", 0);
    EXPECT_EQ(e.passes, 1);
    EXPECT_EQ(e.g.RawValue[1], 9);
}

// -------------------------------------------------------------- Current Cost

TEST(CurrentCostClassic, ReadsTemperatureAndThreeMeterChannels)
{
    Engine e(3);
    e.g.PersonalString = "Home";
    const auto r = e.acq.onReceive(kClassic, 0);
    EXPECT_EQ(r.calculated, 1);
    EXPECT_DOUBLE_EQ(e.g.RawValue[17], 19.2);
    EXPECT_EQ(e.g.RawValue[18], 345);
    EXPECT_EQ(e.g.RawValue[19], 10);
    EXPECT_EQ(e.g.RawValue[20], 0);
    EXPECT_EQ(e.g.ChannelPower[2], 345);
    EXPECT_EQ(e.acq.caption(), "345W 10W 0W Home");
    EXPECT_EQ(e.acq.messageText(), "") << "Current Cost messages do not replace the logger text";
    EXPECT_EQ(e.g.LastMessage, kClassic.substr(0, kClassic.size() - 2));
    EXPECT_EQ(e.acq.buffer(), "\r\n");
}

TEST(CurrentCostClassic, TheStartOfTheNextMessageInTheSameReadIsKept)
{
    Engine e(3);
    const size_t cut = 40;
    std::string second = kClassic;
    second.replace(second.find("00345"), 5, "00999");
    e.acq.onReceive(kClassic + second.substr(0, cut), 0);
    EXPECT_EQ(e.passes, 1);
    EXPECT_EQ(e.g.RawValue[18], 345);
    e.acq.onReceive(second.substr(cut), 0);
    EXPECT_EQ(e.passes, 2);
    EXPECT_EQ(e.g.RawValue[18], 999);
    EXPECT_EQ(e.g.LastMessage.substr(0, 5), "<msg>") << "the line end between messages is not kept";
}

TEST(CurrentCostClassic, ItemsMustBeDirectlyNested)
{
    // A blank between <ch1> and <watts>: the Classic's ch1 cannot be read,
    // so the message is damaged and gives nothing, not even its temperature.
    Engine e(3);
    e.g.RawValue[18] = 1;
    e.g.RawValue[17] = 2;
    std::string spaced = kClassic;
    spaced.replace(spaced.find("<ch1><watts>"), 12, "<ch1> <watts>");
    EXPECT_EQ(e.acq.onReceive(spaced, 0).calculated, 0);
    EXPECT_TRUE(e.status.errorLamp);
    EXPECT_EQ(e.g.RawValue[18], 1);
    EXPECT_EQ(e.g.RawValue[19], 0);
    EXPECT_EQ(e.g.RawValue[17], 2);
}

TEST(CurrentCost128, SensorsFillTheirOwnSlots)
{
    Engine e(4);
    e.acq.onReceive(kCc128Sensor0, 0);
    EXPECT_EQ(e.passes, 1);
    EXPECT_DOUBLE_EQ(e.g.RawValue[21], 21.5);
    EXPECT_EQ(e.g.RawValue[22], 12);
    EXPECT_EQ(e.g.RawValue[23], 34);
    EXPECT_EQ(e.g.RawValue[24], 56);
    for (int n = 18; n <= 20; ++n)
        EXPECT_EQ(e.g.RawValue[n], 0) << n;
    EXPECT_DOUBLE_EQ(e.g.RawValue[17], 21.5) << "the display unit's temperature goes into both slots";
    e.acq.onReceive(kCc128Sensor9, 0);
    EXPECT_DOUBLE_EQ(e.g.RawValue[17], 18.7);
    EXPECT_DOUBLE_EQ(e.g.RawValue[21], 18.7);
    EXPECT_EQ(e.g.RawValue[19], 2151);
    EXPECT_EQ(e.g.RawValue[22], 12);
    EXPECT_EQ(e.acq.caption(), "345W 2151W 0W 12W 34W 56W  ");
}

TEST(CurrentCost128, PartialMessagesWaitUntilComplete)
{
    Engine e(4);
    const std::string msg = kCc128Sensor9;
    for (size_t cut = 1; cut < msg.size(); ++cut) {
        Engine f(4);
        EXPECT_EQ(f.acq.onReceive(msg.substr(0, cut), 0).framed, msg.substr(0, cut).find("</msg>") != std::string::npos ? 1 : 0)
            << cut;
        f.acq.onReceive(msg.substr(cut), 0);
        EXPECT_EQ(f.passes, 1) << cut;
        EXPECT_EQ(f.g.RawValue[18], 345) << cut;
    }
    // Two messages in one read, then a third split in three.
    const std::string third = gvtest::cc128Message(9, {777, 0, 0}, "19.0");
    const size_t a = third.find("<tmpr>") + 7, b = third.find("<sensor>") + 5;
    e.acq.onReceive(kCc128Sensor9 + kCc128Sensor0 + third.substr(0, a), 0);
    EXPECT_EQ(e.passes, 2);
    e.acq.onReceive(third.substr(a, b - a), 0);
    EXPECT_EQ(e.passes, 2);
    e.acq.onReceive(third.substr(b), 0);
    EXPECT_EQ(e.passes, 3);
    EXPECT_EQ(e.g.RawValue[17], 19);
    EXPECT_EQ(e.g.RawValue[18], 777);
    EXPECT_EQ(e.g.LastMessage, third);
}

TEST(CurrentCost128, ATailWithoutItsBeginningIsDropped)
{
    Engine e(4);
    const std::string tail = kCc128Sensor9.substr(60);
    const auto r = e.acq.onReceive(tail + kCc128Sensor0, 0);
    EXPECT_EQ(r.framed, 1);
    EXPECT_EQ(e.passes, 1);
    EXPECT_EQ(e.g.RawValue[18], 0) << "the incomplete sensor 9 message gave nothing";
    EXPECT_EQ(e.g.RawValue[22], 12);
}

TEST(CurrentCost128, ReversedTagsAbandonWithoutFailing)
{
    Engine e(4);
    const auto r = e.acq.onReceive("<msg></tmpr>5<tmpr><sensor>9</msg>", 0);
    EXPECT_EQ(r.framed, 1);
    EXPECT_EQ(r.calculated, 0);
    EXPECT_TRUE(e.status.errorLamp);
}
