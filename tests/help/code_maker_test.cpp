#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "help/CodeMaker.h"
#include "support/test_paths.h"

using namespace gv;
using gvtest::TempDir;
using Status = CodeMakerResult::Status;

namespace {
const std::string fixtures = std::string(GV_SOURCE_DIR) + "/tests/help/fixtures";
}

TEST(CodeMaker, LinesBecomeCodeLinesWithQuotesUnchanged)
{
    EXPECT_EQ(makeHelpCode("one\r\ntwo\r\n"), gvtest::crlf({
                                                   "temp = temp & \"one\" & vbCrLf",
                                                   "temp = temp & \"two\" & vbCrLf",
                                                   "temp = temp & \"\" & vbCrLf",
                                               }));
    EXPECT_EQ(makeHelpCode("say \"hi\""), gvtest::crlf({"temp = temp & \"say \"hi\"\" & vbCrLf"}));
    EXPECT_EQ(makeHelpCode(""), "");
    // Text saved with LF-only or CR-only line ends gives the same code lines.
    const std::string twoLines = gvtest::crlf({"temp = temp & \"a\" & vbCrLf", "temp = temp & \"b\" & vbCrLf"});
    EXPECT_EQ(makeHelpCode("a\nb"), twoLines);
    EXPECT_EQ(makeHelpCode("a\rb"), twoLines);
    EXPECT_EQ(makeHelpCode("a\r\nb"), twoLines);
}

TEST(CodeMaker, FixtureMatchesGoldenOutput)
{
    TempDir dir;
    gvtest::writeFile(dir.file("codetext.txt"), gvtest::readFile(fixtures + "/codetext.txt"));
    const CodeMakerResult r = runCodeMaker(dir.path());
    ASSERT_EQ(r.status, Status::Written) << r.error;
    EXPECT_EQ(r.path, dir.file("code.cfg"));
    EXPECT_EQ(gvtest::readFile(dir.file("code.cfg")), gvtest::readFile(fixtures + "/code.cfg.golden"));
    // The input is left as it was.
    EXPECT_EQ(gvtest::readFile(dir.file("codetext.txt")), gvtest::readFile(fixtures + "/codetext.txt"));
}

TEST(CodeMaker, MissingInputDoesNothing)
{
    TempDir dir;
    EXPECT_EQ(runCodeMaker(dir.path()).status, Status::NoInput);
    EXPECT_FALSE(std::filesystem::exists(dir.file("code.cfg")));
}

TEST(CodeMaker, OutputIsReplacedWholeAndLetterCaseIgnored)
{
    TempDir dir;
    gvtest::writeFile(dir.file("CodeText.TXT"), "x");
    gvtest::writeFile(dir.file("Code.cfg"), std::string(5000, 'z'));
    const CodeMakerResult r = runCodeMaker(dir.path());
    ASSERT_EQ(r.status, Status::Written);
    EXPECT_EQ(r.path, dir.file("Code.cfg"));
    EXPECT_EQ(gvtest::readFile(dir.file("Code.cfg")), "temp = temp & \"x\" & vbCrLf\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("code.cfg")));

    // An empty input empties the output.
    gvtest::writeFile(dir.file("CodeText.TXT"), "");
    ASSERT_EQ(runCodeMaker(dir.path()).status, Status::Written);
    EXPECT_EQ(gvtest::readFile(dir.file("Code.cfg")), "");
}

TEST(CodeMaker, UnwritableOutputIsReportedAndLeavesOldFile)
{
    TempDir dir;
    gvtest::writeFile(dir.file("codetext.txt"), "x\r\n");
    // A folder where the output should go cannot be replaced by a file.
    std::filesystem::create_directory(dir.file("code.cfg"));
    const CodeMakerResult r = runCodeMaker(dir.path());
    EXPECT_EQ(r.status, Status::WriteFailed);
    EXPECT_FALSE(r.error.empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("code.cfg")));
}
