#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "help/HelpFiles.h"
#include "support/test_paths.h"

using namespace gv;
using gvtest::TempDir;
using Status = HelpFileRows::Status;

namespace {

const std::string fixtures = std::string(GV_SOURCE_DIR) + "/tests/help/fixtures";

void copyFixture(const TempDir& dir, const std::string& name, const std::string& as)
{
    gvtest::writeFile(dir.file(as), gvtest::readFile(fixtures + "/" + name));
}

} // namespace

TEST(HelpSplit, CrLfLfAndCrEachEndALineAndTrailingBreakGivesEmptyLastLine)
{
    EXPECT_EQ(splitLines(""), std::vector<std::string>{});
    EXPECT_EQ(splitLines("one"), std::vector<std::string>{"one"});
    EXPECT_EQ(splitLines("one\r\n"), (std::vector<std::string>{"one", ""}));
    EXPECT_EQ(splitLines("\r\n\r\n"), (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(splitLines("one\n"), (std::vector<std::string>{"one", ""}));
    EXPECT_EQ(splitLines("one\r"), (std::vector<std::string>{"one", ""}));
    EXPECT_EQ(splitLines("a\rb\nc\n\rd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(splitLines("a\r\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
}

TEST(HelpViews, HeadingsFilesAndMessages)
{
    EXPECT_STREQ(helpView(HelpViewId::General).heading, "general HELP");
    EXPECT_STREQ(helpView(HelpViewId::General).fileName, "/help.cfg");
    EXPECT_STREQ(helpView(HelpViewId::General).missingMessage, "help file seems to be missing");
    EXPECT_STREQ(helpView(HelpViewId::Hardware).heading, "hardware HELP");
    EXPECT_STREQ(helpView(HelpViewId::Hardware).fileName, "/hardwarehelp.cfg");
    EXPECT_STREQ(helpView(HelpViewId::Hardware).missingMessage, "hardware setup help file seems to be missing");
    EXPECT_STREQ(helpView(HelpViewId::Graphing).heading, "graphing HELP");
    EXPECT_STREQ(helpView(HelpViewId::Graphing).fileName, "/graphinghelp.cfg");
    EXPECT_STREQ(helpView(HelpViewId::Graphing).missingMessage, "graphing setup help file seems to be missing");
    EXPECT_STREQ(helpView(HelpViewId::Credits).heading, "Credits");
    EXPECT_STREQ(helpView(HelpViewId::Credits).fileName, "/credits.cfg");
    EXPECT_STREQ(helpView(HelpViewId::Credits).missingMessage, "helper crediting file seems to be missing");
    EXPECT_STREQ(helpView(HelpViewId::MyInfo).heading, "my info");
    EXPECT_STREQ(helpView(HelpViewId::MyInfo).fileName, "/MyInfo.cfg");
    EXPECT_STREQ(helpView(HelpViewId::MyInfo).missingMessage, "Myinfo file seems to be missing");
}

TEST(HelpRows, FixtureListedFromSecondLineUnchanged)
{
    TempDir dir;
    copyFixture(dir, "help.cfg", "help.cfg");
    const HelpFileRows r = readHelpView(dir.path(), HelpViewId::General);
    ASSERT_EQ(r.status, Status::Shown);
    const std::vector<std::string> expected = {
        "GYROVANE HELP",
        "",
        "  Start the logger, then choose Settings > Hardware.",
        "Tags look like <V>12.6</V> and are \"case sensitive\".",
        "\tIndented with a tab; a lone",
        "CR and a lone",
        "LF end a line too.",
        "Last line",
        "",
    };
    EXPECT_EQ(r.rows, expected);
    ASSERT_EQ(r.store.size(), expected.size() + 1);
    EXPECT_EQ(r.store[0], "Gyrovane general help");
    EXPECT_FALSE(r.truncated);
}

TEST(HelpRows, FixtureWithoutFinalBreakReadsTheCodePage)
{
    TempDir dir;
    copyFixture(dir, "credits.cfg", "credits.cfg");
    const HelpFileRows r = readHelpView(dir.path(), HelpViewId::Credits);
    ASSERT_EQ(r.status, Status::Shown);
    EXPECT_EQ(r.rows, (std::vector<std::string>{"Thanks to everyone who built a windmill",
                                                "caf\xc3\xa9 owner",
                                                "\xe2\x80\x9cQuoted\xe2\x80\x9d \xe2\x80\x93 \xe2\x82\xac 5"}));
}

TEST(HelpRows, OneLineShowsNothingAndDefaultFileOneEmptyRow)
{
    TempDir dir;
    gvtest::writeFile(dir.file("graphinghelp.cfg"), "only a header");
    gvtest::writeFile(dir.file("hardwarehelp.cfg"), "this is the hardwarehelp text file\r\n");
    gvtest::writeFile(dir.file("help.cfg"), "");

    const HelpFileRows one = readHelpView(dir.path(), HelpViewId::Graphing);
    EXPECT_EQ(one.status, Status::Shown);
    EXPECT_TRUE(one.rows.empty());

    const HelpFileRows def = readHelpView(dir.path(), HelpViewId::Hardware);
    EXPECT_EQ(def.rows, std::vector<std::string>{""});

    const HelpFileRows empty = readHelpView(dir.path(), HelpViewId::General);
    EXPECT_EQ(empty.status, Status::Shown);
    EXPECT_TRUE(empty.rows.empty());
    EXPECT_TRUE(empty.store.empty());
}

TEST(HelpRows, MissingFileAndLetterCase)
{
    TempDir dir;
    EXPECT_EQ(readHelpView(dir.path(), HelpViewId::MyInfo).status, Status::Missing);
    EXPECT_EQ(readHelpView(dir.path(), HelpViewId::Credits).path, "");

    // The first-run step writes "myinfo.cfg"; the view asks for "/MyInfo.cfg".
    gvtest::writeFile(dir.file("myinfo.cfg"), "this is the myinfo text file\r\nowner: me\r\n");
    const HelpFileRows r = readHelpView(dir.path(), HelpViewId::MyInfo);
    ASSERT_EQ(r.status, Status::Shown);
    EXPECT_EQ(r.path, dir.file("myinfo.cfg"));
    EXPECT_EQ(r.rows, (std::vector<std::string>{"owner: me", ""}));

    // Any other case of the name is found too; a folder of that name is not a
    // file, and is reported as one that cannot be read rather than as missing.
    gvtest::writeFile(dir.file("HELP.CFG"), "x\r\ny");
    EXPECT_EQ(readHelpView(dir.path(), HelpViewId::General).rows, std::vector<std::string>{"y"});
    std::filesystem::create_directory(dir.file("Credits.cfg"));
    EXPECT_EQ(readHelpView(dir.path(), HelpViewId::Credits).status, Status::Unreadable);
}

TEST(HelpRows, ExactNameWinsOverOtherCase)
{
    TempDir dir;
    gvtest::writeFile(dir.file("MYINFO.cfg"), "h\r\nupper");
    gvtest::writeFile(dir.file("MyInfo.cfg"), "h\r\nexact");
    EXPECT_EQ(readHelpView(dir.path(), HelpViewId::MyInfo).rows, std::vector<std::string>{"exact"});
    EXPECT_EQ(findFileIgnoringCase(dir.path(), "/myinfo.CFG").value_or(""), dir.file("MYINFO.cfg"));
    EXPECT_FALSE(findFileIgnoringCase(dir.path() + "/nowhere", "/help.cfg").has_value());
}

TEST(HelpRows, LongFileIsCutAtTheLineStore)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < 2500; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    gvtest::writeFile(dir.file("help.cfg"), text);
    const HelpFileRows r = readHelpView(dir.path(), HelpViewId::General);
    ASSERT_EQ(r.status, Status::Shown);
    EXPECT_TRUE(r.truncated);
    EXPECT_EQ(r.store.size(), HelpLineStoreSize);
    ASSERT_EQ(r.rows.size(), HelpLineStoreSize - 1);
    EXPECT_EQ(r.rows.front(), "line 1");
    EXPECT_EQ(r.rows.back(), "line 1000");

    // Exactly 1001 lines fit without loss.
    std::string fits;
    for (int i = 0; i < 1000; ++i)
        fits += "l\r\n";
    gvtest::writeFile(dir.file("help.cfg"), fits + "last");
    const HelpFileRows f = readHelpView(dir.path(), HelpViewId::General);
    EXPECT_FALSE(f.truncated);
    EXPECT_EQ(f.rows.size(), 1000u);
    EXPECT_EQ(f.rows.back(), "last");
}

TEST(HelpRows, UnreadableFileIsReportedNotThrown)
{
    // A folder in the help file's place cannot be read, whoever runs this.
    TempDir dir;
    std::filesystem::create_directory(dir.file("help.cfg"));
    HelpFileRows r;
    ASSERT_NO_THROW(r = readHelpView(dir.path(), HelpViewId::General));
    EXPECT_EQ(r.status, Status::Unreadable);
    EXPECT_EQ(r.path, dir.file("help.cfg"));
    EXPECT_TRUE(r.rows.empty());
    EXPECT_TRUE(r.store.empty());
}
