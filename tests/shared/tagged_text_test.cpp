#include <gtest/gtest.h>

#include "shared/NumberPicture.h"
#include "shared/TaggedText.h"

using namespace gv;

TEST(TaggedReader, FindsValueBetweenTagsAnywhereInText)
{
    const std::string text = "Program Config File\r\n\r\n<Port> 3 </Port>\r\n<LogDelay>10</LogDelay>\r\n";
    EXPECT_EQ(tagValue(text, "LogDelay"), "10");
    EXPECT_EQ(leadingNumber(tagValue(text, "Port")), 3);
    EXPECT_FALSE(findTag(text, "port").has_value()) << "keys are case-sensitive";
}

TEST(TaggedReader, ChannelOneIsNotFoundInsideChannelTen)
{
    const std::string text = "<C10>ten</C10>\r\n<C1>one</C1>\r\n";
    EXPECT_EQ(tagValue(text, "C1"), "one");
}

TEST(TaggedReader, MissingOrReversedPairIsNotPresent)
{
    EXPECT_FALSE(findTag("<A>5", "A").has_value());
    EXPECT_FALSE(findTag("5</A>", "A").has_value());
    EXPECT_FALSE(findTag("</A>5<A>", "A").has_value());
    EXPECT_EQ(tagValue("</A>x<A>7</A>", "A"), "7");
    EXPECT_EQ(extractTaggedValue("", "<A>", "</A>"), "");
}

TEST(TaggedReader, FirstOccurrenceWins)
{
    EXPECT_EQ(tagValue("<A>1</A><A>2</A>", "A"), "1");
}

TEST(LeadingNumber, ReadsLikeTheStoredFilesExpect)
{
    EXPECT_EQ(leadingNumber(" 3 "), 3);
    EXPECT_EQ(leadingNumber("\t-2.5xyz"), -2.5);
    EXPECT_EQ(leadingNumber("1 2 3"), 123);
    EXPECT_EQ(leadingNumber("1.5e2"), 150);
    EXPECT_EQ(leadingNumber("2,5"), 2);
    EXPECT_EQ(leadingNumber("ten"), 0);
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("1e400"), 0) << "overflow never becomes infinity";
    EXPECT_EQ(leadingNumber("nan"), 0);
}

TEST(IsNumeric, RejectsNonFiniteAndTrailingText)
{
    EXPECT_TRUE(isNumeric("12.5"));
    EXPECT_TRUE(isNumeric(" -3 "));
    EXPECT_FALSE(isNumeric("12abc"));
    EXPECT_FALSE(isNumeric(""));
    EXPECT_FALSE(isNumeric("nan"));
    EXPECT_FALSE(isNumeric("inf"));
    EXPECT_FALSE(isNumeric("1e400"));
    EXPECT_FALSE(isNumeric("."));
    // Blanks around the number only; the leading-number reader still reads 42.
    EXPECT_TRUE(isNumeric("\t42 \r\n"));
    EXPECT_FALSE(isNumeric("4 2"));
    EXPECT_FALSE(isNumeric("1 e5"));
    EXPECT_FALSE(isNumeric("12. 5"));
    EXPECT_EQ(leadingNumber("4 2"), 42);
    // What the test takes as blanks around a number, the reader skips.
    for (const char* blanks : {" ", "\t", "\r", "\n", "\r\n"}) {
        EXPECT_TRUE(isNumeric(std::string(blanks) + "1300" + blanks)) << blanks;
        EXPECT_EQ(leadingNumber(std::string(blanks) + "1300" + blanks), 1300) << blanks;
    }
}

TEST(NumberText, ShortestFormWithFifteenDigits)
{
    EXPECT_EQ(numberText(3), "3");
    EXPECT_EQ(numberText(4800), "4800");
    EXPECT_EQ(numberText(16711680), "16711680");
    EXPECT_EQ(numberText(132 * 0.1), "13.2");
    EXPECT_EQ(numberText(0.1), "0.1");
    EXPECT_EQ(numberText(-0.5), "-0.5");
    EXPECT_EQ(numberText(-0.0), "0");
}

TEST(RoundHalfEven, StoredWidths)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
}

TEST(NumberPicture, PicturesUsedOnScreenAndInFiles)
{
    EXPECT_EQ(formatPicture(12.345, "#0.00 V"), "12.35 V");
    EXPECT_EQ(formatPicture(0.5, "##.00"), ".50");
    EXPECT_EQ(formatPicture(7, "#00"), "07");
    EXPECT_EQ(formatPicture(0.04, "#0.0 A"), "0.0 A");
    EXPECT_EQ(formatPicture(1234.5, "###0 W"), "1235 W");
    EXPECT_EQ(formatPicture(123456, "###0 W"), "123456 W") << "integer part never cut";
    EXPECT_EQ(formatPicture(2.5, "0"), "3") << "halves away from zero";
    EXPECT_EQ(formatPicture(-2.5, "0"), "-3");
    EXPECT_EQ(formatPicture(0.1, "0.00000"), "0.10000");
    EXPECT_EQ(formatPicture(512, "00000"), "00512");
    EXPECT_EQ(formatPicture(0, "##0 rpm"), "0 rpm");
    EXPECT_EQ(formatPicture(2.675, "#0.00"), "2.68");
    EXPECT_EQ(formatPicture(-0.001, "#0.00"), "0.00");
}

TEST(NumberPicture, RoundsOnceOnTheShortestDecimalText)
{
    // Just below a half stays below: no second rounding of a rounded text.
    EXPECT_EQ(formatPicture(2.4996, "###0"), "2");
    EXPECT_EQ(formatPicture(0.4996, "###0"), "0");
    EXPECT_EQ(formatPicture(4.24996, "#0.0"), "4.2");
    EXPECT_EQ(formatPicture(99.4999, "##0"), "99");
    EXPECT_EQ(formatPicture(0.0049996, "#0.00"), "0.00");
    // Halves as written round away from zero, carries run through.
    EXPECT_EQ(formatPicture(1.005, "#0.00"), "1.01");
    EXPECT_EQ(formatPicture(-0.45, "#0.0"), "-0.5");
    EXPECT_EQ(formatPicture(9.995, "##.00"), "10.00");
    EXPECT_EQ(formatPicture(99.95, "#####.0"), "100.0");
    EXPECT_EQ(formatPicture(0.05, "#####.0"), ".1");
    EXPECT_EQ(formatPicture(1e20, "###0"), "100000000000000000000");
    EXPECT_EQ(formatPicture(1.5e-7, "0.00000"), "0.00000");
    EXPECT_EQ(roundHalfAway(2.4996, 0), 2);
    EXPECT_EQ(roundHalfAway(-2.675, 2), -2.68);
}
