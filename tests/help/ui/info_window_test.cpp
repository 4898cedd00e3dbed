#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QMenuBar>
#include <QTreeWidget>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "help/ui/info.h"
#include "support/message_recorder.h"
#include "support/test_paths.h"

using gvtest::Messages;
using gvtest::TempDir;

namespace {

QString heading(const info& w) { return w.ListView1->headerItem()->text(1); }

QStringList rows(const info& w)
{
    QStringList out;
    for (int i = 0; i < w.ListView1->topLevelItemCount(); ++i) {
        EXPECT_EQ(w.ListView1->topLevelItem(i)->text(0), QString());
        out << w.ListView1->topLevelItem(i)->text(1);
    }
    return out;
}

void writeDefaults(const TempDir& dir)
{
    gvtest::writeFile(dir.file("help.cfg"), "this is the help text file\r\n");
    gvtest::writeFile(dir.file("hardwarehelp.cfg"), "this is the hardwarehelp text file\r\n");
    gvtest::writeFile(dir.file("graphinghelp.cfg"), "this is the graphinghelp text file\r\n");
    gvtest::writeFile(dir.file("credits.cfg"), "this is the credits text file\r\n");
    gvtest::writeFile(dir.file("myinfo.cfg"), "this is the myinfo text file\r\n");
}

} // namespace

TEST(InfoWindow, OpensOnGeneralHelpWithCaptionMenusAndColumns)
{
    TempDir dir;
    gvtest::writeFile(dir.file("help.cfg"), "header\r\nFirst help line\r\n\r\nThird \"quoted\" line");
    Messages messages;
    info w(QString::fromStdString(dir.path()), nullptr);

    EXPECT_EQ(w.windowTitle(), "Help File");
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(heading(w), "general HELP");
    EXPECT_EQ(w.ListView1->columnCount(), 2);
    EXPECT_EQ(w.ListView1->headerItem()->text(0), QString());
    EXPECT_LE(w.ListView1->columnWidth(0), 1);
    EXPECT_EQ(w.ListView1->columnWidth(1), 533);
    EXPECT_EQ(rows(w), (QStringList{"First help line", "", "Third \"quoted\" line"}));
    ASSERT_EQ(w.lineStore().size(), 4u);
    EXPECT_EQ(w.lineStore()[0], "header");

    QStringList menu;
    for (QAction* a : w.menuBar->actions())
        menu << a->text();
    EXPECT_EQ(menu, (QStringList{"Hardware SETUP", "graphing SETUP", "Credits", "ABOUT",
                                 "Make help && credit files"}));
}

TEST(InfoWindow, EachMenuViewShowsItsFileUnderItsHeading)
{
    TempDir dir;
    writeDefaults(dir);
    gvtest::writeFile(dir.file("hardwarehelp.cfg"), "h\r\nport 3 at 4800 baud\r\n");
    gvtest::writeFile(dir.file("graphinghelp.cfg"), "h\r\ndrag to zoom");
    gvtest::writeFile(dir.file("credits.cfg"), "h\r\nthanks\r\ncaf\xe9");
    gvtest::writeFile(dir.file("myinfo.cfg"), "h\r\n\x93Gr\xfc\xdf" "e\x94 \x80");
    Messages messages;
    info w(QString::fromStdString(dir.path()), nullptr);
    EXPECT_EQ(rows(w), QStringList{""}) << "the default file shows one empty row";

    w.hardware->trigger();
    EXPECT_EQ(heading(w), "hardware HELP");
    EXPECT_EQ(rows(w), (QStringList{"port 3 at 4800 baud", ""}));

    w.graphing->trigger();
    EXPECT_EQ(heading(w), "graphing HELP");
    EXPECT_EQ(rows(w), QStringList{"drag to zoom"});

    w.credits->trigger();
    EXPECT_EQ(heading(w), "Credits");
    EXPECT_EQ(rows(w), (QStringList{"thanks", QString::fromUtf8("caf\xc3\xa9")}));

    w.myinfo->trigger();
    EXPECT_EQ(heading(w), "my info");
    EXPECT_EQ(rows(w), QStringList{QString::fromUtf8("\xe2\x80\x9cGr\xc3\xbc\xc3\x9f" "e\xe2\x80\x9d \xe2\x82\xac")});
    EXPECT_TRUE(messages.texts.empty());
}

