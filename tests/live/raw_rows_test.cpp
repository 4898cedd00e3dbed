#include <gtest/gtest.h>

#include "live/RawRows.h"

using namespace gv;

namespace {
std::string digits(std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i)
        s.push_back(static_cast<char>('0' + i % 10));
    return s;
}
} // namespace

TEST(RawRows, EmptyMessageGivesOneEmptyRow)
{
    const auto rows = rawMessageRows("");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], "");
}

TEST(RawRows, FullRowsEndWithCrLfAndTheRestFollows)
{
    const std::string m = digits(120);
    const auto rows = rawMessageRows(m);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], m.substr(0, 50) + "\r\n");
    EXPECT_EQ(rows[1], m.substr(50, 50) + "\r\n");
    EXPECT_EQ(rows[2], m.substr(100));

    EXPECT_EQ(rawMessageRows(digits(50)), std::vector<std::string>{digits(50)});
    const auto hundred = rawMessageRows(digits(100));
    ASSERT_EQ(hundred.size(), 2u);
    EXPECT_EQ(hundred[1], digits(100).substr(50)) << "the last 50 are the rest row, no CR LF";
    EXPECT_EQ(rawMessageRows(digits(51)).back(), "0");
}

TEST(RawRows, AtMostThirtyRows)
{
    auto rows = rawMessageRows(digits(1500));
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows[28].size(), 52u);
    EXPECT_EQ(rows[29], digits(1500).substr(1450));

    const std::string m = digits(1501);
    rows = rawMessageRows(m);
    ASSERT_EQ(rows.size(), 30u);
    EXPECT_EQ(rows[29], m.substr(1450, 50) + "\r\n");
    std::string shown;
    for (const auto& r : rows)
        shown += r.substr(0, 50);
    EXPECT_EQ(shown, m.substr(0, 1500)) << "the last character is not shown";

    EXPECT_EQ(rawMessageRows(std::string(100000, 'x')).size(), 30u);
}
