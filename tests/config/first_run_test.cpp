#include <gtest/gtest.h>

#include "config/FirstRun.h"
#include "support/test_paths.h"

#include <filesystem>
#include <set>

using namespace gv;
using gvtest::crlf;
using gvtest::readFile;
using gvtest::TempDir;
using gvtest::writeFile;

namespace {

std::string expectedChannels()
{
    struct Row {
        const char* name;
        const char* colour;
        const char* max;
        const char* code;
        const char* flag;
    };
    const Row rows[24] = {
        {"WINDMILL AMPS", "16711680", "20", "A1", "1"}, {"channel name", "255", "20", "A2", "0"},
        {"channel name", "65280", "20", "A3", "0"},     {"channel name", "65535", "20", "A4", "0"},
        {"channel name", "16711680", "20", "A5", "0"},  {"channel name", "255", "20", "A6", "0"},
        {"channel name", "65280", "20", "A7", "0"},     {"channel name", "65535", "20", "A8", "0"},
        {"SYSTEM VOLTS", "16711935", "60", "V1", "1"},  {"channel name", "8421631", "30", "V2", "0"},
        {"channel name", "8438015", "30", "V3", "0"},   {"WINDSPEED", "16776960", "50", "WS", "1"},
        {"WINDMILL RPM", "33023", "500", "R1", "1"},    {"channel name", "12648384", "500", "R2", "0"},
        {"channel name", "255", "1000", "P1", "0"},     {"channel name", "16711680", "1000", "P2", "0"},
        {"WINDMILL POWER", "16711680", "1000", "W1", "1"}, {"channel name", "255", "1000", "W2", "0"},
        {"channel name", "65280", "1000", "W3", "0"},   {"channel name", "65535", "1000", "W4", "0"},
        {"channel name", "16711680", "1000", "W5", "0"}, {"channel name", "255", "1000", "W6", "0"},
        {"channel name", "65280", "1000", "W7", "0"},   {"channel name", "65535", "1000", "W8", "0"},
    };
    std::string s;
    for (int n = 1; n <= 24; ++n) {
        const Row& r = rows[n - 1];
        const std::string k = std::to_string(n);
        auto item = [&](const std::string& key, const std::string& v) {
            return "<" + key + k + ">" + v + "</" + key + k + ">";
        };
        s += crlf({item("enableLOGGING", r.flag), item("enableDISPLAY", r.flag),
                   item("enableGRAPHING", r.flag), item("HARDWAREenabled", r.flag), item("C", r.name),
                   item("L", r.colour), item("M", r.max), item("XMLsoftware", r.code),
                   item("XMLhardware", r.code), ""});
    }
    return s + "\r\n\r\n";
}

const std::string kHardware = crlf({"Program Config File", "", "<Port>3</Port>", "<SaveExcel>0</SaveExcel>",
                                    "<LogDelay>10</LogDelay>", "<LogOn>0</LogOn>", "<WSUnits>m/s</WSUnits>",
                                    "<BaudRate>4800</BaudRate>", "<DispMessages>0</DispMessages>",
                                    "<PersonalString>Personal Program NAME</PersonalString>",
                                    "<LastFile></LastFile>", "", "<SystemType>0</SystemType>", "<M>10</M>",
                                    "<J>10</J>", "<Z>10</Z>", "", "", ""});

std::string expectedCalibrations()
{
    std::string s = crlf({"Calibration Settings", ""});
    for (int n = 1; n <= 16; ++n) {
        const std::string i = "(" + std::to_string(n) + ")>";
        s += crlf({"<ADCDivider" + i + "0.10</ADCDivider" + i, "<ADCOffset" + i + "0</ADCOffset" + i,
                   "<ChannelSelection" + i + "V</ChannelSelection" + i, ""});
    }
    return s;
}

std::set<std::string> entries(const std::string& dir)
{
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.insert(e.path().filename().string());
    return names;
}

} // namespace