TEST(InfoWindow, MissingFileGivesMessageAndEmptyListUnderNewHeading)
{
    TempDir dir;
    Messages messages;
    info w(QString::fromStdString(dir.path()), nullptr);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "help file seems to be missing");
    EXPECT_EQ(heading(w), "general HELP");

    gvtest::writeFile(dir.file("credits.cfg"), "h\r\nsomeone");
    w.credits_Click();
    EXPECT_EQ(rows(w), QStringList{"someone"});

    const std::pair<QAction*, std::pair<const char*, const char*>> cases[] = {
        {w.hardware, {"hardware HELP", "hardware setup help file seems to be missing"}},
        {w.graphing, {"graphing HELP", "graphing setup help file seems to be missing"}},
        {w.myinfo, {"my info", "Myinfo file seems to be missing"}},
    };
    for (const auto& [action, expected] : cases) {
        messages.texts.clear();
        action->trigger();
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0], expected.second);
        EXPECT_EQ(heading(w), expected.first);
        EXPECT_EQ(w.ListView1->topLevelItemCount(), 0);
    }
    gvtest::writeFile(dir.file("Credits.CFG"), "h\r\n");
    std::remove(dir.file("credits.cfg").c_str());
    messages.texts.clear();
    w.credits_Click();
    EXPECT_TRUE(messages.texts.empty()) << "letter case of the name does not matter";
    EXPECT_EQ(rows(w), QStringList{""});
}

TEST(InfoWindow, LongHelpFileIsListedUpToTheStore)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < 1500; ++i)
        text += "row " + std::to_string(i) + "\r\n";
    gvtest::writeFile(dir.file("help.cfg"), text);
    Messages messages;
    info w(QString::fromStdString(dir.path()), nullptr);
    EXPECT_EQ(w.ListView1->topLevelItemCount(), 1000);
    EXPECT_EQ(w.ListView1->topLevelItem(999)->text(1), "row 1000");
    EXPECT_EQ(w.lineStore().size(), 1001u);
}

TEST(InfoWindow, CodeMakerWritesCodeAndLeavesTheListAlone)
{
    TempDir dir;
    writeDefaults(dir);
    gvtest::writeFile(dir.file("hardwarehelp.cfg"), "h\r\nshown");
    Messages messages;
    info w(QString::fromStdString(dir.path()), nullptr);
    w.hardware_Click();

    w.codeMaker->trigger(); // no codetext.txt: nothing at all
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("code.cfg")));

    gvtest::writeFile(dir.file("codetext.txt"), "line one\r\nline two\r\n");
    w.codeMaker->trigger();
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(gvtest::readFile(dir.file("code.cfg")), gvtest::crlf({
                                                          "temp = temp & \"line one\" & vbCrLf",
                                                          "temp = temp & \"line two\" & vbCrLf",
                                                          "temp = temp & \"\" & vbCrLf",
                                                      }));
    EXPECT_EQ(heading(w), "hardware HELP");
    EXPECT_EQ(rows(w), QStringList{"shown"});
}

TEST(InfoWindow, CodeMakerWriteFailureIsToldNotFatal)
{
    TempDir dir;
    writeDefaults(dir);
    gvtest::writeFile(dir.file("codetext.txt"), "x");
    std::filesystem::create_directory(dir.file("code.cfg"));
    Messages messages;
    info w(QString::fromStdString(dir.path()), nullptr);
    w.codeMaker_Click();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_TRUE(messages.texts[0].endsWith("could not be written"));
}
