// The device simulator's output, fed to the receive path in random pieces:
// every message it writes must be framed and read without a bad value.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "app/Acquisition.h"
#include "engine_state.h"
#include "shared/FileIO.h"
#include "support/test_paths.h"

using namespace gv;

namespace {

std::string simulatorPath()
{
    return std::string(GV_BINARY_DIR) + "/tools/gv_simulator";
}

} // namespace

TEST(SimulatorFeed, EveryTypeIsFramedAndReadCleanly)
{
    if (!fileExists(simulatorPath()))
        GTEST_SKIP() << "gv_simulator not built";
    gvtest::TempDir dir;
    std::mt19937 rng(4);
    for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 8}) {
        const std::string out = dir.file("type" + std::to_string(type) + ".txt");
        const std::string cmd = simulatorPath() + " --type " + std::to_string(type) +
                                " --count 25 --interval-ms 0 --seed 7 --history 5 --out " + out;
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
        const std::string text = gvtest::readFile(out);
        ASSERT_FALSE(text.empty());
        // The Current Cost monitors' stored totals: inside every Classic
        // message, in messages of their own from a 128.
        if (type == 3 || type == 4) {
            EXPECT_NE(text.find("<hist>"), std::string::npos) << type;
        }

        Global_Declarations g = gvtest::startedState(type);
        EngineStatus status;
        Acquisition acq(g, status);
        int passes = 0;
        acq.afterPass = [&] { ++passes; };
        std::uniform_int_distribution<size_t> len(1, 40);
        for (size_t at = 0; at < text.size();) {
            const size_t n = std::min(len(rng), text.size() - at);
            acq.onReceive(std::string_view(text).substr(at, n), 0);
            at += n;
        }
        EXPECT_EQ(passes, 25) << type;
        EXPECT_FALSE(status.errorLamp) << type;
        if (type == 3 || type == 4) {
            EXPECT_GT(g.RawValue[17], 0) << type;
            EXPECT_GT(g.ChannelPower[2], 0) << type;
        } else {
            EXPECT_GT(g.ChannelValue[9], 10) << type << ": battery volts";
            EXPECT_LT(g.ChannelValue[9], 16) << type;
        }
        if (type == 4) {
            EXPECT_GT(g.RawValue[21], 0) << "both sensors reported";
        }
    }
}
