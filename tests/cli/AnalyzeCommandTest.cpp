// kestrova-cli analyze on files; the fetch, advice and project paths through the
// simulator are covered end to end.
#include <gtest/gtest.h>

#include <string>

#include "base/Files.h"
#include "cli/CliTestSupport.h"
#include "support/ScriptedServer.h"
#include "support/TempFolder.h"

namespace kestrova {
namespace {

using test::RunCliCommand;

const std::string kPage =
    "HTTP/1.0 200 OK\r\nServer: disk\r\n\r\n"
    "<html><head><title>Rank\r\nchecker</title>"
    "<meta name=\"keywords\" content=\"rank\"></head>"
    "<body>rank \xE9t\xE9</body></html>";

class AnalyzeCommand : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(WriteFileAtomically(Path("page.html"), kPage)); }
  std::string Path(const std::string& name) const { return dir_ / name; }

  test::TempFolder dir_{"kestrova-analyze-"};
};

TEST_F(AnalyzeCommand, PrintsEveryStoredFieldInOrder) {
  auto result = RunCliCommand({"analyze", "--file", Path("page.html"), "--keyword", "rank"});
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.err, "");
  std::string names;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) names += line.substr(0, line.find(':')) + " ";
  EXPECT_EQ(names,
            "LocalFile SecondText Keyword SourceUrl LastModified ServerName Status ProblemText "
            "Title TitleDensity TitleCount BodySlot BodyDensity BodyCount HeadSlot HeadDensity "
            "HeadCount CommentsSlot CommentsDensity CommentsCount AltSlot AltDensity AltCount "
            "MetaTitle MetaTitleDensity MetaTitleCount MetaDescription MetaDescriptionDensity "
            "MetaDescriptionCount MetaKeywords MetaKeywordsDensity MetaKeywordsCount MetaAuthor "
            "MetaGenerator MetaObject MetaRobots MetaLanguage MetaRating MetaExpiry "
            "MetaRevisitAfter KeywordTotal ");
  // A line break inside a value keeps the value on its line.
  EXPECT_NE(result.out.find("\nTitle: Rank\\r\\nchecker\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nKeywordTotal: 3\n"), std::string::npos);
  // Text reaches the terminal as UTF-8, and keywords arrive from it as UTF-8.
  result =
      RunCliCommand({"analyze", "--file", Path("page.html"), "--keyword", "\xC3\xA9t\xC3\xA9"});
  EXPECT_NE(result.out.find("\nKeyword: \xC3\xA9t\xC3\xA9\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nBodyCount: 1\n"), std::string::npos);
  // The advice follows the record, with plain line breaks.
  result =
      RunCliCommand({"analyze", "--file", Path("page.html"), "--keyword", "absent", "--advice"});
  EXPECT_NE(result.out.find("KeywordTotal: 0\nKestrova Analysis\n"), std::string::npos);
  EXPECT_NE(result.out.find("\nKeywords : Present\n\n"), std::string::npos);
  EXPECT_EQ(result.out.find('\r'), std::string::npos);
}

TEST_F(AnalyzeCommand, MissingTagsGoToStderrAndTheRecordIsStillPrinted) {
  ASSERT_TRUE(WriteFileAtomically(Path("bare.html"), "<html><head></head>rank"));
  auto result = RunCliCommand({"analyze", "--file", Path("bare.html"), "--keyword", "rank"});
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.err,
            "kestrova-cli analyze: No starting <BODY tag for page from \n\nLocal File : \n\n");
  EXPECT_NE(result.out.find("\nStatus: 1\nProblemText: No starting <BODY tag\n"),
            std::string::npos);
}

TEST_F(AnalyzeCommand, FailuresPrintNothingAndTouchNothing) {
  // A project that cannot be read is left alone.
  ASSERT_TRUE(WriteFileAtomically(Path("bad.rnk"), "not a project"));
  auto result = RunCliCommand(
      {"analyze", "--file", Path("page.html"), "--keyword", "rank", "--project", Path("bad.rnk")});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(Path("bad.rnk"), bytes));
  EXPECT_EQ(bytes, "not a project");

  test::ScriptedServer proxy({test::ServerScenario::Answer("gone", "HTTP/1.0 404 No\r\n\r\n")});
  result = RunCliCommand({"analyze", "--domain", "www.example.com", "--proxy",
                          "127.0.0.1:" + std::to_string(proxy.Port()), "--keyword", "rank"});
  EXPECT_EQ(result.code, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err,
            "kestrova-cli analyze: Could not download page from domain of www.example.com\n");
  EXPECT_EQ(RunCliCommand({"analyze", "--file", Path("none.html"), "--keyword", "k"}).code, 1);

  for (const auto& args : std::vector<std::vector<std::string>>{
           {"analyze", "--keyword", "k"},
           {"analyze", "--file", "f", "--domain", "d", "--keyword", "k"},
           {"analyze", "--file", "f"},
           {"analyze", "--file", "f", "--proxy", "h:1", "--keyword", "k"}}) {
    result = RunCliCommand(args);
    EXPECT_EQ(result.code, 2) << args[1] << " " << args[2];
    EXPECT_EQ(result.out, "");
  }
}

}  // namespace
}  // namespace kestrova
