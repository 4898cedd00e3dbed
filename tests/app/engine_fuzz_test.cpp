// Hostile device traffic through the whole engine, receive path and logging
// tick together, under ASan/UBSan: random chunks, garbage, absurd numbers,
// system type changes and a clock that crosses midnight.  Nothing may crash,
// the buffer stays bounded, and no log line ever carries a non-finite number.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "app/Acquisition.h"
#include "app/Logging.h"
#include "engine_state.h"

using namespace gv;

namespace {

const char* const kPieces[] = {
    "]", "[", "<msg>", "</msg>", "<tmpr>", "</tmpr>", "<ch1><watts>", "</watts></ch1>", "<sensor>9",
    "<sensor>0", "<V>", "</V>", "<I>", "</I>", "<R>", "</R>", "<A1>", "</A1>", "<V1>", "</V1>",
    "<A5>", "</A5>", "<W1>", "</W1>", "123", "-4.5", "1e400", "nan", "inf", "1e308", "9e99", "\r\n",
    "\xff", "<", ">", "</", ".", "e", "-", " ", "0",
};

std::string slurp(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(EngineFuzz, RandomTrafficNeverCorruptsTheLogs)
{
    char tmpl[] = "/tmp/gv-enginefuzz-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    const std::string folder = tmpl;
    std::filesystem::create_directories(folder + "/logs");
    std::filesystem::create_directories(folder + "/Excel");

    Global_Declarations g = gvtest::startedState(0);
    EngineStatus status;
    g.XMLsoftware = g.XMLhardware;
    g.LogDelay = 10;
    g.SaveExcel = 1;
    g.LoggingOn = 1;
    Acquisition acq(g, status);
    LoggingEngine engine(g, status, folder);

    std::mt19937 rng(20261209);
    LocalTime now{2026, 7, 4, 23, 50, 0};
    engine.restoreDay(now);
    bool dataSeen = false;
    for (int step = 0; step < 20000; ++step) {
        std::string chunk;
        const int pieces = 1 + static_cast<int>(rng() % 12);
        for (int k = 0; k < pieces; ++k) {
            if (rng() % 5 == 0)
                chunk.push_back(static_cast<char>(rng() % 256));
            else
                chunk += kPieces[rng() % (sizeof kPieces / sizeof kPieces[0])];
        }
        if (rng() % 8 == 0) // a whole message among the noise, so records get written
            chunk = "]<V>125</V><I>40</I><A1>50</A1><V1>130</V1>]";
        if (rng() % 500 == 0)
            chunk.append(100000, 'x'); // a device that never sends its marker
        if (rng() % 700 == 0)
            g.SystemType = static_cast<std::int16_t>(rng() % 10);
        const Acquisition::Received r = acq.onReceive(chunk, 0);
        dataSeen = dataSeen || r.calculated > 0;
        ASSERT_LE(acq.buffer().size(), Acquisition::MaxBuffer + 2);
        if (step % 20 == 0) {
            now = addSeconds(now, 10);
            engine.tick(TickInput{now, dataSeen, "10"});
            g.LoggingOn = 1;
        }
        if (step % 9 == 0)
            engine.summaryTimer(now);
    }
    for (int k = 1; k <= 8; ++k)
        ASSERT_TRUE(std::isfinite(g.WattHours[k]));
    int files = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        if (!e.is_regular_file())
            continue;
        ++files;
        const std::string text = slurp(e.path());
        EXPECT_EQ(text.find("nan"), std::string::npos) << e.path();
        EXPECT_EQ(text.find("inf"), std::string::npos) << e.path();
    }
    EXPECT_GT(files, 2);
    std::filesystem::remove_all(folder);
}