TEST(FirstRun, EmptyFolderGetsExactlyTheDefaultFilesAndFolders)
{
    TempDir dir;
    const FirstRunResult r = createMissingFiles(dir.path());
    EXPECT_TRUE(r.failed.empty());
    EXPECT_EQ(r.written.size(), 8u);

    EXPECT_EQ(entries(dir.path()),
              (std::set<std::string>{"logs", "Excel", "channels.cfg", "hardware.cfg", "calibrations.cfg",
                                     "help.cfg", "hardwarehelp.cfg", "graphinghelp.cfg", "credits.cfg",
                                     "myinfo.cfg"}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("logs")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Excel")));

    EXPECT_EQ(readFile(dir.file("channels.cfg")), expectedChannels());
    EXPECT_EQ(readFile(dir.file("hardware.cfg")), kHardware);
    EXPECT_EQ(readFile(dir.file("calibrations.cfg")), expectedCalibrations());
    EXPECT_EQ(readFile(dir.file("help.cfg")), "this is the help text file\r\n");
    EXPECT_EQ(readFile(dir.file("hardwarehelp.cfg")), "this is the hardwarehelp text file\r\n");
    EXPECT_EQ(readFile(dir.file("graphinghelp.cfg")), "this is the graphinghelp text file\r\n");
    EXPECT_EQ(readFile(dir.file("credits.cfg")), "this is the credits text file\r\n");
    EXPECT_EQ(readFile(dir.file("myinfo.cfg")), "this is the myinfo text file\r\n");
}

TEST(FirstRun, DefaultChannelTableSpotChecks)
{
    const std::string t = defaultChannelsText();
    EXPECT_EQ(t.rfind("<enableLOGGING1>1</enableLOGGING1>\r\n", 0), 0u);
    EXPECT_NE(t.find("<C12>WINDSPEED</C12>\r\n"), std::string::npos);
    EXPECT_NE(t.find("<L13>33023</L13>\r\n"), std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 24), "</XMLhardware24>\r\n\r\n\r\n\r\n");
}

TEST(FirstRun, OnlyMissingFilesAreWrittenAndOthersKeepTheirBytes)
{
    TempDir dir;
    createMissingFiles(dir.path());
    const std::string custom = "<C1>my own</C1>";  // damaged but present: left alone
    writeFile(dir.file("channels.cfg"), custom);
    writeFile(dir.file("help.cfg"), "");
    std::filesystem::remove(dir.file("hardware.cfg"));

    const FirstRunResult r = createMissingFiles(dir.path());
    EXPECT_EQ(r.written, std::vector<std::string>{"hardware.cfg"});
    EXPECT_TRUE(r.failed.empty());
    EXPECT_EQ(readFile(dir.file("hardware.cfg")), kHardware);
    EXPECT_EQ(readFile(dir.file("channels.cfg")), custom);
    EXPECT_EQ(readFile(dir.file("help.cfg")), "");
    EXPECT_EQ(readFile(dir.file("calibrations.cfg")), expectedCalibrations());

    // Everything present: nothing is written.
    EXPECT_TRUE(createMissingFiles(dir.path()).written.empty());
}

TEST(FirstRun, EachStepStandsByItself)
{
    TempDir dir;
    // A file named like a folder blocks that folder, and a folder named like
    // a file blocks that file; everything else is still created.
    writeFile(dir.file("logs"), "x");
    std::filesystem::create_directory(dir.file("credits.cfg"));
    const FirstRunResult r = createMissingFiles(dir.path());
    EXPECT_EQ(r.failed, (std::vector<std::string>{"logs", "credits.cfg"}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("Excel")));
    EXPECT_EQ(readFile(dir.file("myinfo.cfg")), "this is the myinfo text file\r\n");
    EXPECT_EQ(r.written.size(), 7u);
}

TEST(FirstRun, UnwritableFolderIsReportedNotFatal)
{
    // A program folder whose path runs through a regular file can hold
    // nothing, whoever runs the program.
    TempDir dir;
    writeFile(dir.file("plain"), "x");
    const FirstRunResult r = createMissingFiles(dir.file("plain/program"));
    EXPECT_EQ(r.failed.size(), 10u);
    EXPECT_TRUE(r.written.empty());
}

TEST(FirstRun, VersionAndAbortTexts)
{
    EXPECT_EQ(versionText(1, 1, 14), "Version 1.1.14");
    const std::string m = splashAbortMessage("/home/me/gv");
    EXPECT_EQ(m,
              "Folders and Files have ALREADY been created in folder  \r\n/home/me/gv\r\n\r\n"
              "USE THE EXIT MENU ON THE NEXT SCREEN TO STOP THE PROGRAM\r\n\r\n"
              "THE FILES AND FOLDERS CREATED HAVE TO BE MANUALLY DELETED\r\n"
              "                             TO UNINSTALL THE PROGRAM");
}
