// Day files with damaged or foreign content never stop the restore.
#include "app/DayRestore.h"
#include "shared/FileIO.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

using namespace gv;

TEST(DayRestoreFuzz, DamagedFilesRestoreWithoutFault)
{
    char tmpl[] = "/tmp/gvfuzz-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    const std::string logs = std::string(tmpl) + "/logs";
    ASSERT_TRUE(makeFolder(logs));
    const char* pieces[] = {"<L>", "</L>", "<V1>", "</V1>", "<A1>", "</A1>", "<W1>", "</W1>", "<W4>", "</W4>",
                            "<I>", "</I>", "<V>", "</V>", "\r\n", "\r", "\n", "1e400", "-7", "12.5", "abc",
                            "<", ">", "</", "", "9999999999", ".", "nan", "<>", "</>"};
    std::mt19937 rng(1234);
    for (int round = 0; round < 400; ++round) {
        std::string text;
        const int n = static_cast<int>(rng() % 60);
        for (int i = 0; i < n; ++i) {
            if (rng() % 5 == 0)
                text.push_back(static_cast<char>(rng() % 256));
            else
                text += pieces[rng() % (sizeof pieces / sizeof *pieces)];
        }
        for (int type = 0; type <= 8; ++type) {
            Global_Declarations g;
            g.SystemType = static_cast<std::int16_t>(type);
            g.LogDelay = 10;
            g.XMLsoftware[9] = "V1";
            g.XMLsoftware[1] = "A1";
            g.XMLsoftware[17] = "W1";
            g.XMLsoftware[2] = "";
            const LocalTime today{2010, 7, 4, 12, 0, 0};
            ASSERT_TRUE(writeFileAtomic(logs + "/" + restorePrefix(type) + dayName(today) + ".txt", text));
            const DayRestoreResult r = restoreDayTotals(g, logs, today);
            EXPECT_TRUE(r.restored);
            for (int k = 1; k <= 8; ++k)
                EXPECT_TRUE(std::isfinite(g.WattHours[k]));
        }
    }
    std::filesystem::remove_all(tmpl);
}
