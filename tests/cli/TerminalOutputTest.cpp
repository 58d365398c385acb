// What the commands print never drives the terminal: control characters from
// result pages and projects (ESC, BEL, CR ...) are shown as their pictures in
// text and CSV output; JSON keeps them, escaped.
#include <gtest/gtest.h>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "engines/EngineCatalogue.h"
#include "store/ProjectFile.h"
#include "support/CheckRecords.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

using test::RunCliCommand;

// Clears the screen and sets the window title.
const std::string kHostile = "\x1b[2J\x1b]0;owned\x07";
const std::string kShown = "\xE2\x90\x9B[2J\xE2\x90\x9B]0;owned\xE2\x90\x87";

// True when the only control characters are line ends (LF, or CR LF for CSV).
bool OnlyLineEnds(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
    if ((c < 0x20 && !lineEnd) || c == 0x7F) return false;
  }
  return true;
}

TEST(TerminalOutput, ParseShowsTheControlCharactersOfATopUrl) {
  test::TempFolder folder;
  std::string page;
  ASSERT_TRUE(ReadWholeFile(std::string(KESTROVA_TEST_DATA) + "/pages/yahoo.html", page));
  const std::string url = "http://www.birdwatch.org/";
  page.replace(page.find(url), url.size(), url + kHostile);
  ASSERT_TRUE(WriteFileAtomically(folder / "page.html", page));
  const auto run = RunCliCommand({"parse", "--engine", "Yahoo", "--domain", "a.org", "--keyword",
                                  "bird", "--page-index", "0", folder / "page.html"});
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_NE(run.out.find("top-url-1: " + url + kShown + "\n"), std::string::npos) << run.out;
  EXPECT_TRUE(OnlyLineEnds(run.out)) << run.out;
}

TEST(TerminalOutput, ShowInfoAndAnalyzeShowEveryControlCharacter) {
  test::TempFolder folder;
  const std::string keyword = "seo\x1b[31m";
  ProjectState project;
  project.Domain = "a.org\r\x1b[1A";
  project.KeywordText = keyword;
  project.ReportDirectory = folder / "reports";
  project.SelectedEngines = {"Google"};
  SyncEngineLists(project, Catalogue());
  RankingRecord record =
      test::CheckRecord(keyword, "Google", 4, "03/09/2024 02:05:06 PM",
                        {"http://evil.test/" + kHostile, "http://a.test/\r\nInjected line\t\x7f",
                         "http://b.test/\x9d"
                         "0;title"});  // the last: an unassigned byte, OSC as C1
  project.Rankings = {record};
  const std::string file = folder / "p.rnk";
  ASSERT_TRUE(WriteProjectFile(file, project));

  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"show", file, "--top"},
        std::vector<std::string>{"show", file, "--top", "--format", "csv"},
        std::vector<std::string>{"show", file}, std::vector<std::string>{"info", file}}) {
    const auto run = RunCliCommand(args);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(OnlyLineEnds(run.out)) << args[0] << " " << args.back() << ":\n" << run.out;
    EXPECT_EQ(run.out.find("\xC2\x9D"), std::string::npos) << "no C1 control either";
  }
  const auto table = RunCliCommand({"show", file, "--top"});
  EXPECT_NE(table.out.find("http://evil.test/" + kShown), std::string::npos) << table.out;
  EXPECT_NE(
      table.out.find("http://a.test/\xE2\x90\x8D\xE2\x90\x8AInjected line\xE2\x90\x89\xE2\x90\xA1"),
      std::string::npos);
  EXPECT_NE(table.out.find("Keyword: seo\xE2\x90\x9B[31m\n"), std::string::npos);
  // JSON strings escape control characters themselves: they stay as they are.
  const auto json = RunCliCommand({"show", file, "--top", "--format", "json"});
  EXPECT_NE(json.out.find("http://evil.test/\\u001b[2J\\u001b]0;owned\\u0007"), std::string::npos)
      << json.out;

  // A front page's title, as analyze prints it.
  ASSERT_TRUE(WriteFileAtomically(
      folder / "front.html",
      "<HTML><HEAD><TITLE>Shop" + kHostile + "</TITLE></HEAD><BODY>seo</BODY></HTML>"));
  const auto analyzed =
      RunCliCommand({"analyze", "--file", folder / "front.html", "--keyword", "seo"});
  ASSERT_EQ(analyzed.code, 0) << analyzed.err;
  EXPECT_NE(analyzed.out.find("Title: Shop" + kShown + "\n"), std::string::npos) << analyzed.out;
  EXPECT_TRUE(OnlyLineEnds(analyzed.out));
}

}  // namespace
}  // namespace kestrova
